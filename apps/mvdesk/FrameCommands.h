#pragma once

class Console;

// Looking at a frame and sending it messages: status, window, close, cmd.
void RegisterFrameCommands(Console& console);
