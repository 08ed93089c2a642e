#pragma once

#include <string>

#include "platform/CommCtrl.h"

class CInspectrView;
struct InspectorRow;

// Writing the column set and the rows into the view's list control.

// Inserts the columns of the view's set (after deleting the present ones with `recreate`);
// the first call also gives the control its row images.
void SetupColumns(CInspectrView& view, bool recreate);
// Position of column `id` in the set; 0 when it is not shown (position 0 is Label).
int ColumnPosition(const CInspectrView& view, int id);
// Lists every shown row of the tree in pre-order: the items take the rows of the tree as it
// now is, while their selection and focus states stay at their indexes and those past the
// new end go. The list control holds no texts; it asks the view (DescribeItem). What changed
// since the last fill is all that is done, so the tree changes only where the view notes it:
// rows are built and removed through the view, and `shown` changes through SetChildrenShown.
void FillList(CInspectrView& view, InspectorRow* root);
// The same for a search-result view: its shown hits in their order.
void FillResults(CInspectrView& view);
// What the list shows of item `item.iItem`: texts, image and row, as item.mask asks.
void DescribeItem(const CInspectrView& view, LVITEMA& item);
// Repaints the cells of one kind of change (a RowChange) of a row that is in the list.
void UpdateRowCells(CInspectrView& view, InspectorRow* row, int change);
// Shows (1) or hides (0) every direct child of `row`; FillList then lists or drops them.
void SetChildrenShown(CInspectrView& view, InspectorRow& row, int shown);
// Takes the names above the root row again for nested labels, as when every label cell is
// written anew.
void RetakeNestedPrefix(CInspectrView& view);
// The stored form of the column set with the columns' current widths.
std::string ColumnSetString(const CInspectrView& view);
