#pragma once

#include "PadTable.h"

#include <unordered_map>
#include <vector>

class MvSimplePad;
struct InspectorRow;

// The rows of a view's trees by pad, so that a row is found without walking the tree. A row
// joins when it is linked into a tree and leaves when it is destroyed; a destroyed index lets
// go of the rows still registered.
class RowIndex {
public:
    RowIndex() = default;
    ~RowIndex();
    RowIndex(const RowIndex&) = delete;
    RowIndex& operator=(const RowIndex&) = delete;

    // `row` must already be linked below its parent row, or be a root.
    void Add(InspectorRow& row);
    void Forget(InspectorRow& row);
    // The first row of `pad` in pre-order over `root` and its subtree, as a walk would find
    // it; `root` must be registered here.
    InspectorRow* Find(InspectorRow* root, const MvSimplePad* pad) const;
    // Whether `pad` has a row strictly below `row`.
    bool HasRowBelow(const InspectorRow* row, const MvSimplePad* pad) const;

private:
    bool Inside(const InspectorRow* row, const InspectorRow* root) const;

    // Nearly every pad has one row; further rows of a pad wait in `more_`.
    PadTable<InspectorRow*> rows_;
    std::unordered_multimap<const MvSimplePad*, InspectorRow*> more_;
    std::vector<InspectorRow*> roots_;
};
