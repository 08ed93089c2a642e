// The user's mouse and typing, played by a host or a test.

#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "platform/native/WindowManager.h"

using native::Window;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

} // namespace

namespace native {

bool PostMouseInput(HWND hwnd, UINT message, WPARAM keys, POINT point) {
    WindowManager& manager = Manager();
    if (manager.Find(hwnd) == nullptr) {
        return false;
    }
    ClientToScreen(hwnd, &point);
    manager.cursor = point;
    HWND target = manager.capture != nullptr ? manager.capture : hwnd;
    ScreenToClient(target, &point);
    LPARAM where =
        static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
    return PostMessageA(target, message, keys, where) != FALSE;
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

bool HelpButtonRect(HWND hwnd, RECT& rect) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || window->parent != nullptr ||
        (window->exStyle & WS_EX_CONTEXTHELP) == 0)
        return false;
    // The caption's buttons sit in its top-right corner inside the frame, the help button
    // left of the close button.
    const Metrics& metrics = GetMetrics();
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    int right = frame.right - metrics.frame - metrics.captionButton;
    rect = RECT{right - metrics.captionButton, frame.top + metrics.frame, right,
                frame.top + metrics.frame + metrics.captionButton};
    return true;
}

} // namespace native
