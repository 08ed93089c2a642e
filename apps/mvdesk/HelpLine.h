#pragma once

#include "HostRecords.h"

#include <string>

class Console;

// The console's line for a call into the help system: help "FILE" COMMAND DATA, where DATA
// is the context number, or the quoted keyword of a keyword search.
std::string DescribeHelpCall(const HelpCall& call, const Console& console);
