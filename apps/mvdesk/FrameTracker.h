#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Gives every Inspector frame (and every search-results frame) a stable number when its
// window is created, and reports frames opening, closing and being retitled, and dialogs
// opening and closing.
class FrameTracker {
public:
    using Printer = std::function<void(const std::string& line)>;
    explicit FrameTracker(Printer print);
    ~FrameTracker();
    FrameTracker(const FrameTracker&) = delete;
    FrameTracker& operator=(const FrameTracker&) = delete;

    // The frame's window of number n, null when no such frame is open.
    HWND Frame(int number) const;
    // The number of a frame window, 0 when it is not a tracked frame.
    int Number(HWND frame) const;
    const std::map<int, HWND>& Frames() const { return frames_; }
    // The dialog opened last of those still open; null when none is.
    HWND Dialog() const { return dialogs_.empty() ? nullptr : dialogs_.back(); }

private:
    void Created(HWND hwnd);
    void Destroyed(HWND hwnd);
    void TextChanged(HWND hwnd);

    Printer print_;
    std::map<int, HWND> frames_;
    std::vector<HWND> dialogs_;
    int nextNumber_ = 1;
};

// The window title in quotes, converted for the terminal.
std::string QuotedTitle(HWND hwnd);
