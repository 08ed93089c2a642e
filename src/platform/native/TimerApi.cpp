// Timers and the clock they follow.

#include "platform/native/WindowManager.h"

#include <algorithm>

using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

// Win32 raises shorter periods to this, which also keeps a zero period from firing for ever.
constexpr UINT minimumElapse = 10;

} // namespace

std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc) {
    WindowManager& manager = Manager();
    if (hwnd != nullptr && manager.Find(hwnd) == nullptr) {
        return 0;
    }
    return manager.timers.Set(hwnd, id, std::max(elapseMs, minimumElapse), proc,
                              manager.settings.clock);
}

BOOL KillTimer(HWND hwnd, std::uintptr_t id) {
    WindowManager& manager = Manager();
    if (!manager.timers.Kill(hwnd, id)) {
        return FALSE;
    }
    manager.queue.DropTimerMessages(hwnd, id);
    return TRUE;
}

DWORD GetTickCount() {
    return native::Now();
}

namespace native {

DWORD Now() {
    return static_cast<DWORD>(Manager().settings.clock);
}

void AdvanceClock(DWORD milliseconds) {
    WindowManager& manager = Manager();
    std::uint64_t target = manager.settings.clock + milliseconds;
    while (TimerTable::Timer* timer = manager.timers.NextDue(target)) {
        manager.settings.clock = timer->due;
        // A timer that has not been served yet posts no second WM_TIMER.
        if (!manager.queue.HasTimerMessage(timer->hwnd, timer->id)) {
            MSG msg;
            msg.hwnd = timer->hwnd;
            msg.message = WM_TIMER;
            msg.wParam = timer->id;
            msg.lParam = reinterpret_cast<LPARAM>(timer->proc);
            msg.time = Now();
            manager.queue.Post(msg);
        }
        timer->due += timer->elapse;
    }
    manager.settings.clock = target;
}

} // namespace native
