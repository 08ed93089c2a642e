#pragma once

#include "platform/ResourceModule.h"

#include <map>
#include <string>
#include <utility>

// The module's resources in English and Japanese. Texts are kept in UTF-8 in the source
// and handed out in the code page of their language, converted once on first use.
class InspResources : public ResourceModule {
public:
    const char* FindString(Language language, UINT id) const override;
    bool HasIcon(UINT id) const override;
    const MenuTemplate* FindMenu(Language language, UINT id) const override;
    const AcceleratorTable* FindAccelerators(UINT id) const override;
    const DialogTemplate* FindDialog(Language language, UINT id) const override;
    const ToolbarTemplate* FindToolbar(UINT id) const override;
    const ImageResource* FindIcon(Language language, UINT id) const override;
    const ImageResource* FindBitmap(Language language, UINT id) const override;

private:
    using Key = std::pair<Language, UINT>;
    mutable std::map<Key, std::string> strings_;
    mutable std::map<Key, MenuTemplate> menus_;
    mutable std::map<Key, DialogTemplate> dialogs_;
};

const InspResources& inspResources();
