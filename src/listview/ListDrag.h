#pragma once

#include "platform/CommCtrl.h"

#include <cstdint>

// A row being dragged in an Inspector's table. Indexes are list items, -1 for none.
struct ListDrag {
    int dragging = 0;
    int dragSource = -1;
    // The last item under the cursor; the drop goes there.
    int dragOver = -1;
    // The item shown as a valid target.
    int dropHighlight = -1;
    HIMAGELIST dragImage = nullptr;
    // Cursor minus the image's upper-left corner at the start.
    POINT dragOffset{};
    // Cursor minus the item's position, plus the list's view origin.
    POINT hotSpot{};
    POINT lastImagePos{};
    // The framework's timer state before the drag stopped it.
    char savedTimerState = 0;
    std::uintptr_t scrollTimer = 0;
    // +1 scrolling up, -1 down, 0 not scrolling.
    int scrollDirection = 0;
};
