#pragma once

class CInspectrView;

// Rebuilding an Inspector's tree. Each follows one pattern: remember the selection,
// replace the tree, refill the list, reselect, put the focus back, show the counts.

void Update(CInspectrView& view);
void ToggleAutoUpdate(CInspectrView& view);
void ToggleNestedLabels(CInspectrView& view);
// The Inspector moves up to the parent of its top pad, or to the desktop.
void GoToParent(CInspectrView& view);
bool CanGoToParent(const CInspectrView& view);
void RebuildAfterDelete(CInspectrView& view);
// Writes the view's column set into the control and refills it.
void ApplyColumnSet(CInspectrView& view);
