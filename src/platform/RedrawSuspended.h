#pragma once

#include "Win.h"

// Holds a window's painting while many changes reach it (WM_SETREDRAW): the window is
// painted once, whole, when the hold ends, instead of once per change. The real list view
// invalidates every item it changes and scrolls for every change of its item count, each a
// round trip to the window server under Wine. A window without WS_VISIBLE is left alone: ending
// the hold would give it the style.
class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND hwnd);
    ~RedrawSuspended();
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

    // What a window's scroll bars show: whether each is there, its range, page and position.
    struct ScrollBar {
        bool shown = false;
        int min = 0;
        int max = 0;
        int page = 0;
        int position = 0;
        bool operator==(const ScrollBar&) const = default;
    };
    struct ScrollBars {
        ScrollBar horizontal;
        ScrollBar vertical;
        bool operator==(const ScrollBars&) const = default;
    };

private:
    HWND hwnd_;
    ScrollBars bars_;
};

// Each window system's end of a hold: `hwnd`'s painting resumes and the whole window is
// invalidated; `before`, what ScrollBarsOf gave when the hold began, tells whether its scroll
// bars are to be painted again.
namespace redraw {
RedrawSuspended::ScrollBars ScrollBarsOf(HWND hwnd);
void Resume(HWND hwnd, const RedrawSuspended::ScrollBars& before);
} // namespace redraw
