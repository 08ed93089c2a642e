#include "platform/native/TimerTable.h"

#include <algorithm>

namespace native {

std::uintptr_t TimerTable::Set(HWND hwnd, std::uintptr_t id, UINT elapse, TIMERPROC proc,
                               std::uint64_t now) {
    Timer* timer = (hwnd != nullptr || id != 0) ? Find(hwnd, id) : nullptr;
    if (timer == nullptr) {
        if (hwnd == nullptr) {
            do {
                id = ++lastThreadId;
            } while (Find(nullptr, id) != nullptr);
        }
        timers.push_back(Timer{hwnd, id, 0, nullptr, 0, 0});
        timer = &timers.back();
    }
    timer->elapse = elapse;
    timer->proc = proc;
    timer->due = now + elapse;
    timer->order = ++lastOrder;
    return (hwnd != nullptr && id == 0) ? 1 : id;
}

bool TimerTable::Kill(HWND hwnd, std::uintptr_t id) {
    auto removed = std::erase_if(
        timers, [&](const Timer& timer) { return timer.hwnd == hwnd && timer.id == id; });
    return removed != 0;
}

std::vector<std::uintptr_t> TimerTable::KillAllOf(HWND hwnd) {
    std::vector<std::uintptr_t> ids;
    for (const Timer& timer : timers) {
        if (timer.hwnd == hwnd) {
            ids.push_back(timer.id);
        }
    }
    std::erase_if(timers, [&](const Timer& timer) { return timer.hwnd == hwnd; });
    return ids;
}

TimerTable::Timer* TimerTable::NextDue(std::uint64_t limit) {
    Timer* next = nullptr;
    for (Timer& timer : timers) {
        if (timer.due > limit) {
            continue;
        }
        if (next == nullptr || timer.due < next->due ||
            (timer.due == next->due && timer.order < next->order)) {
            next = &timer;
        }
    }
    return next;
}

void TimerTable::Clear() {
    timers.clear();
    lastThreadId = 0;
}

TimerTable::Timer* TimerTable::Find(HWND hwnd, std::uintptr_t id) {
    auto it = std::find_if(timers.begin(), timers.end(), [&](const Timer& timer) {
        return timer.hwnd == hwnd && timer.id == id;
    });
    return it == timers.end() ? nullptr : &*it;
}

} // namespace native
