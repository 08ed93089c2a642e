#pragma once

class Console;

// The desktop's own words: saving and loading scenes, and the mouse on the desktop window
// (`desk click|dblclick|drag`), which goes through the window as a person's mouse does.
void RegisterDesktopCommands(Console& console);
