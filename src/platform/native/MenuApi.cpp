// Menus: building, changing and reading them, and the menu bars of windows.

#include "platform/NativeBackend.h"
#include "platform/NativeMenu.h"
#include "platform/WinResources.h"
#include "platform/native/WindowManager.h"

#include <algorithm>
#include <cstring>

using native::MenuTable;
using native::WindowManager;

namespace {

// Flags that name the item rather than describe it.
constexpr UINT lookupFlags = MF_BYPOSITION;
constexpr UINT invalidState = 0xFFFFFFFF;

WindowManager& Manager() {
    return WindowManager::Instance();
}

MenuTable& Menus() {
    return Manager().menus;
}

HMENU NewMenu() {
    auto handle = reinterpret_cast<HMENU>(Manager().NewHandleValue());
    Menus().Add(handle);
    return handle;
}

// The item that AppendMenuA and friends describe; false for a popup that is no menu.
bool MakeItem(UINT flags, std::uintptr_t idOrPopup, const char* text, MenuTable::Item& item) {
    item.flags = flags & ~lookupFlags;
    item.id = static_cast<UINT>(idOrPopup);
    if ((flags & MF_POPUP) != 0) {
        item.popup = reinterpret_cast<HMENU>(idOrPopup);
        if (Menus().Find(item.popup) == nullptr) {
            return false;
        }
    }
    if ((flags & MF_SEPARATOR) != 0) {
        item.id = 0;
    } else if (text != nullptr) {
        item.text = text;
    }
    return true;
}

bool Erase(HMENU menu, UINT position, UINT flags, bool destroyPopup) {
    MenuTable::Location found;
    if (!Menus().Locate(menu, position, flags, found)) {
        return false;
    }
    auto& items = Menus().Find(found.menu)->items;
    HMENU popup = items[found.index].popup;
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(found.index));
    if (destroyPopup && popup != nullptr) {
        Menus().Destroy(popup);
    }
    return true;
}

} // namespace

HMENU CreateMenu() {
    return NewMenu();
}

HMENU CreatePopupMenu() {
    return NewMenu();
}

BOOL DestroyMenu(HMENU menu) {
    return Menus().Destroy(menu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU menu) {
    return Menus().Find(menu) != nullptr ? TRUE : FALSE;
}

HMENU native::LoadMenuInLanguage(HINSTANCE module, UINT id, Language language) {
    const ResourceModule* resources = native::ModuleResources(module);
    const MenuTemplate* source = resources != nullptr ? resources->FindMenu(language, id) : nullptr;
    return source != nullptr ? MenuFromTemplate(*source) : nullptr;
}

HMENU LoadMenuA(HINSTANCE instance, UINT id) {
    const MenuTemplate* source = FindMenuResource(instance, id);
    return source != nullptr ? MenuFromTemplate(*source) : nullptr;
}

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text) {
    MenuTable::Menu* target = Menus().Find(menu);
    MenuTable::Item item;
    if (target == nullptr || !MakeItem(flags, idOrPopup, text, item)) {
        return FALSE;
    }
    target->items.push_back(std::move(item));
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup,
                 const char* text) {
    MenuTable::Item item;
    if (Menus().Find(menu) == nullptr || !MakeItem(flags, idOrPopup, text, item)) {
        return FALSE;
    }
    MenuTable::Location at{menu, 0};
    if ((flags & MF_BYPOSITION) != 0) {
        at.index = std::min<std::size_t>(position, Menus().Find(menu)->items.size());
    } else if (!Menus().Locate(menu, position, flags, at)) {
        // The system appends an item placed before a command no popup holds.
        at = {menu, Menus().Find(menu)->items.size()};
    }
    auto& items = Menus().Find(at.menu)->items;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at.index), std::move(item));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup,
                 const char* text) {
    MenuTable::Location found;
    MenuTable::Item item;
    if (!Menus().Locate(menu, position, flags, found) || !MakeItem(flags, idOrPopup, text, item)) {
        return FALSE;
    }
    MenuTable::Item* old = Menus().ItemAt(found);
    HMENU replacedPopup = old->popup != item.popup ? old->popup : nullptr;
    *old = std::move(item);
    if (replacedPopup != nullptr) {
        Menus().Destroy(replacedPopup);
    }
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return Erase(menu, position, flags, true) ? TRUE : FALSE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return Erase(menu, position, flags, false) ? TRUE : FALSE;
}

int GetMenuItemCount(HMENU menu) {
    MenuTable::Menu* target = Menus().Find(menu);
    return target != nullptr ? static_cast<int>(target->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    MenuTable::Location found;
    if (position < 0 || !Menus().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION, found)) {
        return invalidState;
    }
    const MenuTable::Item* item = Menus().ItemAt(found);
    return item->popup != nullptr ? invalidState : item->id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    MenuTable::Location found;
    if (position < 0 || !Menus().Locate(menu, static_cast<UINT>(position), MF_BYPOSITION, found)) {
        return nullptr;
    }
    return Menus().ItemAt(found)->popup;
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int bufferSize, UINT flags) {
    MenuTable::Location found;
    if (!Menus().Locate(menu, item, flags, found)) {
        if (buffer != nullptr && bufferSize > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    const std::string& text = Menus().ItemAt(found)->text;
    if (buffer == nullptr) {
        return static_cast<int>(text.size());
    }
    if (bufferSize <= 0) {
        return 0;
    }
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuTable::Location found;
    if (!Menus().Locate(menu, item, flags, found)) {
        return invalidState;
    }
    const MenuTable::Item* entry = Menus().ItemAt(found);
    if (entry->popup == nullptr) {
        return entry->flags;
    }
    auto count = static_cast<UINT>(Menus().Find(entry->popup)->items.size());
    return (count << 8) | (entry->flags & 0xFF);
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuTable::Location found;
    if (!Menus().Locate(menu, item, enable, found)) {
        return -1;
    }
    MenuTable::Item* entry = Menus().ItemAt(found);
    constexpr UINT mask = MF_GRAYED | MF_DISABLED;
    UINT previous = entry->flags & mask;
    entry->flags = (entry->flags & ~mask) | (enable & mask);
    return static_cast<BOOL>(previous);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    MenuTable::Location found;
    if (!Menus().Locate(menu, item, check, found)) {
        return invalidState;
    }
    MenuTable::Item* entry = Menus().ItemAt(found);
    DWORD previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    native::Window* window = Manager().Find(hwnd);
    if (window == nullptr || window->parent != nullptr ||
        (menu != nullptr && Menus().Find(menu) == nullptr)) {
        return FALSE;
    }
    Menus().SetBar(hwnd, menu);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    if (Manager().Find(hwnd) == nullptr) {
        return nullptr;
    }
    // A child window has no bar: its menu slot is its id, which is what the system answers.
    if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        return reinterpret_cast<HMENU>(GetWindowLongPtrA(hwnd, GWLP_ID));
    }
    return Menus().Bar(hwnd);
}

BOOL DrawMenuBar(HWND hwnd) {
    if (Manager().Find(hwnd) == nullptr) {
        return FALSE;
    }
    Menus().CountDraw(hwnd);
    return TRUE;
}

namespace native {

int MenuBarDrawCount(HWND hwnd) {
    return Menus().DrawCount(hwnd);
}

} // namespace native
