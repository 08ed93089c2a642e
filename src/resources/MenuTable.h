#pragma once

#include <span>
#include <vector>

// One item of a menu resource with its text in both languages, in UTF-8. Flags are the
// MF_ flags of ResourceTypes.h.
struct MenuSource {
    unsigned id = 0;
    const char* english = "";
    const char* japanese = "";
    unsigned flags = 0;
    std::vector<MenuSource> children;
};

struct MenuResourceSource {
    unsigned id;
    std::vector<MenuSource> items;
};

// Null when there is no menu resource of that id.
const MenuResourceSource* FindMenuSource(unsigned id);
std::span<const MenuResourceSource> MenuSources();
