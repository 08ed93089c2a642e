#pragma once

#include "platform/WinTypes.h"

#include <cstdint>

class CInspectrView;

// Dragging one row onto another row of the same table, which hands both pads to the
// Insert/Replace dialog. The view follows the mouse itself with the image-list drag and the
// capture, and scrolls the list while the cursor stays near its top or bottom edge.

// The list's begin-drag notice (either button) for `item`, pressed at `start`.
void BeginRowDrag(CInspectrView& view, int item, POINT start);
// A right press on a row that the mouse input following it turns into a drag: the drag
// starts as for the begin-drag notice. True when the press was a drag.
bool BeginRightDrag(CInspectrView& view, POINT point);
// A mouse move while a drag is in progress.
void DragMouseMove(CInspectrView& view, POINT point);
// A timer message; false when it is not the drag's scroll timer.
bool DragTimer(CInspectrView& view, std::uintptr_t id);
// A button going up: ends the drag and drops. False when the view was destroyed meanwhile.
bool DropRow(CInspectrView& view, POINT point);
// A button going down: ends a drag in progress without dropping. True when there was one;
// the click then goes no further.
bool CancelRowDrag(CInspectrView& view);
