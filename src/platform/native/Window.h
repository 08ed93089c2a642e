#pragma once

#include "platform/Win.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace native {

// One window as the window manager keeps it. The visible, disabled and minimised states
// live in the style bits, so GetWindowLongPtrA(GWL_STYLE) reports them as Win32 does.
struct Window {
    HWND handle = nullptr;
    std::string className;
    HINSTANCE instance = nullptr;
    WNDPROC proc = nullptr;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    // Relative to the parent for a child window, screen co-ordinates otherwise.
    RECT rect;
    // A window with a parent is a child; only a top-level window has an owner.
    HWND parent = nullptr;
    HWND owner = nullptr;
    int id = 0;
    std::intptr_t userData = 0;
    bool invalid = false;
    int paintCount = 0;
    bool destroying = false;
    // The observer heard of its creation, so it also hears of its destruction.
    bool announced = false;
    // The private state of a control class's window, freed with the window.
    std::shared_ptr<void> controlData;
    // The application framework's object serving the window, if any.
    void* object = nullptr;
    std::map<std::string, HANDLE> props;
    DWORD helpId = 0;

    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
    bool Iconic() const { return (style & WS_MINIMIZE) != 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
};

// A window's place as the system keeps it: positions within -32768 ... 32767 and sizes within
// 0 ... 32767, however large the numbers asked for, so that no edge overflows.
RECT ClampedWindowRect(int x, int y, int width, int height);

} // namespace native
