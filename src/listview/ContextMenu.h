#pragma once

#include "platform/WinTypes.h"

class CInspectrView;

// Opens the Inspector's context menu at a client point of the view; its commands go to the
// frame. (-1, -1), from the keyboard, means the point (4, 4).
void ShowContextMenu(CInspectrView& view, POINT point);
