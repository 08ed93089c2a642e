// Mouse input played by a host or a test.

#include "platform/NativeMenu.h"
#include "platform/native/WindowManager.h"

namespace native {

bool PostMouseInput(HWND hwnd, UINT message, WPARAM keys, POINT point) {
    WindowManager& manager = WindowManager::Instance();
    if (manager.Find(hwnd) == nullptr)
        return false;
    HWND target = hwnd;
    if (manager.capture != nullptr && manager.capture != hwnd) {
        target = manager.capture;
        ClientToScreen(hwnd, &point);
        ScreenToClient(target, &point);
    }
    LPARAM where =
        static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
    return PostMessageA(target, message, keys, where) != FALSE;
}

} // namespace native
