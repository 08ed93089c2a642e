#pragma once

#include "PadTable.h"
#include "SelectionFacts.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class RowList;
struct InspectorRow;

// The selected pads of a view, each with its copy in the view's list of selected rows and the
// facts its row had when they were last read, and those facts counted over the whole
// selection. The counts are kept as pads come and go, so the command state costs the same
// with one or a million rows selected. A change on the desktop may change a pad's facts
// without changing the selection: it marks the set stale, and the facts are read again once,
// when they are next asked for.
//
// Select All adds pads whose copies wait: they are made, in the order the pads were added,
// the first time the list is read, so that a selection dropped unread frees no copies. While
// copies wait, every pad added waits too, which keeps the list in the order of selection.
class SelectedSet {
public:
    // Makes the copy of a selected pad's row.
    using CopyOf = std::function<std::unique_ptr<InspectorRow>(const MvSimplePad*)>;

    SelectedSet();
    ~SelectedSet();
    SelectedSet(const SelectedSet&) = delete;
    SelectedSet& operator=(const SelectedSet&) = delete;

    // The list exists from the view's creation until it lets go of its pads.
    bool Live() const { return rows_ != nullptr; }
    // Gives the set an empty list; false when it could not be had.
    bool Open();
    // Drops everything and the list with it.
    void Close();

    bool Contains(const MvSimplePad* pad) const { return table_.Contains(pad); }
    size_t Size() const { return table_.Size(); }
    // The pads here that `other` lacks, in the order of selection, into `outside`, when there
    // are at most `limit` of them; false when there are more. The first call pairs the two
    // sets, which from then on count the pads they share as pads come and go, so that a later
    // call with none outside costs nothing.
    bool Outside(const SelectedSet& other, size_t limit,
                 std::vector<const MvSimplePad*>& outside) const;
    bool Waiting() const { return waiting_ != 0 || copiesWait_; }
    // The copies of pads added from now on wait, as after Select All, until the list is read:
    // a selection repeated a row at a time from a change of many rows elsewhere makes no copy
    // that a drop of it would only free.
    void LetCopiesWait() { copiesWait_ = rows_ != nullptr; }

    // Adds `pad` unless it is there already; true when added. Its copy, `copy()`, is made now
    // unless copies wait.
    template <typename MakeCopy>
    bool Insert(const MvSimplePad* pad, const SelectedFacts& facts, MakeCopy copy) {
        if (Waiting())
            return InsertWaiting(pad, facts);
        if (table_.Contains(pad))
            return false;
        return InsertCopy(pad, facts, copy());
    }
    // Adds `pad` with its copy left to be made; true when added.
    bool InsertWaiting(const MvSimplePad* pad, const SelectedFacts& facts);
    // Takes `pad` out, and its copy from the list; true when it was there.
    bool Erase(const MvSimplePad* pad);
    // Drops every pad and copy. A large table is put aside for the next large selection
    // instead of being swept or freed now.
    void Clear();
    void Reserve(size_t pads);

    // The copies, every waiting one made by `copyOf` first; null while the set is not live.
    RowList* Rows(const CopyOf& copyOf) const;
    // The copies, made as Rows makes them, handed over: the set is left empty.
    std::unique_ptr<RowList> Take(const CopyOf& copyOf);

    // Calls `visit` for every pad, in no order, whether its copy is made or waits.
    template <typename Visit> void ForEachPad(Visit visit) const {
        table_.ForEach([&](const MvSimplePad* pad, Entry&) { visit(pad); });
    }

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
        // The copy in rows_, null while it waits.
        InspectorRow* copy = nullptr;
        // 1 + the pad's place in waitOrder_ while its copy waits, else 0.
        std::uint32_t waitAt = 0;
        SelectedFacts facts;
    };

    bool InsertCopy(const MvSimplePad* pad, const SelectedFacts& facts,
                    std::unique_ptr<InspectorRow> copy);
    // Pairing: `partner_` points back here, and both sets' `shared_` is the number of pads
    // they share.
    void Pair(const SelectedSet& other) const;
    void Unpair() const;
    void NoteShared(const MvSimplePad* pad, int change) const {
        if (partner_ != nullptr && partner_->Contains(pad)) {
            shared_ += change;
            partner_->shared_ += change;
        }
    }
    void MakeWaitingCopies(const CopyOf& copyOf) const;
    // Drops the places of pads no longer waiting, when they outnumber the waiting ones.
    void CompactWaitOrder();

    mutable std::unique_ptr<RowList> rows_;
    mutable PadTable<Entry> table_;
    // The slots of a large table dropped by Clear, for the next Reserve.
    PadTable<Entry> spare_;
    // The pads whose copies wait, in the order they were added; a pad taken out (or taken
    // out and added again) leaves a place that its entry's waitAt no longer names.
    mutable std::vector<const MvSimplePad*> waitOrder_;
    mutable size_t waiting_ = 0;
    mutable bool copiesWait_ = false;
    mutable SelectionTally tally_;
    mutable bool stale_ = false;
    mutable const SelectedSet* partner_ = nullptr;
    mutable size_t shared_ = 0;
};
