// The keyboard: modifier state and keystrokes played by a host or a test.

#include "platform/WinInput.h"
#include "platform/native/WindowManager.h"

using native::Modifiers;
using native::WindowManager;

namespace {

constexpr WORD keyF10 = 0x79;
constexpr LPARAM altContext = 0x20000000;
constexpr LPARAM releasing = static_cast<LPARAM>(0xC0000000u); // previous state and transition

WindowManager& Manager() {
    return WindowManager::Instance();
}

} // namespace

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
    manager.keyboard.Posted(target, virtualKey, Modifiers{shift, ctrl, alt});
    PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | context);
    PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, 1 | context | releasing);
    return true;
}

} // namespace native
