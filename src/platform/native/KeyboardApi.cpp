// The keyboard: modifier state and keystrokes played by a host or a test.

#include "platform/WinInput.h"
#include "platform/native/WindowManager.h"

#include <iterator>
#include <utility>

using native::Modifiers;
using native::WindowManager;

namespace {

constexpr WORD keyF10 = 0x79;
constexpr LPARAM altContext = 0x20000000;
constexpr LPARAM releasing = static_cast<LPARAM>(0xC0000000u); // previous state and transition

WindowManager& Manager() {
    return WindowManager::Instance();
}

// The keys of the standard keyboard, scan code set 1.
UINT ScanCodeOf(UINT key) {
    static constexpr char rows[][11] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static constexpr UINT rowStarts[] = {0x10, 0x1E, 0x2C};
    for (size_t row = 0; row < std::size(rows); ++row) {
        for (size_t i = 0; rows[row][i] != '\0'; ++i) {
            if (key == static_cast<UINT>(rows[row][i]))
                return rowStarts[row] + static_cast<UINT>(i);
        }
    }
    if (key >= '1' && key <= '9')
        return 0x02 + (key - '1');
    if (key == '0')
        return 0x0B;
    if (key >= VK_F1 && key <= VK_F1 + 9)
        return 0x3B + (key - VK_F1);
    static constexpr std::pair<UINT, UINT> others[] = {
        {VK_BACK, 0x0E}, {VK_TAB, 0x0F},    {VK_RETURN, 0x1C}, {VK_SHIFT, 0x2A}, {VK_CONTROL, 0x1D},
        {VK_MENU, 0x38}, {VK_ESCAPE, 0x01}, {VK_SPACE, 0x39},  {VK_PRIOR, 0x49}, {VK_NEXT, 0x51},
        {VK_END, 0x4F},  {VK_HOME, 0x47},   {VK_LEFT, 0x4B},   {VK_UP, 0x48},    {VK_RIGHT, 0x4D},
        {VK_DOWN, 0x50}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53}, {VK_APPS, 0x5D},  {VK_F1 + 10, 0x57},
        {VK_F12, 0x58}};
    for (const auto& [virtualKey, scan] : others) {
        if (key == virtualKey)
            return scan;
    }
    return 0;
}

} // namespace

UINT MapVirtualKeyA(UINT code, UINT mapType) {
    return mapType == MAPVK_VK_TO_VSC ? ScanCodeOf(code) : 0;
}

short GetKeyState(int virtualKey) {
    Modifiers now = Manager().keyboard.Current();
    bool down = (virtualKey == VK_SHIFT && now.shift) || (virtualKey == VK_CONTROL && now.ctrl) ||
                (virtualKey == VK_MENU && now.alt);
    return down ? static_cast<short>(0x8000) : 0;
}

namespace native {

void SetHeldModifiers(Modifiers held) {
    Manager().keyboard.SetHeld(held);
}

Modifiers HeldModifiers() {
    return Manager().keyboard.Held();
}

bool PressKey(HWND target, WORD virtualKey, bool shift, bool ctrl, bool alt) {
    WindowManager& manager = Manager();
    if (target == nullptr) {
        target = manager.focus != nullptr ? manager.focus : manager.active;
    }
    if (manager.Find(target) == nullptr) {
        return false;
    }
    // As in Win32, Alt and F10 make system keystrokes.
    bool system = alt || virtualKey == keyF10;
    LPARAM context = alt ? altContext : 0;
    auto scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    manager.keyboard.Posted(target, virtualKey, Modifiers{shift, ctrl, alt});
    PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | scan | context);
    PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                 1 | scan | context | releasing);
    return true;
}

} // namespace native
