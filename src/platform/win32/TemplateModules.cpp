#include "Win32Api.h"
#include "Win32Dialogs.h"

#include "../NativeBackend.h"
#include "../WinResources.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Resource modules a host builds in code (RegisterModule) stand beside the process's real
// ones: their menus, accelerator tables and dialogs are made by the system from the templates
// in memory, as it makes them of a module's resources.

namespace {

struct TemplateModule {
    // What the handle points at: readable and no executable image, so that a system call
    // given the handle for a resource of its own finds none instead of faulting.
    std::array<char, 64> image{};
    std::string name;
    const ResourceModule* resources = nullptr;
    // Loaded once each and destroyed with the module, as a module's resources are.
    std::map<UINT, HACCEL> accelerators;
};

std::vector<std::unique_ptr<TemplateModule>>& Modules() {
    static std::vector<std::unique_ptr<TemplateModule>> modules;
    return modules;
}

TemplateModule* Find(HINSTANCE instance) {
    for (const auto& module : Modules()) {
        if (reinterpret_cast<HINSTANCE>(module->image.data()) == instance)
            return module.get();
    }
    return nullptr;
}

} // namespace

HMENU LoadMenuA(HINSTANCE instance, UINT id) {
    const TemplateModule* module = Find(instance);
    if (module == nullptr)
        return ::LoadMenuA(instance, MAKEINTRESOURCEA(id));
    const MenuTemplate* source = module->resources->FindMenu(native::GetLanguage(), id);
    return source != nullptr ? MenuFromTemplate(*source) : nullptr;
}

HACCEL LoadAcceleratorsA(HINSTANCE instance, UINT id) {
    if (native::ShouldFail(native::Failure::AcceleratorLoading, std::to_string(id)))
        return nullptr;
    TemplateModule* module = Find(instance);
    if (module == nullptr)
        return ::LoadAcceleratorsA(instance, MAKEINTRESOURCEA(id));
    HACCEL& loaded = module->accelerators[id];
    if (loaded == nullptr) {
        const AcceleratorTable* source = module->resources->FindAccelerators(id);
        if (source == nullptr || source->entries.empty())
            return nullptr;
        std::vector<ACCEL> entries = source->entries;
        loaded = CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
    }
    return loaded;
}

const DialogTemplate* FindDialogResource(HINSTANCE instance, UINT id) {
    if (const TemplateModule* module = Find(instance))
        return module->resources->FindDialog(native::GetLanguage(), id);
    // The real template stays in the module; the framework only needs to know it exists and
    // to name it again when it creates the dialog.
    if (FindResourceA(instance, MAKEINTRESOURCEA(id), RT_DIALOG) == nullptr)
        return nullptr;
    static std::map<UINT, std::unique_ptr<DialogTemplate>> named;
    auto& dialog = named[id];
    if (!dialog) {
        dialog = std::make_unique<DialogTemplate>();
        dialog->id = id;
    }
    return dialog.get();
}

namespace native {

HINSTANCE RegisterModule(const std::string& name, const ResourceModule* resources) {
    auto module = std::make_unique<TemplateModule>();
    module->name = name;
    module->resources = resources;
    auto instance = reinterpret_cast<HINSTANCE>(module->image.data());
    Modules().push_back(std::move(module));
    return instance;
}

void UnregisterModule(HINSTANCE instance) {
    auto& modules = Modules();
    auto it = std::find_if(modules.begin(), modules.end(), [&](const auto& module) {
        return reinterpret_cast<HINSTANCE>(module->image.data()) == instance;
    });
    if (it == modules.end())
        return;
    for (const auto& [id, table] : (*it)->accelerators) {
        if (table != nullptr)
            DestroyAcceleratorTable(table);
    }
    modules.erase(it);
}

const ResourceModule* ModuleResources(HINSTANCE instance) {
    const TemplateModule* module = Find(instance);
    return module != nullptr ? module->resources : nullptr;
}

std::string ModuleName(HINSTANCE instance) {
    const TemplateModule* module = Find(instance);
    return module != nullptr ? module->name : std::string();
}

} // namespace native
