#include "SelectedSet.h"

InspectorRow* SelectedSet::CopyOf(const MvSimplePad* pad) const {
    const Entry* entry = table_.Find(pad);
    return entry != nullptr ? entry->copy : nullptr;
}

bool SelectedSet::Insert(const MvSimplePad* pad, InspectorRow* copy, const SelectedFacts& facts) {
    if (!table_.Insert(pad, Entry{copy, facts}))
        return false;
    tally_.Add(facts);
    return true;
}

InspectorRow* SelectedSet::Erase(const MvSimplePad* pad) {
    Entry* entry = table_.Find(pad);
    if (entry == nullptr)
        return nullptr;
    InspectorRow* copy = entry->copy;
    tally_.Add(entry->facts, -1);
    table_.Erase(pad);
    if (table_.Empty())
        stale_ = false;
    return copy;
}

void SelectedSet::Clear() {
    table_.Clear();
    tally_ = SelectionTally{};
    stale_ = false;
}
