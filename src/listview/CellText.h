#pragma once

#include <string>
#include <vector>

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
// in one pass, whatever the depth. At most `limit` bytes are built: a reader with a buffer of
// its own takes no more, and the indent of a row deep in a chain is longer than any buffer.
std::string LabelCellText(const InspectorRow& row, bool nestedLabels,
                          const NestedPrefix* prefix = nullptr, size_t limit = std::string::npos);
// The Label cells of rows listed flat, each its own topmost row, with nested labels, at most
// `limit` bytes each. The names above a row are built from those above its parent, kept from
// the rows before it, so that a deep chain of rows costs what their cells hold rather than a
// walk to the desktop for each.
std::vector<std::string> FlatLabelCells(const std::vector<InspectorRow*>& rows, size_t limit);
// The own names of the pad's ancestors, outermost first, each followed by a backslash.
std::string NamesAbove(MvSimplePad* pad);
// Row image 0 to 5: plain, expanded or collapsed, each with desktop selection handles.
int RowImage(const InspectorRow& row);
