#include "DesktopMouseInput.h"

#include "DesktopMouse.h"
#include "platform/Afx.h"

bool RouteDesktopMouse(DesktopMouse& mouse, HWND window, UINT message, WPARAM keys, LPARAM point) {
    // Client coordinates are the desktop's positions; they are signed 16-bit values.
    int x = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(point)));
    int y = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(point)));
    switch (message) {
    case WM_LBUTTONDOWN:
        mouse.Press(x, y, (keys & MK_CONTROL) != 0);
        return true;
    case WM_MOUSEMOVE:
        if ((keys & MK_LBUTTON) != 0 && mouse.Move(x, y) && GetCapture() != window)
            SetCapture(window);
        return true;
    case WM_LBUTTONUP:
        mouse.Release(x, y);
        if (GetCapture() == window)
            ReleaseCapture();
        return true;
    case WM_LBUTTONDBLCLK:
        mouse.DoubleClick(x, y);
        return true;
    default:
        return false;
    }
}
