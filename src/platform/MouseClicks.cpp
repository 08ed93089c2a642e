#include "NativeInput.h"

namespace native {

bool ClickWindow(HWND hwnd, POINT point, MouseButton button, bool doubleClick) {
    if (!ReachedByMouse(hwnd))
        return false;
    bool left = button == MouseButton::Left;
    UINT down = left ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                     : (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
    PostMouseInput(hwnd, down, left ? MK_LBUTTON : MK_RBUTTON, point);
    PostMouseInput(hwnd, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, point);
    return true;
}

} // namespace native
