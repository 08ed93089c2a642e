#include "RowIndex.h"

#include "InspectorRow.h"

#include <algorithm>

RowIndex::~RowIndex() {
    for (auto& entry : rows_)
        entry.second->index = nullptr;
    for (auto& entry : more_)
        entry.second->index = nullptr;
}

void RowIndex::Add(InspectorRow& row) {
    if (row.index == this)
        return;
    row.index = this;
    if (!rows_.emplace(row.pad, &row).second)
        more_.emplace(row.pad, &row);
    if (row.parentRow == nullptr)
        roots_.push_back(&row);
}

void RowIndex::Forget(InspectorRow& row) {
    if (row.index != this)
        return;
    row.index = nullptr;
    auto [first, last] = more_.equal_range(row.pad);
    auto it = rows_.find(row.pad);
    if (it != rows_.end() && it->second == &row) {
        if (first != last) {
            it->second = first->second;
            more_.erase(first);
        } else {
            rows_.erase(it);
        }
    } else {
        for (auto extra = first; extra != last; ++extra) {
            if (extra->second == &row) {
                more_.erase(extra);
                break;
            }
        }
    }
    if (row.parentRow == nullptr)
        std::erase(roots_, &row);
}

bool RowIndex::Inside(const InspectorRow* row, const InspectorRow* root) const {
    // With a single tree registered, every row lies below its root.
    if (root->parentRow == nullptr && roots_.size() == 1 && roots_.front() == root)
        return true;
    for (; row != nullptr; row = row->parentRow) {
        if (row == root)
            return true;
    }
    return false;
}

InspectorRow* RowIndex::Find(InspectorRow* root, const MvSimplePad* pad) const {
    if (root == nullptr)
        return nullptr;
    auto it = rows_.find(pad);
    if (it == rows_.end())
        return nullptr;
    if (more_.count(pad) != 0)
        return FindRowByWalk(root, pad); // several rows: the first in pre-order wins
    return Inside(it->second, root) ? it->second : nullptr;
}

bool RowIndex::HasRowBelow(const InspectorRow* row, const MvSimplePad* pad) const {
    auto it = rows_.find(pad);
    if (it == rows_.end())
        return false;
    auto below = [&](const InspectorRow* candidate) {
        return candidate != row && Inside(candidate, row);
    };
    if (below(it->second))
        return true;
    auto [first, last] = more_.equal_range(pad);
    return std::any_of(first, last, [&](const auto& extra) { return below(extra.second); });
}
