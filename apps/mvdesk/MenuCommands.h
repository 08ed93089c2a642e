#pragma once

#include "platform/NativeMenu.h"

#include <string>
#include <vector>

class Console;

// A key as the console names it: Down, Shift+Tab, Ctrl+A, F1, a letter or digit; false for an
// unknown name.
// Key and modifier names are taken in any case.
bool ParseKey(const std::string& text, WORD& key, native::Modifiers& modifiers);
// The named keys, for completion and suggestions.
std::vector<std::string> KeyNameList();

// An item that runs a command: its path of display texts (UTF-8), id and state.
struct Leaf {
    std::string path;
    UINT id = 0;
    bool enabled = true;
};
// The items of a menu that run commands, in menu order, each with its path below `prefix`.
void CollectLeaves(Console& console, const std::vector<native::MenuItemInfo>& items,
                   const std::string& prefix, std::vector<Leaf>& leaves);

// Menus, keys and tool windows: menu, menus, key, tools, button; and the answer to a
// context menu.
void RegisterMenuCommands(Console& console);
