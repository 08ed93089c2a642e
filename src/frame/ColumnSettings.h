#pragma once

#include "listview/ColumnId.h"

#include <string>

// A column set as it is stored: count, identifiers and widths (negative: automatic).
struct ColumnSet {
    int columnCount = 5;
    int columnIds[kMaxColumns] = {0, 1, 2, 3, 4, 0, 0, 0, 0, 0};
    int columnWidths[kMaxColumns] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// Reads a stored value "N,id0,w0,…", which ends at its first NUL byte. A value that is
// empty, malformed (also a number outside int or a width above 32767) or longer than the
// 256-byte read buffer gives the default set.
ColumnSet ParseColumnSettings(const std::string& stored);
// The stored form of a set with the given current widths: count, then "id,width" for each
// column whose identifier lies within 0 to 10.
std::string FormatColumnSettings(int count, const int ids[], const int widths[]);

// Where the settings live, below the current user's hive.
inline constexpr const char* kSettingsKey = "Software\\Korvell\\Mosvane\\4.1\\InspEnv\\";
inline constexpr const char* kSettingsValue = "InspArg";

// Registry round trips; a key that does not open reads as the default set and is not
// written.
ColumnSet LoadColumnSettings();
bool SaveColumnSettings(const std::string& text);
