#pragma once

#include "platform/NativeMenu.h"

#include <deque>

namespace native {

// The Shift, Ctrl and Alt state that GetKeyState reports. As in Win32 it follows the keyboard
// messages taken from the queue: a keystroke's modifiers hold from its key-down to its key-up.
class KeyboardState {
public:
    Modifiers Current() const { return current; }
    Modifiers Held() const { return held; }
    void SetHeld(Modifiers modifiers);
    void Posted(HWND hwnd, WORD virtualKey, Modifiers modifiers);
    // Called for every message taken from the queue.
    void Retrieved(const MSG& msg);
    void Clear();

private:
    struct Keystroke {
        HWND hwnd = nullptr;
        WORD virtualKey = 0;
        Modifiers modifiers;
    };
    bool IsFront(const MSG& msg) const;

    Modifiers held;
    Modifiers current;
    std::deque<Keystroke> pending;
};

} // namespace native
