#include "platform/native/ModuleTable.h"

#include <strings.h>

namespace native {

void ModuleTable::Add(HINSTANCE instance, const std::string& name,
                      const ResourceModule* resources) {
    modules[instance] = Module{name, resources};
}

void ModuleTable::Remove(HINSTANCE instance) {
    modules.erase(instance);
    std::erase_if(icons, [&](const auto& entry) { return entry.first.first == instance; });
}

const ResourceModule* ModuleTable::Resources(HINSTANCE instance) const {
    auto it = modules.find(instance);
    return it == modules.end() ? nullptr : it->second.resources;
}

std::string ModuleTable::Name(HINSTANCE instance) const {
    auto it = modules.find(instance);
    return it == modules.end() ? std::string() : it->second.name;
}

HINSTANCE ModuleTable::FindByName(const std::string& name) const {
    HINSTANCE found = nullptr;
    for (const auto& [instance, module] : modules) {
        if (strcasecmp(module.name.c_str(), name.c_str()) == 0) {
            found = instance;
        }
    }
    return found;
}

HICON ModuleTable::FindIcon(HINSTANCE instance, UINT id) const {
    auto it = icons.find({instance, id});
    return it == icons.end() ? nullptr : it->second;
}

void ModuleTable::AddIcon(HINSTANCE instance, UINT id, HICON icon) {
    icons[{instance, id}] = icon;
}

void ModuleTable::Clear() {
    modules.clear();
    icons.clear();
}

} // namespace native
