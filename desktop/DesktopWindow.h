#pragma once

#include "platform/CWnd.h"

#include <memory>

class DesktopHost;

// The desktop's main window, which owns every tool window. A person works on the pads in it
// with the mouse (DesktopMouse): a click selects, Ctrl+click adds or removes, a drag moves,
// a double-click opens an Inspector. On Windows it also draws the pads and has the
// desktop's menu bar (win32/DesktopWindow.cpp); the native window system draws nothing, so
// there it only takes the mouse (DesktopWindow.cpp), which the console plays.
std::unique_ptr<CWnd> MakeDesktopWindow(DesktopHost& host);
