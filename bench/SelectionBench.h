#pragma once

// Registers the cases of work on a large selection: Delete All, Geometry, a command, a click
// and a key after Select All, and clearing the desktop.
void RegisterSelectionCases();
