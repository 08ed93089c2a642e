#include "WinMenu.h"
#include "WinResources.h"

namespace {

void Fill(HMENU menu, const std::vector<MenuItemTemplate>& items) {
    for (const MenuItemTemplate& item : items) {
        if (item.IsPopup()) {
            HMENU popup = CreatePopupMenu();
            Fill(popup, item.children);
            AppendMenuA(menu, item.flags, reinterpret_cast<std::uintptr_t>(popup),
                        item.text.c_str());
        } else if (item.IsSeparator()) {
            AppendMenuA(menu, item.flags, 0, nullptr);
        } else {
            AppendMenuA(menu, item.flags, item.id, item.text.c_str());
        }
    }
}

} // namespace

HMENU MenuFromTemplate(const MenuTemplate& source) {
    HMENU menu = CreateMenu();
    Fill(menu, source.items);
    return menu;
}
