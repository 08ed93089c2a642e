#include "ModuleState.h"

#include "platform/CDynLinkLibrary.h"

ModuleState& inspModuleState() {
    static ModuleState state;
    return state;
}

void inspectorRemoveFrame(CMainFrame* frame) {
    inspModuleState().registry.Remove(frame);
}
