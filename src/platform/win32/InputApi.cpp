// The user's mouse and keys, played by a host on real windows: posted as a person's input is
// queued, with the Shift, Ctrl and Alt state the system reports for each keystroke.

#include "../NativeInput.h"
#include "../NativeMenu.h"
#include "../native/KeyboardState.h"
#include "WindowHooks.h"

namespace {

constexpr LPARAM kAltContext = 0x20000000;
constexpr LPARAM kReleasing = static_cast<LPARAM>(0xC0000000u); // previous state, transition

struct Keyboard {
    native::KeyboardState state;
    HHOOK hook = nullptr;
};

Keyboard& Keys() {
    static Keyboard keys;
    return keys;
}

// Makes the thread's key state, which GetKeyState and the accelerators read, what the
// keystroke being taken from the queue holds.
void ApplyModifiers(native::Modifiers modifiers) {
    BYTE keys[256];
    if (!GetKeyboardState(keys))
        return;
    auto set = [&keys](int key, bool down) { keys[key] = down ? 0x80 : 0; };
    set(VK_SHIFT, modifiers.shift);
    set(VK_LSHIFT, modifiers.shift);
    set(VK_CONTROL, modifiers.ctrl);
    set(VK_LCONTROL, modifiers.ctrl);
    set(VK_MENU, modifiers.alt);
    set(VK_LMENU, modifiers.alt);
    SetKeyboardState(keys);
}

LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        Keyboard& keys = Keys();
        native::Modifiers before = keys.state.Current();
        keys.state.Retrieved(*reinterpret_cast<const MSG*>(lParam));
        native::Modifiers after = keys.state.Current();
        if (before.shift != after.shift || before.ctrl != after.ctrl || before.alt != after.alt)
            ApplyModifiers(after);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void EnsureKeyboardHook() {
    Keyboard& keys = Keys();
    if (keys.hook == nullptr)
        keys.hook = SetWindowsHookExA(WH_GETMESSAGE, GetMessageProc, nullptr, GetCurrentThreadId());
}

} // namespace

namespace native {

bool PostMouseInput(HWND hwnd, UINT message, WPARAM keys, POINT point) {
    if (!IsWindow(hwnd))
        return false;
    HWND capture = GetCapture();
    HWND target = capture != nullptr ? capture : hwnd;
    MapWindowPoints(hwnd, target, &point, 1);
    return PostMessageA(target, message, keys, MAKELPARAM(point.x, point.y)) != FALSE;
}

bool ReachedByMouse(HWND hwnd) {
    if (!IsWindow(hwnd))
        return false;
    for (HWND each = hwnd; each != nullptr; each = GetParent(each)) {
        if (!IsWindowVisible(each) || !IsWindowEnabled(each))
            return false;
        if ((GetWindowLongA(each, GWL_STYLE) & WS_CHILD) == 0)
            break;
    }
    return true;
}

bool TypeText(HWND hwnd, const std::string& text) {
    if (!IsWindow(hwnd))
        return false;
    for (char c : text) {
        if (c == '\n')
            PressKey(hwnd, VK_RETURN, false, false, false);
        else if (c != '\r')
            PostMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    return true;
}

bool PressHelpButton(HWND hwnd) {
    if (!IsWindow(hwnd) || (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0 ||
        (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0 || !IsWindowEnabled(hwnd))
        return false;
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    return true;
}

bool HelpButtonRect(HWND hwnd, RECT& rect) {
    RECT frame{};
    if (!IsWindow(hwnd) || (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0 ||
        !GetWindowRect(hwnd, &frame))
        return false;
    // The window's own hit test tells where its caption shows the button: along the middle
    // of the caption, from the right.
    int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int left = 0;
    int right = 0;
    for (int x = frame.right - 1; x >= frame.left; --x) {
        bool help = SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTHELP;
        if (help && right == 0)
            right = x + 1;
        if (help)
            left = x;
        else if (right != 0)
            break;
    }
    if (right == 0)
        return false;
    int half = GetSystemMetrics(SM_CYSIZE) / 2;
    rect = RECT{left, y - half, right, y + half};
    return true;
}

void SetHeldModifiers(Modifiers held) {
    EnsureKeyboardHook();
    Keys().state.SetHeld(held);
    ApplyModifiers(Keys().state.Current());
}

Modifiers HeldModifiers() {
    return Keys().state.Held();
}

bool PressKey(HWND target, WORD virtualKey, bool shift, bool ctrl, bool alt) {
    EnsureKeyboardHook();
    if (target == nullptr)
        target = GetFocus() != nullptr ? GetFocus() : GetActiveWindow();
    if (!IsWindow(target))
        return false;
    // As in Win32, Alt and F10 make system keystrokes.
    bool system = alt || virtualKey == VK_F10;
    LPARAM context = alt ? kAltContext : 0;
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    Keys().state.Posted(target, virtualKey, Modifiers{shift, ctrl, alt});
    PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | scan | context);
    PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                 1 | scan | context | kReleasing);
    return true;
}

} // namespace native
