#include "Win32Api.h"

#undef DragDetect

BOOL Win32DragDetect(HWND hwnd, POINT point) {
    RECT zone{point.x - GetSystemMetrics(SM_CXDRAG), point.y - GetSystemMetrics(SM_CYDRAG),
              point.x + GetSystemMetrics(SM_CXDRAG) + 1, point.y + GetSystemMetrics(SM_CYDRAG) + 1};
    SetCapture(hwnd);
    BOOL dragged = FALSE;
    for (bool tracking = true; tracking;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
            msg.wParam == VK_ESCAPE) {
            PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
            break;
        }
        if (!PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            tracking = false;
            break;
        case WM_MOUSEMOVE: {
            POINT at{static_cast<short>(LOWORD(msg.lParam)),
                     static_cast<short>(HIWORD(msg.lParam))};
            ClientToScreen(msg.hwnd, &at);
            if (!PtInRect(&zone, at)) {
                dragged = TRUE;
                tracking = false;
            }
            break;
        }
        default:
            break;
        }
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    return dragged;
}
