#pragma once

class Console;

// `dlg`: the open dialog printed, and its controls used as a person would.
void RegisterDialogCommands(Console& console);
