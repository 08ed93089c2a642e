#pragma once

#include <string>

class CInspectrView;
class MvSimplePad;
struct InspectorRow;

// Builds the row of `pad` and of its shown descendants under `parentRow` (none: a new
// root). Returns null, building nothing, for a pad without a real, visible view. The new
// row belongs to parentRow's children; a new root belongs to the caller.
InspectorRow* BuildRow(CInspectrView& view, MvSimplePad* pad, InspectorRow* parentRow);
// The desktop row with the rows of every pad on the desktop, topmost first. The caller
// owns it.
InspectorRow* BuildDesktopRow(CInspectrView& view);
// The region of the pad's view, absolute and relative to its parent pad's.
void ReadGeometry(InspectorRow& row, MvSimplePad* pad);
// The label of a pad's row: its own name, with the name of the pad an icon or dynamically
// loaded pad stands for in parentheses.
std::string RowLabel(MvSimplePad* pad);
// The pad an icon or dynamically loaded pad stands for; null for every other pad.
MvSimplePad* StandInOf(MvSimplePad* pad);
// Whether the pad is of a class that stands for another pad (icon and loader pads).
bool IsStandInClass(MvSimplePad* pad);
// 1 when the pad takes part in a connection: to a slot of its parent, through a dependent
// without view shown on it, or through its icon.
int IsConnected(MvSimplePad* pad);
// The same rule after a show or deletion: a dependent counts whether deleted or not, except
// `ignored`.
int IsConnectedApartFrom(MvSimplePad* pad, const MvSimplePad* ignored);
// Whether the pad's connection flag can change through other pads: it has an icon, or its
// model has dependents beside it. Any other pad's flag changes only with its own connection
// or paste, each of which refreshes its row.
bool ConnectionMayChange(MvSimplePad* pad);
