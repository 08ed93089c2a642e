#pragma once

class Console;

// The `pad …` commands: changes made on the desktop, which reach the Inspectors through
// the desktop's notifications.
void RegisterPadCommands(Console& console);
