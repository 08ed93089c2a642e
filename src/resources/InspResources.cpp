#include "InspResources.h"

#include "AccelTable.h"
#include "DialogTable.h"
#include "ImageTable.h"
#include "MenuTable.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "platform/CodePage.h"

namespace {

std::string Localized(Language language, const char* english, const char* japanese) {
    const char* text = language == Language::Japanese ? japanese : english;
    return codepage::FromUtf8(text, LanguageCodePage(language));
}

MenuItemTemplate LocalizedItem(Language language, const MenuSource& source) {
    MenuItemTemplate item;
    item.id = source.id;
    item.text = Localized(language, source.english, source.japanese);
    item.flags = source.flags;
    for (const MenuSource& child : source.children)
        item.children.push_back(LocalizedItem(language, child));
    return item;
}

DialogTemplate LocalizedDialog(Language language, const DialogSource& source) {
    DialogTemplate dialog;
    dialog.id = source.id;
    dialog.style = kDialogStyle;
    dialog.cx = source.cx;
    dialog.cy = source.cy;
    dialog.caption = Localized(language, source.english, source.japanese);
    dialog.fontName = Localized(language, "MS Sans Serif", "ＭＳ Ｐゴシック");
    dialog.pointSize = language == Language::Japanese ? 9 : 8;
    // A control's help context is its id.
    for (const DialogItemSource& item : source.items) {
        dialog.items.push_back(
            {item.className, item.id, Localized(language, item.english, item.japanese),
             static_cast<DWORD>(item.style), 0, item.x, item.y, item.cx, item.cy, item.id});
    }
    return dialog;
}

} // namespace

const char* InspResources::FindString(Language language, UINT id) const {
    auto it = strings_.find({language, id});
    if (it == strings_.end()) {
        const StringEntry* entry = FindStringEntry(id);
        if (entry == nullptr)
            return nullptr;
        it = strings_
                 .emplace(Key{language, id}, Localized(language, entry->english, entry->japanese))
                 .first;
    }
    return it->second.c_str();
}

bool InspResources::HasIcon(UINT id) const {
    return FindIconImage(id) != nullptr;
}

const MenuTemplate* InspResources::FindMenu(Language language, UINT id) const {
    auto it = menus_.find({language, id});
    if (it == menus_.end()) {
        const MenuResourceSource* source = FindMenuSource(id);
        if (source == nullptr)
            return nullptr;
        MenuTemplate menu;
        menu.id = id;
        for (const MenuSource& item : source->items)
            menu.items.push_back(LocalizedItem(language, item));
        it = menus_.emplace(Key{language, id}, std::move(menu)).first;
    }
    return &it->second;
}

const AcceleratorTable* InspResources::FindAccelerators(UINT id) const {
    return FindAcceleratorTable(id);
}

const DialogTemplate* InspResources::FindDialog(Language language, UINT id) const {
    auto it = dialogs_.find({language, id});
    if (it == dialogs_.end()) {
        const DialogSource* source = FindDialogSource(id);
        if (source == nullptr)
            return nullptr;
        it = dialogs_.emplace(Key{language, id}, LocalizedDialog(language, *source)).first;
    }
    return &it->second;
}

const ToolbarTemplate* InspResources::FindToolbar(UINT id) const {
    return FindToolbarTemplate(id);
}

const ImageResource* InspResources::FindIcon(Language, UINT id) const {
    return FindIconImage(id);
}

const ImageResource* InspResources::FindBitmap(Language, UINT id) const {
    return FindBitmapImage(id);
}

const InspResources& inspResources() {
    static InspResources resources;
    return resources;
}
