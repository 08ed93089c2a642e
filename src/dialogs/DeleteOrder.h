#pragma once

#include "listview/PadTable.h"

#include <functional>
#include <vector>

class MvSimplePad;
class RowList;
struct InspectorRow;

// The candidates of a Delete All as a forest: a candidate hangs below the nearest candidate
// above its row in the tree. The candidate to delete next, the last selected pad in candidate
// order lying below the choice so far, is then the first candidate (in candidate order) of the
// choice's subtree, found in O(log k) instead of by a pass over every candidate.
//
// That holds because the tree keeps its shape while the run lasts (deletions only mark rows
// gone): every candidate below a choice comes after it in candidate order, or it would have
// been chosen first. Rows that go, or candidates that leave, are dropped and never come back.
class DeleteOrder {
public:
    // `rowOf(copy)` finds the tree row of a candidate, null when the tree has none.
    using RowOf = std::function<const InspectorRow*(const InspectorRow& copy)>;

    DeleteOrder(const RowList& candidates, RowOf rowOf);

    // The candidate to offer instead of the candidate of `pad`: the deepest selected below it
    // as DeleteRun::DeepestSelectedBelow chooses; null when that is the candidate itself.
    const InspectorRow* DeepestBelow(const MvSimplePad* pad);
    // The candidate of `pad` leaves the order.
    void Drop(const MvSimplePad* pad);

private:
    static constexpr int kNone = 1 << 30;

    // The first live candidate in the tour's places [from, to), kNone when none.
    int FirstIn(int from, int to) const;
    void Kill(int member);

    RowOf rowOf_;
    std::vector<const InspectorRow*> copies_;
    PadTable<int> memberOf_;
    // Each candidate's place in a pre-order tour of the forest and the end of its subtree.
    std::vector<int> place_;
    std::vector<int> end_;
    // A tree of minima over the tour's places: the candidate at each place while it lives.
    std::vector<int> minima_;
    int leaves_ = 1;
};
