#pragma once

#include "GeometryRules.h"
#include "platform/WinTypes.h"

class CInspectrView;
class CMainFrame;

// The view of an Inspector frame found through its window, so that a dialog's rules never
// reach a frame that closed while the dialog waited. Null when the frame is gone or its
// Inspector is closing and has let go of its pads.
CInspectrView* LiveViewOf(HWND frame);
// The current row tree of the frame's view, null when there is none.
TreeRoot TreeRootOf(CMainFrame& frame);
// The index of the rows of that tree: the view's own, or its source's for a search-results
// view, which follows its source's tree. Null when the frame has no tree.
TreeIndex TreeIndexOf(CMainFrame& frame);
const RowIndex* RowIndexOf(HWND frame);
