#pragma once

#include "PadTable.h"

#include <unordered_map>
#include <vector>

class MvSimplePad;
struct InspectorRow;

// The rows of a view's tree by pad, so that a row is found without walking the tree. The view
// adds a row when it links it into the tree and forgets it before the row is destroyed.
class RowIndex {
public:
    RowIndex() = default;
    RowIndex(const RowIndex&) = delete;
    RowIndex& operator=(const RowIndex&) = delete;

    // `row` must already be linked below its parent row, or be a root.
    void Add(InspectorRow& row);
    void Forget(InspectorRow& row);
    // Forgets every row: the tree is going.
    void Clear();
    // The first row of `pad` in pre-order over `root` and its subtree, as a walk would find
    // it; `root` must be registered here.
    InspectorRow* Find(InspectorRow* root, const MvSimplePad* pad) const;
    // Cache hints for a Find or an addition of `pad` to come: the slot first, then, once it is
    // in, the row.
    void PrefetchSlot(const MvSimplePad* pad) const { rows_.Prefetch(pad); }
    void PrefetchRow(const MvSimplePad* pad) const {
        if (InspectorRow* const* first = rows_.Find(pad))
            __builtin_prefetch(*first);
    }
    // True while no pad has more than one row.
    bool OneRowPerPad() const { return more_.empty(); }
    // Whether `pad` has a row strictly below `row`.
    bool HasRowBelow(const InspectorRow* row, const MvSimplePad* pad) const;
    // Calls visit(row) for every row of `pad`.
    template <typename Visit> void ForEachRowOf(const MvSimplePad* pad, Visit visit) const {
        if (InspectorRow* const* first = rows_.Find(pad)) {
            visit(*first);
            auto [extra, last] = more_.equal_range(pad);
            for (; extra != last; ++extra)
                visit(extra->second);
        }
    }

private:
    bool Inside(const InspectorRow* row, const InspectorRow* root) const;

    // Nearly every pad has one row; further rows of a pad wait in `more_`.
    PadTable<InspectorRow*> rows_;
    std::unordered_multimap<const MvSimplePad*, InspectorRow*> more_;
    std::vector<InspectorRow*> roots_;
};
