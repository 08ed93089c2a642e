#include "RowIndex.h"

#include "InspectorRow.h"

#include <algorithm>

RowIndex::~RowIndex() {
    for (auto& entry : rows_) {
        for (InspectorRow* row : entry.second)
            row->index = nullptr;
    }
}

void RowIndex::Add(InspectorRow& row) {
    if (row.index == this)
        return;
    row.index = this;
    rows_[row.pad].push_back(&row);
    if (row.parentRow == nullptr)
        roots_.push_back(&row);
}

void RowIndex::Forget(InspectorRow& row) {
    if (row.index != this)
        return;
    row.index = nullptr;
    auto it = rows_.find(row.pad);
    if (it != rows_.end()) {
        std::erase(it->second, &row);
        if (it->second.empty())
            rows_.erase(it);
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
    InspectorRow* hit = nullptr;
    for (InspectorRow* row : it->second) {
        if (!Inside(row, root))
            continue;
        if (hit != nullptr)
            return FindRowByWalk(root, pad);
        hit = row;
    }
    return hit;
}

bool RowIndex::HasRowBelow(const InspectorRow* row, const MvSimplePad* pad) const {
    auto it = rows_.find(pad);
    if (it == rows_.end())
        return false;
    return std::any_of(it->second.begin(), it->second.end(), [&](const InspectorRow* candidate) {
        return candidate != row && Inside(candidate, row);
    });
}
