#include "InspectorModule.h"

#ifdef _WIN32
#include "platform/WinTypes.h"
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
using Library = HMODULE;

Library Open(const std::string& path, std::string& error) {
    Library library = LoadLibraryA(path.c_str());
    if (library == nullptr)
        error = "cannot load " + path + ": error " + std::to_string(GetLastError());
    return library;
}

void* Symbol(Library library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
#else
using Library = void*;

Library Open(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        error = "cannot load " + path + ": " + (why ? why : "unknown error");
    }
    return library;
}

void* Symbol(Library library, const char* name) {
    return dlsym(library, name);
}
#endif

template <typename F> bool Resolve(Library library, const char* name, F& slot, std::string& error) {
    void* symbol = Symbol(library, name);
    if (symbol == nullptr) {
        error = std::string("entry point ") + name + " not found";
        return false;
    }
    slot = reinterpret_cast<F>(symbol);
    return true;
}

} // namespace

bool InspectorModule::Load(const std::string& path, std::string& error) {
    Library library = Open(path, error);
    if (library == nullptr)
        return false;
#define MV_RESOLVE(name)                                                                           \
    if (!Resolve(library, #name, name, error))                                                     \
        return false;
    MV_RESOLVE(initInspector)
    MV_RESOLVE(openInspector)
    MV_RESOLVE(AlldeleteInspector)
    MV_RESOLVE(ActivateInspector)
    MV_RESOLVE(DeactivateInspector)
    MV_RESOLVE(inspectorUpdateWindow)
    MV_RESOLVE(inspectorGetInspectorCount)
    MV_RESOLVE(inspectorGetInspector)
    MV_RESOLVE(inspectorChangedPaste)
    MV_RESOLVE(inspectorChangedShow)
    MV_RESOLVE(inspectorChangedHide)
    MV_RESOLVE(inspectorChangedSize)
    MV_RESOLVE(inspectorChangedPosition)
    MV_RESOLVE(inspectorChangedConnect)
    MV_RESOLVE(inspectorChangedSelect)
    MV_RESOLVE(inspectorChangedDelete)
    MV_RESOLVE(inspectorChangedOutput)
    MV_RESOLVE(inspectorChangedSlotValue)
    MV_RESOLVE(inspectorChangedOwnname)
    MV_RESOLVE(inspectorChangedGroup)
    MV_RESOLVE(inspectorChangedLine)
    MV_RESOLVE(inspectorChangedLower)
    MV_RESOLVE(inspectorChangedRaise)
#undef MV_RESOLVE
    return true;
}

bool InspectorModule::Complete() const {
    return initInspector && openInspector && AlldeleteInspector && ActivateInspector &&
           DeactivateInspector && inspectorUpdateWindow && inspectorGetInspectorCount &&
           inspectorGetInspector && inspectorChangedPaste && inspectorChangedShow &&
           inspectorChangedHide && inspectorChangedSize && inspectorChangedPosition &&
           inspectorChangedConnect && inspectorChangedSelect && inspectorChangedDelete &&
           inspectorChangedOutput && inspectorChangedSlotValue && inspectorChangedOwnname &&
           inspectorChangedGroup && inspectorChangedLine && inspectorChangedLower &&
           inspectorChangedRaise;
}
