#pragma once

#include <string>

class MvSimplePad;
struct InspectorRow;

// The text of one cell of `row` in column `id` other than Label. `yes` and `no` are the
// Connection texts of the active language.
std::string CellText(const InspectorRow& row, int id, const std::string& yes,
                     const std::string& no);
// With nested labels: the own names above the root row of a tree, each followed by a
// backslash, as they were when the table was last written in full.
struct NestedPrefix {
    const InspectorRow* root = nullptr;
    std::string text;
};

// The Label cell: the tree prefix and label, or the full path with nested labels. The names
// above the row's topmost row are read from its pad, unless `prefix` holds them for it. Built
// in one pass, whatever the depth.
std::string LabelCellText(const InspectorRow& row, bool nestedLabels,
                          const NestedPrefix* prefix = nullptr);
// The own names of the pad's ancestors, outermost first, each followed by a backslash.
std::string NamesAbove(MvSimplePad* pad);
// Row image 0 to 5: plain, expanded or collapsed, each with desktop selection handles.
int RowImage(const InspectorRow& row);
