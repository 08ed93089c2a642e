#include "ModuleEntry.h"

#include "ModuleState.h"
#include "platform/CDynLinkLibrary.h"

bool inspModuleAttach(HINSTANCE moduleHandle) {
    ModuleState& state = inspModuleState();
    state.dynLinkLibrary.reset();
    state.moduleHandle = moduleHandle;
    if (!AfxInitExtensionModule(state.extension, state.moduleHandle))
        return false;
    state.dynLinkLibrary = std::make_unique<CDynLinkLibrary>(state.extension);
    return true;
}
