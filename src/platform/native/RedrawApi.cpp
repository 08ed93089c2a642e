#include "../RedrawSuspended.h"

// The native list paints nothing while its painting resumes: it is simply invalidated.
namespace redraw {

RedrawSuspended::ScrollBars ScrollBarsOf(HWND) {
    return {};
}

void Resume(HWND hwnd, const RedrawSuspended::ScrollBars&) {
    ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

} // namespace redraw
