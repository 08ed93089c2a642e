#include "platform/native/MessageQueue.h"

#include <algorithm>

namespace native {

namespace {

const HWND threadMessagesOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd == threadMessagesOnly) {
        if (msg.hwnd != nullptr) {
            return false;
        }
    } else if (hwnd != nullptr && msg.hwnd != hwnd) {
        return false;
    }
    if (filterMin == 0 && filterMax == 0) {
        return true;
    }
    return msg.message >= filterMin && msg.message <= filterMax;
}

bool IsTimerMessage(const MSG& msg, HWND hwnd, std::uintptr_t id) {
    return msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == id;
}

} // namespace

void MessageQueue::Post(const MSG& msg) {
    messages.push_back(msg);
}

void MessageQueue::PostQuit(int exitCode, DWORD time) {
    quitPosted = true;
    quitCode = exitCode;
    quitTime = time;
}

std::optional<MSG> MessageQueue::Take(HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
    auto it = std::find_if(messages.begin(), messages.end(), [&](const MSG& msg) {
        return Matches(msg, hwnd, filterMin, filterMax);
    });
    if (it != messages.end()) {
        MSG found = *it;
        if (remove) {
            messages.erase(it);
        }
        return found;
    }
    if (!quitPosted) {
        return std::nullopt;
    }
    MSG quit;
    quit.message = WM_QUIT;
    quit.wParam = static_cast<WPARAM>(quitCode);
    quit.time = quitTime;
    if (remove) {
        quitPosted = false;
    }
    return quit;
}

bool MessageQueue::HasTimerMessage(HWND hwnd, std::uintptr_t id) const {
    return std::any_of(messages.begin(), messages.end(),
                       [&](const MSG& msg) { return IsTimerMessage(msg, hwnd, id); });
}

void MessageQueue::DropTimerMessages(HWND hwnd, std::uintptr_t id) {
    std::erase_if(messages, [&](const MSG& msg) { return IsTimerMessage(msg, hwnd, id); });
}

void MessageQueue::Clear() {
    messages.clear();
    quitPosted = false;
    quitCode = 0;
    quitTime = 0;
}

} // namespace native
