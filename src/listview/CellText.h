#pragma once

#include <string>

struct InspectorRow;

// The text of one cell of `row` in column `id` other than Label. `yes` and `no` are the
// Connection texts of the active language.
std::string CellText(const InspectorRow& row, int id, const std::string& yes,
                     const std::string& no);
// The Label cell: the tree prefix and label, or the full path with nested labels.
std::string LabelCellText(const InspectorRow& row, bool nestedLabels);
// Row image 0 to 5: plain, expanded or collapsed, each with desktop selection handles.
int RowImage(const InspectorRow& row);
