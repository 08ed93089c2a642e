#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// A list control as the console prints it: a header line "#" and the column headers, then
// per item its index, state letters (S selected, F focused, D drop-highlighted, - none),
// image index and every cell text, separated by TAB. Texts stay in the desktop's code page.
std::vector<std::string> DescribeList(HWND list);
