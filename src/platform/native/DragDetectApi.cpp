// Telling a drag from a click by the mouse input that follows a press.

#include "platform/Win.h"

#include <cstdlib>

BOOL DragDetect(HWND hwnd, POINT point) {
    if (!IsWindow(hwnd) || !ScreenToClient(hwnd, &point)) {
        return FALSE;
    }
    const int dx = GetSystemMetrics(SM_CXDRAG);
    const int dy = GetSystemMetrics(SM_CYDRAG);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.hwnd == hwnd &&
           msg.message >= WM_MOUSEMOVE && msg.message <= WM_RBUTTONDBLCLK) {
        PeekMessageA(&msg, hwnd, msg.message, msg.message, PM_REMOVE);
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP) {
            return FALSE;
        }
        if (msg.message == WM_MOUSEMOVE) {
            int x = static_cast<short>(LOWORD(msg.lParam));
            int y = static_cast<short>(HIWORD(msg.lParam));
            if (std::abs(x - point.x) > dx || std::abs(y - point.y) > dy) {
                return TRUE;
            }
        }
    }
    return FALSE;
}
