#pragma once

#include "platform/Win.h"

#include <cstdint>
#include <deque>
#include <optional>

namespace native {

// The thread's queue of posted messages and its quit flag. As in Win32, WM_QUIT from
// PostQuitMessage is not a queued message: it comes out once no posted message matches,
// whatever the filter.
class MessageQueue {
public:
    void Post(const MSG& msg);
    void PostQuit(int exitCode, DWORD time);
    // The first message for `hwnd` (null: any, HWND -1: thread messages only) within
    // [filterMin, filterMax] (0, 0: all), removed from the queue when `remove` is set.
    std::optional<MSG> Take(HWND hwnd, UINT filterMin, UINT filterMax, bool remove);
    bool HasTimerMessage(HWND hwnd, std::uintptr_t id) const;
    void DropTimerMessages(HWND hwnd, std::uintptr_t id);
    int Size() const { return static_cast<int>(messages.size()); }
    void Clear();

private:
    std::deque<MSG> messages;
    bool quitPosted = false;
    int quitCode = 0;
    DWORD quitTime = 0;
};

} // namespace native
