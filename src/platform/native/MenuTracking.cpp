// The user's side of menus: popup menus answered by the host's handler, menu-bar choices made
// by path, and menus read as the user would see them.

#include "platform/native/WindowManager.h"

using native::MenuChoice;
using native::MenuItemInfo;
using native::MenuTable;
using native::WindowManager;

namespace {

// Deeper nesting can only come from a popup inserted into itself.
constexpr int maxDepth = 16;

WindowManager& Manager() {
    return WindowManager::Instance();
}

WPARAM AsWParam(HMENU menu) {
    return reinterpret_cast<WPARAM>(menu);
}

// LOWORD the popup's position in the menu that holds it, HIWORD FALSE: not the system menu.
LPARAM PopupParam(int position) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(position), FALSE));
}

// WM_INITMENUPOPUP for every popup nested in `menu`, each one before the popups inside it.
// Positions are read again after each message, as a handler may change the menu.
void InitNestedPopups(HWND owner, HMENU menu, int depth) {
    if (depth > maxDepth) {
        return;
    }
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU popup = GetSubMenu(menu, i);
        if (popup != nullptr) {
            SendMessageA(owner, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(i));
            InitNestedPopups(owner, popup, depth + 1);
        }
    }
}

MenuItemInfo Describe(const MenuTable::Item& item, int depth);

std::vector<MenuItemInfo> DescribeItems(HMENU menu, int depth) {
    std::vector<MenuItemInfo> described;
    MenuTable::Menu* found = Manager().menus.Find(menu);
    if (found == nullptr || depth > maxDepth) {
        return described;
    }
    for (const MenuTable::Item& item : found->items) {
        described.push_back(Describe(item, depth));
    }
    return described;
}

MenuItemInfo Describe(const MenuTable::Item& item, int depth) {
    MenuItemInfo info;
    info.separator = (item.flags & MF_SEPARATOR) != 0;
    info.popup = item.popup != nullptr;
    info.id = info.separator || info.popup ? 0 : item.id;
    info.text = item.text;
    info.enabled = item.Enabled();
    info.checked = (item.flags & MF_CHECKED) != 0;
    if (info.popup) {
        info.children = DescribeItems(item.popup, depth + 1);
    }
    return info;
}

// Whether `id` is an enabled command reached through enabled popups only.
bool Choosable(HMENU menu, UINT id, int depth) {
    MenuTable::Menu* found = Manager().menus.Find(menu);
    if (found == nullptr || depth > maxDepth) {
        return false;
    }
    for (const MenuTable::Item& item : found->items) {
        if (!item.Enabled() || (item.flags & MF_SEPARATOR) != 0) {
            continue;
        }
        if (item.popup != nullptr ? Choosable(item.popup, id, depth + 1) : item.id == id) {
            return true;
        }
    }
    return false;
}

// The position of the first item that reads `text`, -1 when there is none.
int FindByText(HMENU menu, const std::string& text) {
    MenuTable::Menu* found = Manager().menus.Find(menu);
    if (found == nullptr) {
        return -1;
    }
    for (std::size_t i = 0; i < found->items.size(); ++i) {
        const MenuTable::Item& item = found->items[i];
        if ((item.flags & MF_SEPARATOR) == 0 && native::MenuDisplayText(item.text) == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!IsMenu(menu) || !IsWindow(owner)) {
        return FALSE;
    }
    bool notify = (flags & TPM_NONOTIFY) == 0;
    if (notify) {
        SendMessageA(owner, WM_INITMENU, AsWParam(menu), 0);
        SendMessageA(owner, WM_INITMENUPOPUP, AsWParam(menu), PopupParam(0));
        InitNestedPopups(owner, menu, 0);
        SendMessageA(owner, WM_ENTERIDLE, MSGF_MENU, 0);
    }
    auto handler = Manager().popupMenuHandler;
    UINT chosen = handler && IsMenu(menu) ? handler(menu, owner, POINT{x, y}) : 0;
    if (chosen == 0 || !Choosable(menu, chosen, 0)) {
        return 0;
    }
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<BOOL>(chosen);
    }
    if (notify) {
        PostMessageA(owner, WM_COMMAND, chosen, 0);
    }
    return TRUE;
}

namespace native {

void SetPopupMenuHandler(PopupMenuHandler handler) {
    Manager().popupMenuHandler = std::move(handler);
}

std::vector<MenuItemInfo> DescribeMenu(HMENU menu) {
    return DescribeItems(menu, 0);
}

std::vector<MenuItemInfo> ReadMenuBar(HWND hwnd) {
    std::vector<MenuItemInfo> described;
    HMENU bar = GetMenu(hwnd);
    if (bar == nullptr) {
        return described;
    }
    SendMessageA(hwnd, WM_INITMENU, AsWParam(bar), 0);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if (HMENU popup = GetSubMenu(bar, i)) {
            SendMessageA(hwnd, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(i));
            InitNestedPopups(hwnd, popup, 0);
        }
        MenuTable::Location at{bar, static_cast<std::size_t>(i)};
        if (const MenuTable::Item* item = Manager().menus.ItemAt(at)) {
            described.push_back(Describe(*item, 0));
        }
    }
    return described;
}

std::string MenuDisplayText(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            shown += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            shown += '&';
            ++i;
        }
    }
    return shown;
}

MenuChoice ChooseMenuPath(HWND hwnd, const std::vector<std::string>& path) {
    HMENU menu = GetMenu(hwnd);
    if (menu == nullptr || path.empty()) {
        return MenuChoice::NotFound;
    }
    if (!IsWindowEnabled(hwnd)) {
        return MenuChoice::Disabled;
    }
    SendMessageA(hwnd, WM_INITMENU, AsWParam(menu), 0);
    for (std::size_t step = 0; step + 1 < path.size(); ++step) {
        int position = FindByText(menu, path[step]);
        if (position < 0 || GetSubMenu(menu, position) == nullptr) {
            return MenuChoice::NotFound;
        }
        if ((GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) &
             (MF_GRAYED | MF_DISABLED)) != 0) {
            return MenuChoice::Disabled;
        }
        HMENU popup = GetSubMenu(menu, position);
        SendMessageA(hwnd, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(position));
        if (!IsMenu(popup)) {
            return MenuChoice::NotFound;
        }
        menu = popup;
    }
    SendMessageA(hwnd, WM_ENTERIDLE, MSGF_MENU, 0);
    int position = FindByText(menu, path.back());
    if (position < 0 || GetSubMenu(menu, position) != nullptr) {
        return MenuChoice::NotFound;
    }
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if ((state & (MF_GRAYED | MF_DISABLED)) != 0) {
        return MenuChoice::Disabled;
    }
    UINT id = GetMenuItemID(menu, position);
    SendMessageA(hwnd, WM_COMMAND, MAKELONG(static_cast<WORD>(id), 0), 0);
    return MenuChoice::Chosen;
}

} // namespace native
