#pragma once

#include <string>

class CInspectrView;
struct InspectorRow;

// Writing the column set and the rows into the view's list control.

// Inserts the columns of the view's set (after deleting the present ones with `recreate`);
// the first call also gives the control its row images.
void SetupColumns(CInspectrView& view, bool recreate);
// Position of column `id` in the set; 0 when it is not shown (position 0 is Label).
int ColumnPosition(const CInspectrView& view, int id);
// Writes every shown row of the tree in pre-order, overwriting items in place, and deletes
// the items left over.
void FillList(CInspectrView& view, InspectorRow* root);
// The same for a search-result view: its shown hits in their order.
void FillResults(CInspectrView& view);
void WriteRow(CInspectrView& view, InspectorRow& row, int index);
// Rewrites the cells of one kind of change (a RowChange) of a row that is in the list.
void UpdateRowCells(CInspectrView& view, InspectorRow* row, int change);
// The stored form of the column set with the columns' current widths.
std::string ColumnSetString(const CInspectrView& view);
