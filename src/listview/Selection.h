#pragma once

class CInspectrView;
struct InspectorRow;

// The list's selected count, not counting the desktop row of a desktop Inspector.
int SelectedCount(const CInspectrView& view);
// Shows the row's label in the message pane and makes it the current row.
void SetCurrentRow(CInspectrView& view, InspectorRow* row);
// Moves the list's focus state to the row's item and makes the row current.
void SetFocusRow(CInspectrView& view, InspectorRow* row);
