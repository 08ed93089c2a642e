// Accelerator tables and the translation of keystrokes into commands.

#include "platform/WinInput.h"
#include "platform/WinResources.h"
#include "platform/native/WindowManager.h"

using native::AcceleratorStore;
using native::WindowManager;

namespace {

constexpr BYTE modifierFlags = FSHIFT | FCONTROL | FALT;
// Deeper nesting can only come from a popup inserted into itself.
constexpr int maxDepth = 16;

WindowManager& Manager() {
    return WindowManager::Instance();
}

AcceleratorStore& Store() {
    return Manager().accelerators;
}

HACCEL NewTable(std::vector<ACCEL> entries, bool owned) {
    auto handle = reinterpret_cast<HACCEL>(Manager().NewHandleValue());
    Store().Add(handle, std::move(entries), owned);
    return handle;
}

BYTE ModifiersDown() {
    BYTE down = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        down |= FSHIFT;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        down |= FCONTROL;
    }
    if (GetKeyState(VK_MENU) < 0) {
        down |= FALT;
    }
    return down;
}

// Character entries never match: the one WM_CHAR a keystroke makes here is Space's, and the
// tables name keys only.
const ACCEL* Match(const std::vector<ACCEL>& entries, WPARAM key) {
    BYTE down = ModifiersDown();
    for (const ACCEL& entry : entries) {
        if ((entry.fVirt & FVIRTKEY) != 0 && entry.key == key &&
            (entry.fVirt & modifierFlags) == down) {
            return &entry;
        }
    }
    return nullptr;
}

// The popup of `menu` (or a popup inside it) that holds the command, with its position in
// the menu that holds the popup; `popup` stays null for an item of the bar itself.
bool FindHolder(HMENU menu, UINT id, HMENU& popup, int& position, int depth) {
    if (depth > maxDepth) {
        return false;
    }
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (sub == nullptr) {
            if (GetMenuItemID(menu, i) == id) {
                return true;
            }
            continue;
        }
        if (FindHolder(sub, id, popup, position, depth + 1)) {
            if (popup == nullptr) {
                popup = sub;
                position = i;
            }
            return true;
        }
    }
    return false;
}

// Whether a command that is an item of the window's menu bar may run, after the menu had its
// chance to update the item. Commands outside the menu always run.
bool MenuAllows(HWND hwnd, UINT id) {
    HMENU bar = GetMenu(hwnd);
    HMENU popup = nullptr;
    int position = 0;
    if (bar == nullptr || !FindHolder(bar, id, popup, position, 0)) {
        return true;
    }
    if (GetCapture() != nullptr || !IsWindowEnabled(hwnd)) {
        return false;
    }
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    if (popup != nullptr) {
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                     static_cast<LPARAM>(MAKELONG(static_cast<WORD>(position), FALSE)));
    }
    UINT state = GetMenuState(GetMenu(hwnd), id, MF_BYCOMMAND);
    if (state == 0xFFFFFFFF) {
        return true; // the update took the item away
    }
    return !IsIconic(hwnd) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

} // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, UINT id) {
    if (native::ShouldFail(native::Failure::AcceleratorLoading, std::to_string(id))) {
        return nullptr;
    }
    if (HACCEL loaded = Store().Loaded(instance, id)) {
        return loaded;
    }
    const AcceleratorTable* source = FindAcceleratorResource(instance, id);
    if (source == nullptr) {
        return nullptr;
    }
    HACCEL table = NewTable(source->entries, false);
    Store().RememberLoaded(instance, id, table);
    return table;
}

HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count) {
    if (entries == nullptr || count <= 0) {
        return nullptr;
    }
    return NewTable(std::vector<ACCEL>(entries, entries + count), true);
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    return Store().Destroy(table) ? TRUE : FALSE;
}

int TranslateAcceleratorA(HWND hwnd, HACCEL table, MSG* msg) {
    const std::vector<ACCEL>* entries = Store().Find(table);
    if (entries == nullptr || msg == nullptr || !IsWindow(hwnd) ||
        (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return 0;
    }
    const ACCEL* entry = Match(*entries, msg->wParam);
    if (entry == nullptr) {
        return 0;
    }
    UINT id = entry->cmd;
    if (MenuAllows(hwnd, id)) {
        SendMessageA(hwnd, WM_COMMAND, MAKELONG(static_cast<WORD>(id), 1), 0);
    }
    return 1;
}
