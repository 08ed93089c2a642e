#pragma once

#include "platform/WinTypes.h"

class CInspectrView;

// The table's keys, in the manner of a file explorer: the frame's accelerators turn them into
// commands and these move the focus item, the selection, the anchor and the expanded rows, and
// scroll by whole rows.

// Runs key command `id` (Down, Shift+Down, Ctrl+Left, …; anything else does nothing). While
// the view's search-results window is active the command moves in that window's list, where
// Left, Right, their forms and Enter do nothing.
void OnKeyCommand(CInspectrView& view, UINT id);
// Scrolls so that the focus item lies between the top and bottom visible rows; repaints.
void ScrollFocusIntoView(CInspectrView& view);
