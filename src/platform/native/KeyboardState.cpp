#include "platform/native/KeyboardState.h"

namespace native {

void KeyboardState::SetHeld(Modifiers modifiers) {
    held = modifiers;
    if (pending.empty()) {
        current = modifiers;
    }
}

void KeyboardState::Posted(HWND hwnd, WORD virtualKey, Modifiers modifiers) {
    pending.push_back({hwnd, virtualKey, modifiers});
}

bool KeyboardState::IsFront(const MSG& msg) const {
    return !pending.empty() && pending.front().hwnd == msg.hwnd &&
           pending.front().virtualKey == msg.wParam;
}

void KeyboardState::Retrieved(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (IsFront(msg)) {
            current = pending.front().modifiers;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (IsFront(msg)) {
            pending.pop_front();
            current = held;
        }
        break;
    default:
        break;
    }
}

void KeyboardState::Clear() {
    held = {};
    current = {};
    pending.clear();
}

} // namespace native
