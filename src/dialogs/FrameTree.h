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
