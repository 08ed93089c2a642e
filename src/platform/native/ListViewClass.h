#pragma once

#include "platform/native/ClassTable.h"

namespace native {

// The list view's window procedure: decodes the control's messages for its
// ListViewControl, which lives from WM_NCCREATE until the window is gone.
LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers the list view's window class unless it is there already.
void RegisterListViewClass(ClassTable& classes);

} // namespace native
