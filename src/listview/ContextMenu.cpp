#include "ContextMenu.h"

#include "CInspectrView.h"

void ShowContextMenu(CInspectrView&, POINT) {}
