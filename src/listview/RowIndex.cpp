#include "RowIndex.h"

#include "InspectorRow.h"

#include <algorithm>

void RowIndex::Add(InspectorRow& row) {
    if (!rows_.Insert(row.pad, &row))
        more_.emplace(row.pad, &row);
    if (row.parentRow == nullptr)
        roots_.push_back(&row);
}

void RowIndex::Forget(InspectorRow& row) {
    auto [extra, last] = more_.equal_range(row.pad);
    InspectorRow** first = rows_.Find(row.pad);
    if (first != nullptr && *first == &row) {
        if (extra != last) {
            *first = extra->second;
            more_.erase(extra);
        } else {
            rows_.Erase(row.pad);
        }
    } else {
        for (; extra != last; ++extra) {
            if (extra->second == &row) {
                more_.erase(extra);
                break;
            }
        }
    }
    if (row.parentRow == nullptr)
        std::erase(roots_, &row);
}

void RowIndex::Clear() {
    rows_.Clear();
    more_.clear();
    roots_.clear();
}

bool RowIndex::Inside(const InspectorRow* row, const InspectorRow* root) const {
    // With a single tree registered, every row lies below its root.
    if (root->parentRow == nullptr && roots_.size() == 1 && roots_.front() == root)
        return true;
    // Only the rows on the way up to root's depth can be root.
    for (; row != nullptr && row->depth >= root->depth; row = row->parentRow) {
        if (row == root)
            return true;
    }
    return false;
}

InspectorRow* RowIndex::Find(InspectorRow* root, const MvSimplePad* pad) const {
    if (root == nullptr)
        return nullptr;
    InspectorRow* const* first = rows_.Find(pad);
    if (first == nullptr)
        return nullptr;
    if (more_.count(pad) != 0)
        return FindRowByWalk(root, pad); // several rows: the first in pre-order wins
    return Inside(*first, root) ? *first : nullptr;
}

bool RowIndex::HasRowBelow(const InspectorRow* row, const MvSimplePad* pad) const {
    bool below = false;
    ForEachRowOf(pad, [&](const InspectorRow* candidate) {
        below = below || (candidate != row && Inside(candidate, row));
    });
    return below;
}
