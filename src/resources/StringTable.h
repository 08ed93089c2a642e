#pragma once

#include <span>

// One entry of the string table: the same identifier in both languages, in UTF-8.
struct StringEntry {
    unsigned id;
    const char* english;
    const char* japanese;
};

// Null when the table has no such identifier.
const StringEntry* FindStringEntry(unsigned id);

// The whole table, sorted by identifier.
std::span<const StringEntry> StringEntries();
