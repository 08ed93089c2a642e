#include "UndoLog.h"

#include "DesktopPad.h"

#include <algorithm>

void UndoLog::SetUndoBuffer(UndoType kind, MvSimplePad* pad) {
    if (pad != nullptr)
        Record(kind, *static_cast<DesktopPad*>(pad));
}

void UndoLog::Record(int kind, DesktopPad& pad) {
    if (entries_.size() >= capacity_)
        entries_.erase(entries_.begin());
    entries_.push_back(
        {kind, &pad, pad.RelX(), pad.RelY(), pad.Width(), pad.Height(), pad.Visible()});
}

std::optional<UndoEntry> UndoLog::Pop() {
    if (entries_.empty())
        return std::nullopt;
    UndoEntry last = entries_.back();
    entries_.pop_back();
    return last;
}
