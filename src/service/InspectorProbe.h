#pragma once

// What the console and tests may ask an Inspector's view window besides the framework's
// own messages. The module never exports code for it: it is a window message.

#include "platform/WinTypes.h"

// lParam: a std::string* that receives the row tree, every row in pre-order (shown or not),
// one line each: depth, label, x, y, width, height, relX, relY, connected, group depth,
// pad ID, shown, gone, separated by TAB; a search-result view gives its hits instead. The
// result is the number of rows.
constexpr UINT WM_INSP_DESCRIBEROWS = WM_APP + 0x101;
