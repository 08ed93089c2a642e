#pragma once

#include "platform/NativeMenu.h"

#include <deque>
#include <optional>

namespace native {

// The Shift, Ctrl and Alt state that GetKeyState reports. As in Win32 it follows the keyboard
// messages taken from the queue: a keystroke's modifiers hold from its key-down to its key-up.
class KeyboardState {
public:
    Modifiers Current() const { return current; }
    Modifiers Held() const { return held; }
    void SetHeld(Modifiers modifiers);
    void Posted(HWND hwnd, WORD virtualKey, Modifiers modifiers);
    // Called for every message taken from the queue. For a keystroke played through Posted
    // it gives what the system posts in answer to such a key as it is taken: a plain F1
    // key-down asks for help (WM_KEYF1, which the default window procedure turns into
    // WM_HELP), and the context-menu key's key-up asks for the context menu (WM_CONTEXTMENU
    // from the keyboard, at (-1, -1)). A message posted as it is, not played, gets no answer.
    std::optional<MSG> Retrieved(const MSG& msg);
    void Clear();

private:
    struct Keystroke {
        HWND hwnd = nullptr;
        WORD virtualKey = 0;
        Modifiers modifiers;
    };
    // Whether the message is a played keystroke's, which is then the first one pending.
    bool IsFront(const MSG& msg);

    Modifiers held;
    Modifiers current;
    std::deque<Keystroke> pending;
};

} // namespace native
