#include "../Win.h"

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
