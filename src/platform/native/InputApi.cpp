// The user's mouse and typing, played by a host or a test.

#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "platform/native/WindowManager.h"

using native::Window;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

bool ReachedByMouse(HWND hwnd) {
    for (Window* window = Manager().Find(hwnd); window != nullptr;
         window = Manager().Find(window->parent)) {
        if (!window->Visible() || !window->Enabled()) {
            return false;
        }
    }
    return Manager().Find(hwnd) != nullptr;
}

} // namespace

namespace native {

bool ClickWindow(HWND hwnd, POINT point, MouseButton button, bool doubleClick) {
    if (!ReachedByMouse(hwnd)) {
        return false;
    }
    POINT screen = point;
    ClientToScreen(hwnd, &screen);
    Manager().cursor = screen;
    bool left = button == MouseButton::Left;
    UINT down = left ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                     : (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN);
    LPARAM where =
        static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
    PostMessageA(hwnd, down, left ? MK_LBUTTON : MK_RBUTTON, where);
    PostMessageA(hwnd, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, where);
    return true;
}

bool TypeText(HWND hwnd, const std::string& text) {
    if (Manager().Find(hwnd) == nullptr) {
        return false;
    }
    for (char c : text) {
        if (c == '\n') {
            PressKey(hwnd, VK_RETURN, false, false, false);
        } else if (c != '\r') {
            PostMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
    return true;
}

bool PressHelpButton(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || window->parent != nullptr ||
        (window->exStyle & WS_EX_CONTEXTHELP) == 0 || !window->Enabled()) {
        return false;
    }
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    return true;
}

} // namespace native
