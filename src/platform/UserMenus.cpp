// The user's side of menus on either window system: menus read as the user sees them and
// menu-bar choices made by path, through the menu functions alone.

#include "NativeMenu.h"

namespace {

// Deeper nesting can only come from a popup inserted into itself.
constexpr int kMaxDepth = 16;

WPARAM AsWParam(HMENU menu) {
    return reinterpret_cast<WPARAM>(menu);
}

// LOWORD the popup's position in the menu that holds it, HIWORD FALSE: not the system menu.
LPARAM PopupParam(int position) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(position), FALSE));
}

// A popup's state holds its item count in the high byte; its flags are the low byte.
UINT ItemFlags(HMENU menu, int position) {
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return GetSubMenu(menu, position) != nullptr ? state & 0xFF : state;
}

bool Enabled(UINT flags) {
    return (flags & (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string ItemText(HMENU menu, int position) {
    auto item = static_cast<UINT>(position);
    int length = GetMenuStringA(menu, item, nullptr, 0, MF_BYPOSITION);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    length = GetMenuStringA(menu, item, text.data(), length + 1, MF_BYPOSITION);
    text.resize(static_cast<size_t>(length < 0 ? 0 : length));
    return text;
}

std::vector<native::MenuItemInfo> DescribeItems(HMENU menu, int depth);

native::MenuItemInfo Describe(HMENU menu, int position, int depth) {
    native::MenuItemInfo info;
    UINT flags = ItemFlags(menu, position);
    HMENU popup = GetSubMenu(menu, position);
    info.popup = popup != nullptr;
    info.separator = !info.popup && (flags & MF_SEPARATOR) != 0;
    info.id = info.separator || info.popup ? 0 : GetMenuItemID(menu, position);
    info.text = info.separator ? std::string() : ItemText(menu, position);
    info.enabled = Enabled(flags);
    info.checked = (flags & MF_CHECKED) != 0;
    if (info.popup)
        info.children = DescribeItems(popup, depth + 1);
    return info;
}

std::vector<native::MenuItemInfo> DescribeItems(HMENU menu, int depth) {
    std::vector<native::MenuItemInfo> described;
    if (!IsMenu(menu) || depth > kMaxDepth)
        return described;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        described.push_back(Describe(menu, i, depth));
    return described;
}

void InitNested(HWND owner, HMENU menu, int depth) {
    if (depth > kMaxDepth)
        return;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU popup = GetSubMenu(menu, i)) {
            SendMessageA(owner, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(i));
            InitNested(owner, popup, depth + 1);
        }
    }
}

bool Choosable(HMENU menu, UINT id, int depth) {
    if (!IsMenu(menu) || depth > kMaxDepth)
        return false;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        UINT flags = ItemFlags(menu, i);
        if (!Enabled(flags) || (flags & MF_SEPARATOR) != 0)
            continue;
        HMENU popup = GetSubMenu(menu, i);
        if (popup != nullptr ? Choosable(popup, id, depth + 1) : GetMenuItemID(menu, i) == id)
            return true;
    }
    return false;
}

// The position of the first item that reads `text`, -1 when there is none.
int FindByText(HMENU menu, const std::string& text) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if ((ItemFlags(menu, i) & MF_SEPARATOR) == 0 &&
            native::MenuDisplayText(ItemText(menu, i)) == text)
            return i;
    }
    return -1;
}

} // namespace

namespace native {

void InitNestedPopups(HWND owner, HMENU menu) {
    InitNested(owner, menu, 0);
}

bool IsChoosable(HMENU menu, UINT id) {
    return Choosable(menu, id, 0);
}

std::vector<MenuItemInfo> DescribeMenu(HMENU menu) {
    return DescribeItems(menu, 0);
}

std::vector<MenuItemInfo> ReadMenuBar(HWND hwnd) {
    std::vector<MenuItemInfo> described;
    HMENU bar = GetMenu(hwnd);
    if (bar == nullptr)
        return described;
    SendMessageA(hwnd, WM_INITMENU, AsWParam(bar), 0);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if (HMENU popup = GetSubMenu(bar, i)) {
            SendMessageA(hwnd, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(i));
            InitNestedPopups(hwnd, popup);
        }
        if (i < GetMenuItemCount(bar))
            described.push_back(Describe(bar, i, 0));
    }
    return described;
}

std::string MenuDisplayText(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            shown += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '&')
            shown += text[++i];
    }
    return shown;
}

MenuChoice ChooseMenuPath(HWND hwnd, const std::vector<std::string>& path) {
    HMENU menu = GetMenu(hwnd);
    if (menu == nullptr || path.empty())
        return MenuChoice::NotFound;
    if (!IsWindowEnabled(hwnd))
        return MenuChoice::Disabled;
    SendMessageA(hwnd, WM_INITMENU, AsWParam(menu), 0);
    for (std::size_t step = 0; step + 1 < path.size(); ++step) {
        int position = FindByText(menu, path[step]);
        if (position < 0 || GetSubMenu(menu, position) == nullptr)
            return MenuChoice::NotFound;
        if (!Enabled(ItemFlags(menu, position)))
            return MenuChoice::Disabled;
        HMENU popup = GetSubMenu(menu, position);
        SendMessageA(hwnd, WM_INITMENUPOPUP, AsWParam(popup), PopupParam(position));
        if (!IsMenu(popup))
            return MenuChoice::NotFound;
        menu = popup;
    }
    SendMessageA(hwnd, WM_ENTERIDLE, MSGF_MENU, 0);
    int position = FindByText(menu, path.back());
    if (position < 0 || GetSubMenu(menu, position) != nullptr)
        return MenuChoice::NotFound;
    if (!Enabled(ItemFlags(menu, position)))
        return MenuChoice::Disabled;
    UINT id = GetMenuItemID(menu, position);
    SendMessageA(hwnd, WM_COMMAND, MAKELONG(static_cast<WORD>(id), 0), 0);
    return MenuChoice::Chosen;
}

} // namespace native
