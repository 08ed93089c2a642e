// The user's mouse and keys, played by a host on real windows: posted as a person's input is
// queued, with the Shift, Ctrl and Alt state the system reports for each keystroke.

#include "../NativeInput.h"
#include "../NativeMenu.h"
#include "../native/KeyboardState.h"
#include "WindowHooks.h"

#include <deque>
#include <string>

namespace {

constexpr LPARAM kAltContext = 0x20000000;
constexpr LPARAM kReleasing = static_cast<LPARAM>(0xC0000000u); // previous state, transition

struct Keyboard {
    native::KeyboardState state;
    HHOOK hook = nullptr;
    // Double-byte characters typed and not yet taken from the queue, in order.
    std::deque<std::string> typedWhole;
    // The window whose title-bar help button was pressed: its next click asks for help on
    // what it hits, as the system's help mode does; the click's release goes with it.
    HWND pointingForHelp = nullptr;
    UINT swallowRelease = 0;
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

// A typed double-byte character reaches an edit field whole. The system's ANSI edit control
// would take it from WM_IME_CHAR, or as lead and trail byte; Wine's takes neither (it reads
// each byte as a character of its own), so the field gets it as the input method's result
// string is inserted, replacing the selection.
void DeliverWhole(MSG& msg) {
    Keyboard& keys = Keys();
    if (msg.message != WM_IME_CHAR || keys.typedWhole.empty())
        return;
    // The hook may see the message converted to the character's UTF-16 code: the character is
    // taken from what was typed, in order.
    std::string character = std::move(keys.typedWhole.front());
    keys.typedWhole.pop_front();
    if ((SendMessageA(msg.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) == 0)
        return;
    HWND field = msg.hwnd;
    msg.message = WM_NULL;
    auto style = static_cast<DWORD>(GetWindowLongA(field, GWL_STYLE));
    if ((style & (ES_READONLY | ES_NUMBER)) == 0)
        SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(character.c_str()));
}

// The help mode of the title-bar help button (Wine's default window procedure has none): a
// click on the window or one of its controls, a disabled one too, asks for help on the
// control under it; Escape or a click elsewhere ends the mode.
void PointForHelp(MSG& msg) {
    Keyboard& keys = Keys();
    if (keys.swallowRelease != 0 && msg.message == keys.swallowRelease) {
        keys.swallowRelease = 0;
        msg.message = WM_NULL;
        return;
    }
    HWND window = keys.pointingForHelp;
    if (window == nullptr)
        return;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        keys.pointingForHelp = nullptr;
        return;
    }
    bool left = msg.message == WM_LBUTTONDOWN;
    if (!left && msg.message != WM_RBUTTONDOWN)
        return;
    keys.pointingForHelp = nullptr;
    if (!IsWindow(window) || (msg.hwnd != window && !IsChild(window, msg.hwnd)))
        return;
    POINT screen{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ClientToScreen(msg.hwnd, &screen);
    POINT client = screen;
    ScreenToClient(msg.hwnd, &client);
    HWND hit = ChildWindowFromPointEx(msg.hwnd, client, CWP_SKIPINVISIBLE);
    if (hit == nullptr)
        hit = msg.hwnd;
    keys.swallowRelease = left ? WM_LBUTTONUP : WM_RBUTTONUP;
    msg.message = WM_NULL;
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(hit);
    info.hItemHandle = hit;
    info.dwContextId = GetWindowContextHelpId(hit);
    info.MousePos = screen;
    SendMessageA(hit, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

bool WantsReturn(HWND hwnd) {
    constexpr LONG wanted = ES_MULTILINE | ES_WANTRETURN;
    return (GetWindowLongA(hwnd, GWL_STYLE) & wanted) == wanted;
}

LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        DeliverWhole(*reinterpret_cast<MSG*>(lParam));
        PointForHelp(*reinterpret_cast<MSG*>(lParam));
        Keyboard& keys = Keys();
        native::Modifiers before = keys.state.Current();
        // The system answers F1 and the context-menu key only for the keyboard's own input,
        // which played keystrokes are not: the answer is posted here as it would be there.
        auto answer = keys.state.Retrieved(*reinterpret_cast<const MSG*>(lParam));
        native::Modifiers after = keys.state.Current();
        if (before.shift != after.shift || before.ctrl != after.ctrl || before.alt != after.alt)
            ApplyModifiers(after);
        if (answer)
            PostMessageA(answer->hwnd, answer->message, answer->wParam, answer->lParam);
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
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n' && WantsReturn(hwnd)) {
            // The line break itself: a played Enter's character would be made only when the
            // key is translated, after the characters typed behind it.
            PostMessageA(hwnd, WM_CHAR, '\r', 1);
        } else if (byte == '\n') {
            PressKey(hwnd, VK_RETURN, false, false, false);
        } else if (IsDBCSLeadByte(byte) && i + 1 < text.size()) {
            // A double-byte character comes whole from the input method, as Japanese is typed.
            auto trail = static_cast<unsigned char>(text[++i]);
            EnsureKeyboardHook();
            if (PostMessageA(hwnd, WM_IME_CHAR, static_cast<WPARAM>((byte << 8) | trail), 1))
                Keys().typedWhole.push_back({static_cast<char>(byte), static_cast<char>(trail)});
        } else if (byte != '\r') {
            PostMessageA(hwnd, WM_CHAR, byte, 1);
        }
    }
    return true;
}

bool PressHelpButton(HWND hwnd) {
    if (!IsWindow(hwnd) || (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0 ||
        (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0 || !IsWindowEnabled(hwnd))
        return false;
    EnsureKeyboardHook();
    Keys().pointingForHelp = hwnd;
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
