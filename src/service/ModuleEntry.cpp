#include "ModuleEntry.h"

#include "ModuleState.h"
#include "platform/CDynLinkLibrary.h"
// The loader's part: a native module registers its resources itself.
#include "platform/NativeBackend.h"
#include "resources/InspResources.h"

bool inspModuleAttach() {
    ModuleState& state = inspModuleState();
    state.dynLinkLibrary.reset();
    state.moduleHandle = native::RegisterModule("mvkinsp", &inspResources());
    if (!AfxInitExtensionModule(state.extension, state.moduleHandle))
        return false;
    state.dynLinkLibrary = std::make_unique<CDynLinkLibrary>(state.extension);
    return true;
}

namespace {

// The module stays loaded until the process ends; its state goes with the process.
__attribute__((constructor)) void OnLibraryLoad() {
    inspModuleAttach();
}

} // namespace
