#pragma once

class Console;

// Mouse clicks on a frame's table rows, frame activation, and the pad-property window.
void RegisterMouseCommands(Console& console);
