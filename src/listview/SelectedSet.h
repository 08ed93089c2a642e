#pragma once

#include "PadTable.h"
#include "SelectionFacts.h"

struct InspectorRow;

// The pads of a view's selectedRows, each with its copy there and the facts its row had when
// they were last read, and those facts counted over the whole selection. The counts are kept
// as pads come and go, so the command state costs the same with one or a million rows
// selected. A change on the desktop may change a pad's facts without changing the selection:
// it marks the set stale, and the facts are read again once, when they are next asked for.
class SelectedSet {
public:
    bool Contains(const MvSimplePad* pad) const { return table_.Contains(pad); }
    // The copy of `pad` in selectedRows, null when the pad is not selected.
    InspectorRow* CopyOf(const MvSimplePad* pad) const;
    size_t Size() const { return table_.Size(); }

    // Adds `pad` with its copy unless it is there already; true when added.
    bool Insert(const MvSimplePad* pad, InspectorRow* copy, const SelectedFacts& facts);
    // Takes `pad` out and hands back its copy, which the caller unlinks; null when absent.
    InspectorRow* Erase(const MvSimplePad* pad);
    void Clear();
    void Reserve(size_t pads) { table_.Reserve(pads); }

    const SelectionTally& Tally() const { return tally_; }
    bool Stale() const { return stale_; }
    void MarkStale() { stale_ = !table_.Empty(); }
    // Reads every pad's facts again: `factsOf(pad)` gives them. The facts are a cache of the
    // pads' states, so a const set may refresh them.
    template <typename FactsOf> void Refresh(FactsOf factsOf) const {
        tally_ = SelectionTally{};
        table_.ForEach([&](const MvSimplePad* pad, Entry& entry) {
            entry.facts = factsOf(pad);
            tally_.Add(entry.facts);
        });
        stale_ = false;
    }

private:
    struct Entry {
        InspectorRow* copy = nullptr;
        SelectedFacts facts;
    };
    mutable PadTable<Entry> table_;
    mutable SelectionTally tally_;
    mutable bool stale_ = false;
};
