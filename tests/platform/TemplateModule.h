#pragma once

#include "platform/NativeBackend.h"

#include <map>
#include <string>
#include <utility>

namespace native_test {

// A resource module made of templates a test builds: menus per language, accelerator tables,
// dialogs.
class TemplateModule : public ResourceModule {
public:
    const char* FindString(Language, UINT) const override { return nullptr; }
    bool HasIcon(UINT) const override { return false; }
    const MenuTemplate* FindMenu(Language language, UINT id) const override {
        auto it = menus.find({language, id});
        return it == menus.end() ? nullptr : &it->second;
    }
    const AcceleratorTable* FindAccelerators(UINT id) const override {
        auto it = accelerators.find(id);
        return it == accelerators.end() ? nullptr : &it->second;
    }

    const DialogTemplate* FindDialog(Language, UINT id) const override {
        auto it = dialogs.find(id);
        return it == dialogs.end() ? nullptr : &it->second;
    }

    std::map<std::pair<Language, UINT>, MenuTemplate> menus;
    std::map<UINT, AcceleratorTable> accelerators;
    std::map<UINT, DialogTemplate> dialogs;
};

inline MenuItemTemplate Command(UINT id, const char* text, UINT flags = MF_STRING) {
    return {id, text, flags, {}};
}
inline MenuItemTemplate Separator() {
    return {0, "", MF_SEPARATOR, {}};
}
inline MenuItemTemplate Popup(const char* text, std::vector<MenuItemTemplate> items,
                              UINT flags = 0) {
    return {0, text, MF_POPUP | flags, std::move(items)};
}

} // namespace native_test
