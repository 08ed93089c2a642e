#include "ModuleEntry.h"

// The loader's part: a native module registers its resources itself.
#include "platform/NativeBackend.h"
#include "resources/InspResources.h"

bool inspModuleAttach() {
    return inspModuleAttach(native::RegisterModule("mvkinsp", &inspResources()));
}

namespace {

// The module stays loaded until the process ends; its state goes with the process.
__attribute__((constructor)) void OnLibraryLoad() {
    inspModuleAttach();
}

} // namespace
