#pragma once

#include "host/MvDeskTop.h"

#include <cstddef>
#include <optional>
#include <vector>

class DesktopPad;

// Kind of an undo record for an undoable delete; moves and resizes use UndoType.
constexpr int kUndoDelete = 3;

struct UndoEntry {
    int kind = 0;
    DesktopPad* pad = nullptr;
    // The pad's place (parent-relative), size and own visibility when it was recorded.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
};

// The desktop's undo buffer: what was about to change, newest last. The desktop drops the
// records of a pad before it frees the pad.
class UndoLog : public UndoBuffer {
public:
    explicit UndoLog(std::size_t capacity = 100) : capacity_(capacity) {}

    void SetUndoBuffer(UndoType kind, MvSimplePad* pad) override;
    void Record(int kind, DesktopPad& pad);

    const std::vector<UndoEntry>& Entries() const { return entries_; }
    std::optional<UndoEntry> Pop();
    // Drops the records of every pad `gone` is true for, in one pass.
    template <typename Gone> void ForgetIf(Gone gone) {
        std::erase_if(entries_, [&gone](const UndoEntry& entry) { return gone(entry.pad); });
    }
    void Clear() { entries_.clear(); }

private:
    std::size_t capacity_;
    std::vector<UndoEntry> entries_;
};
