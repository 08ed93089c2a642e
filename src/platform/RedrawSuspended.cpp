#include "RedrawSuspended.h"

namespace {

bool HasVisibleStyle(HWND hwnd) {
    return hwnd != nullptr && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace

RedrawSuspended::RedrawSuspended(HWND hwnd) : hwnd_(HasVisibleStyle(hwnd) ? hwnd : nullptr) {
    if (hwnd_ == nullptr)
        return;
    bars_ = redraw::ScrollBarsOf(hwnd_);
    ::SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
}

RedrawSuspended::~RedrawSuspended() {
    // The window may have gone while its painting was held.
    if (hwnd_ == nullptr || !::IsWindow(hwnd_))
        return;
    redraw::Resume(hwnd_, bars_);
}
