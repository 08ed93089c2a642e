#include "ModuleEntry.h"

// The library entry of the DLL: on process attach the module joins the framework with its
// own instance handle, where its resources are; when that fails, LoadLibrary fails. Every
// other notification succeeds and does nothing.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH)
        return inspModuleAttach(instance) ? TRUE : FALSE;
    return TRUE;
}
