#pragma once

#include "platform/WinTypes.h"

class DesktopMouse;

// Hands the desktop window's mouse messages to its mouse rules, keeping the mouse captured
// while a pad is being dragged. True when the message was one of them.
bool RouteDesktopMouse(DesktopMouse& mouse, HWND window, UINT message, WPARAM keys, LPARAM point);
