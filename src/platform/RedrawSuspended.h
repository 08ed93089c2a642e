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

private:
    HWND hwnd_;
};
