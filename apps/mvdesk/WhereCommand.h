#pragma once

class Console;

// `where`: where on the screen a person would point at a row, a dialog's control, a message
// box's button or a context menu's item.
void RegisterWhereCommand(Console& console);
