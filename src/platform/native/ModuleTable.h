#pragma once

#include "platform/ResourceModule.h"

#include <map>
#include <string>
#include <utility>

namespace native {

// Registered resource modules and the icon handles handed out for them.
class ModuleTable {
public:
    void Add(HINSTANCE instance, const std::string& name, const ResourceModule* resources);
    void Remove(HINSTANCE instance);
    const ResourceModule* Resources(HINSTANCE instance) const;
    std::string Name(HINSTANCE instance) const;
    // The module last registered under the name, compared without regard to case.
    HINSTANCE FindByName(const std::string& name) const;
    // The handle already given out for this icon, null when none was.
    HICON FindIcon(HINSTANCE instance, UINT id) const;
    void AddIcon(HINSTANCE instance, UINT id, HICON icon);
    void Clear();

private:
    struct Module {
        std::string name;
        const ResourceModule* resources = nullptr;
    };

    std::map<HINSTANCE, Module> modules;
    std::map<std::pair<HINSTANCE, UINT>, HICON> icons;
};

} // namespace native
