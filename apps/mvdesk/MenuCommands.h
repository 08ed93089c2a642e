#pragma once

class Console;

// Menus, keys and tool windows: menu, menus, key, tools, button; and the answer to a
// context menu.
void RegisterMenuCommands(Console& console);
