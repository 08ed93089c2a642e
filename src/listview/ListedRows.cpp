#include "ListedRows.h"

#include "InspectorRow.h"

#include <algorithm>

void ListedRows::NoteAdded(InspectorRow& row) {
    added_.push_back(&row);
}

void ListedRows::NoteChildrenShown(InspectorRow& row) {
    childrenShown_.push_back(&row);
}

void ListedRows::NoteRemoving(InspectorRow& row) {
    // Rows noted since the last Sync may lie in the subtree that goes; the next Sync then
    // starts afresh rather than follow them.
    if (!added_.empty() || !childrenShown_.empty()) {
        Forget();
        rebuild_ = true;
    }
    if (!Holds(row))
        return;
    // A row without children lists nothing below it.
    blanks_.push_back(rows_.BlankRow(row, HasChildren(row)));
}

void ListedRows::NoteTreeGone() {
    rows_.Blank(0, rows_.Size());
    Forget();
    rebuild_ = true;
}

void ListedRows::Forget() {
    added_.clear();
    childrenShown_.clear();
    blanks_.clear();
}

std::vector<InspectorRow*> ListedRows::ListedFrom(InspectorRow& row, bool withRow) {
    std::vector<InspectorRow*> listed;
    if (withRow && row.shown != 1)
        return listed;
    InspectorRow* at = &row;
    if (!withRow)
        at = row.children.head;
    while (at != nullptr) {
        bool shown = at->shown == 1;
        if (shown)
            listed.push_back(at);
        at = NextInSubtree(at, &row, shown);
    }
    return listed;
}

void ListedRows::Rebuild(InspectorRow* root) {
    std::vector<InspectorRow*> listed;
    if (root != nullptr)
        listed = ListedFrom(*root, true);
    rows_.Assign(listed);
}

int ListedRows::Sync(InspectorRow* root) {
    // Once more runs went blank than half the places (a run of deletions that took most
    // rows), listing the rows left costs less than sorting the runs and erasing them.
    bool mostlyBlank = blanks_.size() > static_cast<size_t>(rows_.Size()) / 2;
    if (rebuild_ || root != root_ || mostlyBlank) {
        Rebuild(root);
    } else {
        // A run covers the blank places of rows removed below it before, and runs that meet
        // (rows removed one by one, as a run of deletions does) go as one: the union of the
        // runs is erased at once.
        std::sort(blanks_.begin(), blanks_.end());
        std::vector<std::pair<int, int>> spans;
        for (auto [first, count] : blanks_) {
            if (!spans.empty() && first <= spans.back().second)
                spans.back().second = std::max(spans.back().second, first + count);
            else
                spans.emplace_back(first, first + count);
        }
        rows_.EraseRuns(spans);
        for (InspectorRow* row : childrenShown_) {
            if (!Holds(*row))
                continue;
            int at = IndexOf(*row);
            rows_.Erase(at + 1, rows_.SubtreeEnd(at) - at - 1);
            rows_.Insert(at + 1, ListedFrom(*row, false));
        }
        for (InspectorRow* row : added_) {
            if (Holds(*row) || row->parentRow == nullptr || !Holds(*row->parentRow))
                continue;
            rows_.Insert(rows_.SubtreeEnd(IndexOf(*row->parentRow)), ListedFrom(*row, true));
        }
    }
    Forget();
    root_ = root;
    rebuild_ = false;
    return rows_.Size();
}

int ListedRows::ListFlat(const std::vector<InspectorRow*>& rows) {
    rows_.Assign(rows);
    Forget();
    root_ = nullptr;
    rebuild_ = true;
    return rows_.Size();
}

void ListedRows::NoteLeaving(InspectorRow& row) {
    if (Holds(row))
        rows_.BlankRow(row, false);
}
