#pragma once

#include "platform/WinTypes.h"

#include <functional>

class CInspectrView;
struct InspectorRow;

// What the mouse does in an Inspector's table. Each returns true when the control's own
// handling of the message is still to run.
bool OnLeftButtonDown(CInspectrView& view, UINT flags, POINT point);
// The release of the left button; `release` lets the control take it.
void OnLeftButtonUp(CInspectrView& view, const std::function<void()>& release);
void OnLeftDoubleClick(CInspectrView& view, POINT point);
void OnRightButtonDown(CInspectrView& view, UINT flags, POINT point);
// Collapses the row's children when the first is shown, else expands them.
void ToggleChildren(CInspectrView& view, InspectorRow& row);
// The row under a client point, or null.
InspectorRow* RowAtPoint(const CInspectrView& view, POINT point);
