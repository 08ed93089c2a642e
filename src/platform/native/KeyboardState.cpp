#include "platform/native/KeyboardState.h"

#include <algorithm>

namespace native {

namespace {

constexpr UINT kKeyF1Message = 0x004D; // WM_KEYF1
constexpr WORD kF1 = 0x70;
constexpr WORD kApps = 0x5D;

MSG Answer(const MSG& key, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG answer{};
    answer.hwnd = key.hwnd;
    answer.message = message;
    answer.wParam = wParam;
    answer.lParam = lParam;
    answer.time = key.time;
    return answer;
}

} // namespace

void KeyboardState::SetHeld(Modifiers modifiers) {
    held = modifiers;
    if (pending.empty()) {
        current = modifiers;
    }
}

void KeyboardState::Posted(HWND hwnd, WORD virtualKey, Modifiers modifiers) {
    pending.push_back({hwnd, virtualKey, modifiers});
}

bool KeyboardState::IsFront(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_KEYUP &&
        msg.message != WM_SYSKEYUP) {
        return false;
    }
    auto played = std::find_if(pending.begin(), pending.end(), [&msg](const Keystroke& key) {
        return key.hwnd == msg.hwnd && key.virtualKey == msg.wParam;
    });
    if (played == pending.end()) {
        return false;
    }
    // Keystrokes before it were never taken: their window went, and the system threw its
    // messages away with it. Kept, they would hold the state of every keystroke after them.
    pending.erase(pending.begin(), played);
    return true;
}

std::optional<MSG> KeyboardState::Retrieved(const MSG& msg) {
    if (!IsFront(msg)) {
        return std::nullopt;
    }
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        current = pending.front().modifiers;
        bool plain = !current.shift && !current.ctrl && !current.alt;
        if (msg.message == WM_KEYDOWN && msg.wParam == kF1 && plain) {
            return Answer(msg, kKeyF1Message, 0, 0);
        }
        break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
        pending.pop_front();
        current = held;
        if (msg.message == WM_KEYUP && msg.wParam == kApps) {
            return Answer(msg, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(msg.hwnd), -1);
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

void KeyboardState::Clear() {
    held = {};
    current = {};
    pending.clear();
}

} // namespace native
