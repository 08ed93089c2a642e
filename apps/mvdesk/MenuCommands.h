#pragma once

#include "platform/NativeMenu.h"

#include <string>

class Console;

// A key as the console names it: Down, Shift+Tab, Ctrl+A, F1, a letter or digit; false for an
// unknown name.
bool ParseKey(const std::string& text, WORD& key, native::Modifiers& modifiers);

// Menus, keys and tool windows: menu, menus, key, tools, button; and the answer to a
// context menu.
void RegisterMenuCommands(Console& console);
