#pragma once

#include "RowSequence.h"

#include <utility>
#include <vector>

struct InspectorRow;

// The rows a view's list shows, in list order: every row whose `shown` is 1 below rows that
// are listed, in pre-order. The list control holds no texts (it asks the view for them), so
// this is the table the user sees.
//
// Changes of the tree are noted as they happen and reach the list at the next Sync (the
// refill of a structural change): until then the indexes stay where they were, as they do for
// the items of the control, whose selection and focus states stay at their indexes. Sync then
// costs what changed: O(k + log n) for k rows added, removed, shown or hidden.
class ListedRows {
public:
    int Size() const { return rows_.Size(); }
    // Null for an index out of range and for the place of a row removed since the last Sync.
    InspectorRow* At(int index) const { return rows_.At(index); }
    // -1 when the row is not listed.
    static int IndexOf(const InspectorRow& row) { return RowSequence::IndexOf(row); }
    static bool Holds(const InspectorRow& row) { return RowSequence::Holds(row); }
    template <typename Visit> void ForEach(int first, Visit visit) const {
        rows_.ForEach(first, visit);
    }

    // `row` was built with its subtree as the last child of its parent row.
    void NoteAdded(InspectorRow& row);
    // The `shown` flags of the children of `row` changed.
    void NoteChildrenShown(InspectorRow& row);
    // `row` and its subtree are about to be destroyed: their places go blank.
    void NoteRemoving(InspectorRow& row);
    // The whole tree is about to be destroyed.
    void NoteTreeGone();

    // Brings the list in step with the tree of `root`; returns the number of rows listed.
    int Sync(InspectorRow* root);
    // Lists `rows` as they are, in this order (a search-result view's hits); returns their
    // number. The next Sync starts afresh.
    int ListFlat(const std::vector<InspectorRow*>& rows);
    // `row`, listed by ListFlat, is about to be destroyed: its place goes blank.
    void NoteLeaving(InspectorRow& row);

private:
    void Rebuild(InspectorRow* root);
    // The rows listed from `row` on within its subtree; `withRow` false leaves `row` out.
    static std::vector<InspectorRow*> ListedFrom(InspectorRow& row, bool withRow);
    void Forget();

    RowSequence rows_;
    InspectorRow* root_ = nullptr;
    bool rebuild_ = true;
    std::vector<InspectorRow*> added_;
    std::vector<InspectorRow*> childrenShown_;
    // First place and count of each blank run, in the order they went blank.
    std::vector<std::pair<int, int>> blanks_;
};
