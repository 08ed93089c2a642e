#pragma once

// The view's current row and the list's focus: the row whose label the message pane shows,
// kept with the focused item through refills and selections.

class CInspectrView;
struct InspectorRow;

// Shows the row's label in the message pane and makes it the current row.
void SetCurrentRow(CInspectrView& view, InspectorRow* row);
// Moves the list's focus state to the row's item and makes the row current.
void SetFocusRow(CInspectrView& view, InspectorRow* row);
void MakeCurrent(CInspectrView& view, InspectorRow* row);
void MoveFocusAndSelect(CInspectrView& view, InspectorRow* row, bool exclusive);
// After a refill: the focus goes back into the visible part of the list.
void RestoreFocus(CInspectrView& view);
