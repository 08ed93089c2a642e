#pragma once

// The module's entry points, as the desktop host calls them: plain functions with the
// standard calling convention (WINAPI).

#include "InspExport.h"
#include "platform/WinTypes.h"

class CMainFrame;
class MvSimplePad;
class MvSimpleModel;

extern "C" {

MVKINSP_EXPORT void WINAPI initInspector();
MVKINSP_EXPORT int WINAPI openInspector(HWND window, MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI AlldeleteInspector();
MVKINSP_EXPORT void WINAPI ActivateInspector();
MVKINSP_EXPORT void WINAPI DeactivateInspector();
MVKINSP_EXPORT void WINAPI inspectorUpdateWindow();
MVKINSP_EXPORT int WINAPI inspectorGetInspectorCount();
MVKINSP_EXPORT CMainFrame* WINAPI inspectorGetInspector(int index);

MVKINSP_EXPORT void WINAPI inspectorChangedPaste(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedShow(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedHide(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedSize(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedPosition(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedConnect(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedSelect(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedDelete(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedOutput(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedSlotValue(MvSimpleModel* model, int slotIndex);
MVKINSP_EXPORT void WINAPI inspectorChangedOwnname(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedGroup(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedLine(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedLower(MvSimplePad* pad);
MVKINSP_EXPORT void WINAPI inspectorChangedRaise(MvSimplePad* pad);
}
