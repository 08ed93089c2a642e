#pragma once

#include "InspectorModule.h"
#include "frame/CMainFrame.h"
#include "service/InspectorExports.h"

// The module linked statically, as the desktop would call it.
inline InspectorModule StaticModule() {
    InspectorModule m;
    m.initInspector = initInspector;
    m.openInspector = openInspector;
    m.AlldeleteInspector = AlldeleteInspector;
    m.ActivateInspector = ActivateInspector;
    m.DeactivateInspector = DeactivateInspector;
    m.inspectorUpdateWindow = inspectorUpdateWindow;
    m.inspectorGetInspectorCount = inspectorGetInspectorCount;
    m.inspectorGetInspector = [](int i) -> CFrameWnd* { return inspectorGetInspector(i); };
    m.inspectorChangedPaste = inspectorChangedPaste;
    m.inspectorChangedShow = inspectorChangedShow;
    m.inspectorChangedHide = inspectorChangedHide;
    m.inspectorChangedSize = inspectorChangedSize;
    m.inspectorChangedPosition = inspectorChangedPosition;
    m.inspectorChangedConnect = inspectorChangedConnect;
    m.inspectorChangedSelect = inspectorChangedSelect;
    m.inspectorChangedDelete = inspectorChangedDelete;
    m.inspectorChangedOutput = inspectorChangedOutput;
    m.inspectorChangedSlotValue = inspectorChangedSlotValue;
    m.inspectorChangedOwnname = inspectorChangedOwnname;
    m.inspectorChangedGroup = inspectorChangedGroup;
    m.inspectorChangedLine = inspectorChangedLine;
    m.inspectorChangedLower = inspectorChangedLower;
    m.inspectorChangedRaise = inspectorChangedRaise;
    return m;
}
