#pragma once

#include "platform/Win.h"

#include <cstdint>
#include <vector>

namespace native {

// The running timers, each known by its window and id. Due times are on the window
// manager's 64-bit clock so that they never wrap.
class TimerTable {
public:
    struct Timer {
        HWND hwnd = nullptr;
        std::uintptr_t id = 0;
        UINT elapse = 0;
        TIMERPROC proc = nullptr;
        std::uint64_t due = 0;
        std::uint64_t order = 0;
    };

    // Starts a timer or replaces the one with the same window and id. A thread timer (null
    // window) whose id is not running gets a fresh id. Returns the id.
    std::uintptr_t Set(HWND hwnd, std::uintptr_t id, UINT elapse, TIMERPROC proc,
                       std::uint64_t now);
    bool Kill(HWND hwnd, std::uintptr_t id);
    // Stops every timer of the window and returns their ids.
    std::vector<std::uintptr_t> KillAllOf(HWND hwnd);
    // The timer due first at or before `limit`, ties in the order they were set.
    Timer* NextDue(std::uint64_t limit);
    void Clear();

private:
    Timer* Find(HWND hwnd, std::uintptr_t id);

    std::vector<Timer> timers;
    std::uintptr_t lastThreadId = 0;
    std::uint64_t lastOrder = 0;
};

} // namespace native
