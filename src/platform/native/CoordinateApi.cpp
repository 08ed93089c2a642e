#include "platform/native/WindowManager.h"

// Windows of this backend have no non-client area: the client origin is the window's
// top-left corner.

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    RECT rect;
    if (point == nullptr || !GetWindowRect(hwnd, &rect))
        return FALSE;
    point->x -= rect.left;
    point->y -= rect.top;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    RECT rect;
    if (point == nullptr || !GetWindowRect(hwnd, &rect))
        return FALSE;
    point->x += rect.left;
    point->y += rect.top;
    return TRUE;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    RECT client;
    if (!GetClientRect(parent, &client) || point.x < client.left || point.x >= client.right ||
        point.y < client.top || point.y >= client.bottom)
        return nullptr;
    native::WindowManager& manager = native::WindowManager::Instance();
    for (HWND child : manager.ChildrenOf(parent)) {
        const native::Window* window = manager.Find(child);
        if (window == nullptr || ((flags & CWP_SKIPINVISIBLE) && !window->Visible()) ||
            ((flags & CWP_SKIPDISABLED) && !window->Enabled()))
            continue;
        const RECT& r = window->rect;
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
            return child;
    }
    return parent;
}
