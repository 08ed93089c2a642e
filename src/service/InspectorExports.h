#pragma once

// The module's entry points, as the desktop host calls them.

#include "InspExport.h"
#include "platform/WinTypes.h"

class CMainFrame;
class MvSimplePad;
class MvSimpleModel;

extern "C" {

MVKINSP_EXPORT void initInspector();
MVKINSP_EXPORT int openInspector(HWND window, MvSimplePad* pad);
MVKINSP_EXPORT void AlldeleteInspector();
MVKINSP_EXPORT void ActivateInspector();
MVKINSP_EXPORT void DeactivateInspector();
MVKINSP_EXPORT void inspectorUpdateWindow();
MVKINSP_EXPORT int inspectorGetInspectorCount();
MVKINSP_EXPORT CMainFrame* inspectorGetInspector(int index);

MVKINSP_EXPORT void inspectorChangedPaste(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedShow(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedHide(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedSize(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedPosition(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedConnect(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedSelect(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedDelete(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedOutput(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedSlotValue(MvSimpleModel* model, int slotIndex);
MVKINSP_EXPORT void inspectorChangedOwnname(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedGroup(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedLine(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedLower(MvSimplePad* pad);
MVKINSP_EXPORT void inspectorChangedRaise(MvSimplePad* pad);
}
