#include "../RedrawSuspended.h"

namespace redraw {

namespace {

RedrawSuspended::ScrollBar ScrollBarOf(HWND hwnd, int bar, bool shown) {
    RedrawSuspended::ScrollBar seen;
    seen.shown = shown;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (::GetScrollInfo(hwnd, bar, &info)) {
        seen.min = info.nMin;
        seen.max = info.nMax;
        seen.page = static_cast<int>(info.nPage);
        seen.position = info.nPos;
    }
    return seen;
}

} // namespace

RedrawSuspended::ScrollBars ScrollBarsOf(HWND hwnd) {
    LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    return {ScrollBarOf(hwnd, SB_HORZ, (style & WS_HSCROLL) != 0),
            ScrollBarOf(hwnd, SB_VERT, (style & WS_VSCROLL) != 0)};
}

void Resume(HWND hwnd, const RedrawSuspended::ScrollBars& before) {
    // Resuming its painting, the system's list view sets its scroll bars again, and each
    // setting draws its bar at once, changed or not: four drawings of several ms each under
    // Wine. Its top-level window is marked hidden for that moment, so that they go nowhere;
    // the bars, and the header a horizontal scroll moves, are painted with the rest of the
    // window when they changed.
    HWND top = ::GetAncestor(hwnd, GA_ROOT);
    LONG_PTR topStyle = top != nullptr && top != hwnd ? ::GetWindowLongPtrA(top, GWL_STYLE) : 0;
    bool quiet = (topStyle & WS_VISIBLE) != 0;
    if (quiet)
        ::SetWindowLongPtrA(top, GWL_STYLE, topStyle & ~static_cast<LONG_PTR>(WS_VISIBLE));
    ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    if (quiet)
        ::SetWindowLongPtrA(top, GWL_STYLE, ::GetWindowLongPtrA(top, GWL_STYLE) | WS_VISIBLE);
    UINT flags = RDW_INVALIDATE | RDW_ERASE;
    if (quiet && !(ScrollBarsOf(hwnd) == before))
        flags |= RDW_FRAME | RDW_ALLCHILDREN;
    ::RedrawWindow(hwnd, nullptr, nullptr, flags);
}

} // namespace redraw
