#include "../RedrawSuspended.h"

#include <initializer_list>

namespace redraw {

RedrawSuspended::ScrollBars ScrollBarsOf(HWND hwnd) {
    RedrawSuspended::ScrollBars bars;
    LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    int at = 0;
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        bars.values[at++] = (style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
        if (::GetScrollInfo(hwnd, bar, &info)) {
            bars.values[at] = info.nMin;
            bars.values[at + 1] = info.nMax;
            bars.values[at + 2] = static_cast<int>(info.nPage);
            bars.values[at + 3] = info.nPos;
        }
        at += 4;
    }
    return bars;
}

void Resume(HWND hwnd, const RedrawSuspended::ScrollBars& before) {
    // Resuming its painting, the system's list view sets its scroll bars again, and each
    // setting draws its bar at once, changed or not: four drawings of several ms each under
    // Wine. Its top-level window is marked hidden for that moment, so that they go nowhere;
    // the bars, and the header a horizontal scroll moves, are painted with the rest of the
    // window when they changed.
    HWND top = ::GetAncestor(hwnd, GA_ROOT);
    bool quiet =
        top != nullptr && top != hwnd && (::GetWindowLongPtrA(top, GWL_STYLE) & WS_VISIBLE) != 0;
    if (quiet)
        ::SetWindowLongPtrA(top, GWL_STYLE, ::GetWindowLongPtrA(top, GWL_STYLE) & ~WS_VISIBLE);
    ::SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    if (quiet)
        ::SetWindowLongPtrA(top, GWL_STYLE, ::GetWindowLongPtrA(top, GWL_STYLE) | WS_VISIBLE);
    UINT flags = RDW_INVALIDATE | RDW_ERASE;
    if (quiet && !(ScrollBarsOf(hwnd) == before))
        flags |= RDW_FRAME | RDW_ALLCHILDREN;
    ::RedrawWindow(hwnd, nullptr, nullptr, flags);
}

} // namespace redraw
