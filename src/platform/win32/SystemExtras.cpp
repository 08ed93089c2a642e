#include "Win32Api.h"

#include "../NativeBackend.h"
#include "WindowHooks.h"

#include <unordered_map>

namespace {

struct WaitCursor {
    int depth = 0;
    HCURSOR previous = nullptr;
};

// The framework's object of each window of the thread. Kept in the process rather than as a
// window property: the framework looks it up for every message, and under Wine GetPropA asks
// the window server. An entry goes after the window's WM_NCDESTROY, or at the latest when its
// handle is given to a new window (both seen by the thread's hooks).
std::unordered_map<HWND, void*>& Objects() {
    static std::unordered_map<HWND, void*> objects;
    return objects;
}

WaitCursor& Wait() {
    static WaitCursor wait;
    return wait;
}

// The common controls' classes are there from the start, as in the native window system.
const bool commonControls = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    return InitCommonControlsEx(&init) != FALSE;
}();

} // namespace

BOOL GetBrushColor(HBRUSH brush, COLORREF* color) {
    LOGBRUSH logBrush{};
    if (brush == nullptr || GetObjectA(brush, sizeof logBrush, &logBrush) != sizeof logBrush)
        return FALSE;
    *color = logBrush.lbColor;
    return TRUE;
}

namespace native {

int WaitCursorDepth() {
    return Wait().depth;
}

void AdjustWaitCursor(int delta) {
    WaitCursor& wait = Wait();
    int before = wait.depth;
    wait.depth = before + delta < 0 ? 0 : before + delta;
    if (before == 0 && wait.depth > 0)
        wait.previous = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    else if (before > 0 && wait.depth == 0)
        SetCursor(wait.previous);
}

void SetWindowObject(HWND hwnd, void* object) {
    // The object is forgotten after the window's WM_NCDESTROY, which its subclass sees.
    win32::EnsureWatched(hwnd);
    if (object == nullptr || !IsWindow(hwnd))
        Objects().erase(hwnd);
    else
        Objects()[hwnd] = object;
}

void* WindowObject(HWND hwnd) {
    auto& objects = Objects();
    auto it = objects.find(hwnd);
    return it == objects.end() ? nullptr : it->second;
}

} // namespace native

namespace win32 {

void ForgetWindowObject(HWND hwnd) {
    Objects().erase(hwnd);
}

} // namespace win32
