#pragma once

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
