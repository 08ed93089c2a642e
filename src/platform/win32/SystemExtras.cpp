#include "Win32Api.h"

#include "../NativeBackend.h"

namespace {

struct WaitCursor {
    int depth = 0;
    HCURSOR previous = nullptr;
};

constexpr const char* windowObjectProperty = "MvWindowObject";

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

HACCEL LoadAcceleratorsA(HINSTANCE instance, UINT id) {
    if (native::ShouldFail(native::Failure::AcceleratorLoading, std::to_string(id)))
        return nullptr;
    return ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(id));
}

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

// The object rides on the window as a property, so that it goes when the window goes.
void SetWindowObject(HWND hwnd, void* object) {
    if (object != nullptr)
        SetPropA(hwnd, windowObjectProperty, object);
    else
        RemovePropA(hwnd, windowObjectProperty);
}

void* WindowObject(HWND hwnd) {
    return GetPropA(hwnd, windowObjectProperty);
}

} // namespace native
