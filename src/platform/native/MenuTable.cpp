#include "platform/native/MenuTable.h"

namespace native {

namespace {

// Deeper nesting can only come from a popup inserted into itself.
constexpr int maxDepth = 16;

} // namespace

void MenuTable::Add(HMENU handle) {
    menus[handle] = Menu{};
}

MenuTable::Menu* MenuTable::Find(HMENU handle) {
    auto it = menus.find(handle);
    return it == menus.end() ? nullptr : &it->second;
}

bool MenuTable::Destroy(HMENU handle) {
    auto it = menus.find(handle);
    if (it == menus.end()) {
        return false;
    }
    // Erased before its popups, so a popup that holds its own parent cannot loop.
    std::vector<Item> items = std::move(it->second.items);
    menus.erase(it);
    for (const Item& item : items) {
        if (item.popup != nullptr) {
            Destroy(item.popup);
        }
    }
    return true;
}

bool MenuTable::Locate(HMENU menu, UINT item, UINT flags, Location& found) {
    Menu* target = Find(menu);
    if (target == nullptr) {
        return false;
    }
    if ((flags & MF_BYPOSITION) != 0) {
        if (item >= target->items.size()) {
            return false;
        }
        found = {menu, item};
        return true;
    }
    return LocateCommand(menu, item, found, 0);
}

bool MenuTable::LocateCommand(HMENU menu, UINT id, Location& found, int depth) {
    Menu* target = Find(menu);
    if (target == nullptr || depth > maxDepth) {
        return false;
    }
    for (std::size_t i = 0; i < target->items.size(); ++i) {
        const Item& item = target->items[i];
        if (item.popup != nullptr && LocateCommand(item.popup, id, found, depth + 1)) {
            return true;
        }
        if (item.id == id && (item.flags & MF_SEPARATOR) == 0) {
            found = {menu, i};
            return true;
        }
    }
    return false;
}

MenuTable::Item* MenuTable::ItemAt(const Location& location) {
    Menu* menu = Find(location.menu);
    if (menu == nullptr || location.index >= menu->items.size()) {
        return nullptr;
    }
    return &menu->items[location.index];
}

void MenuTable::SetBar(HWND hwnd, HMENU menu) {
    if (menu == nullptr) {
        bars.erase(hwnd);
    } else {
        bars[hwnd] = menu;
    }
}

HMENU MenuTable::Bar(HWND hwnd) const {
    auto it = bars.find(hwnd);
    return it == bars.end() ? nullptr : it->second;
}

int MenuTable::DrawCount(HWND hwnd) const {
    auto it = drawCounts.find(hwnd);
    return it == drawCounts.end() ? 0 : it->second;
}

void MenuTable::ForgetWindow(HWND hwnd) {
    auto it = bars.find(hwnd);
    if (it != bars.end()) {
        HMENU bar = it->second;
        bars.erase(it);
        Destroy(bar);
    }
    drawCounts.erase(hwnd);
}

void MenuTable::Clear() {
    menus.clear();
    bars.clear();
    drawCounts.clear();
}

} // namespace native
