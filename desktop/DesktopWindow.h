#pragma once

#include "platform/CWnd.h"

#include <memory>

class Desktop;

// The desktop's main window, which owns every tool window. On Windows it shows the pads
// (win32/DesktopWindow.cpp); the native window system draws nothing, so there it is a plain
// window of the framework (DesktopWindow.cpp).
std::unique_ptr<CWnd> MakeDesktopWindow(Desktop& desktop);
