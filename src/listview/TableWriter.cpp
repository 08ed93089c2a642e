#include "TableWriter.h"

#include "CInspectrView.h"
#include "CellText.h"
#include "ColumnId.h"
#include "InspectorRow.h"
#include "frame/ColumnSettings.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"

namespace {

constexpr int kSecondColumnExtra = 100;
constexpr int kColumnExtra = 70;

void CreateRowImages(CInspectrView& view) {
    view.rowImages = ImageList_Create(16, 16, ILC_MASK, 1, 1);
    for (UINT id = IDI_ROW_FIRST; id <= IDI_ROW_LAST; ++id)
        ImageList_AddIcon(view.rowImages, inspLoadIcon(id));
    view.List().SetImageList(view.rowImages, LVSIL_SMALL);
}

// Writes one cell; a label cell at or past the end of the list inserts the item.
void WriteCell(CInspectrView& view, int index, int subItem, const std::string& text,
               InspectorRow* labelRow) {
    CListCtrl& list = view.List();
    LVITEMA item{};
    item.iItem = index;
    item.iSubItem = subItem;
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    if (labelRow != nullptr) {
        item.mask |= LVIF_IMAGE | LVIF_PARAM;
        item.iImage = RowImage(*labelRow);
        item.lParam = reinterpret_cast<LPARAM>(labelRow);
    }
    if (subItem == 0 && index >= list.GetItemCount())
        list.InsertItem(&item);
    else
        list.SetItem(&item);
}

void WriteLabel(CInspectrView& view, InspectorRow& row, int index) {
    WriteCell(view, index, 0, LabelCellText(row, view.nestedLabels != 0), &row);
}

void WriteColumn(CInspectrView& view, const InspectorRow& row, int index, int position) {
    WriteCell(view, index, position,
              CellText(row, view.columnIds[position], view.connectionYes, view.connectionNo),
              nullptr);
}

} // namespace

void SetupColumns(CInspectrView& view, bool recreate) {
    CListCtrl& list = view.List();
    if (recreate) {
        for (int i = view.insertedColumns - 1; i >= 0; --i)
            list.DeleteColumn(i);
    }
    for (int i = 0; i < view.columnCount; ++i) {
        std::string header;
        inspLoadString(header, ColumnHeaderId(view.columnIds[i]));
        int width = view.columnWidths[i];
        if (width < 0)
            width =
                list.GetStringWidth(header.c_str()) + (i == 1 ? kSecondColumnExtra : kColumnExtra);
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = width;
        column.pszText = header.data();
        column.iSubItem = i;
        list.InsertColumn(i, &column);
    }
    view.insertedColumns = view.columnCount;
    if (!recreate && view.rowImages == nullptr)
        CreateRowImages(view);
}

int ColumnPosition(const CInspectrView& view, int id) {
    for (int i = 0; i < view.columnCount; ++i) {
        if (view.columnIds[i] == id)
            return i;
    }
    return 0;
}

namespace {

void FillFrom(CInspectrView& view, InspectorRow* row, int& cursor) {
    for (; row != nullptr; row = row->next) {
        if (row->shown != 1)
            continue;
        WriteRow(view, *row, cursor);
        row->listIndex = cursor++;
        if (row->children)
            FillFrom(view, row->children->head, cursor);
    }
}

void DeleteItemsFrom(CInspectrView& view, int cursor) {
    CListCtrl& list = view.List();
    view.suppressItemChange = 1;
    for (int i = list.GetItemCount() - 1; i >= cursor; --i)
        list.DeleteItem(i);
    view.suppressItemChange = 0;
}

} // namespace

void FillList(CInspectrView& view, InspectorRow* root) {
    view.itemOfPad.Clear();
    // Room for every row at once: growing the table on the way would move it several times.
    view.itemOfPad.Reserve(static_cast<size_t>(view.rowCount) + 1);
    int cursor = 0;
    if (root != nullptr && root->shown == 1) {
        WriteRow(view, *root, cursor);
        root->listIndex = cursor++;
        if (root->children)
            FillFrom(view, root->children->head, cursor);
    }
    DeleteItemsFrom(view, cursor);
}

void FillResults(CInspectrView& view) {
    view.itemOfPad.Clear();
    view.itemOfPad.Reserve(static_cast<size_t>(view.rowCount) + 1);
    int cursor = 0;
    for (InspectorRow* row = view.searchRows ? view.searchRows->head : nullptr; row != nullptr;
         row = row->next) {
        if (row->shown != 1)
            continue;
        WriteRow(view, *row, cursor);
        row->listIndex = cursor++;
    }
    DeleteItemsFrom(view, cursor);
}

void WriteRow(CInspectrView& view, InspectorRow& row, int index) {
    view.itemOfPad.Insert(row.pad, index);
    WriteLabel(view, row, index);
    for (int i = 1; i < view.columnCount; ++i) {
        // The desktop row shows its label only; an item it takes over keeps no old cells.
        if (row.isDesktop)
            WriteCell(view, index, i, "", nullptr);
        else
            WriteColumn(view, row, index, i);
    }
}

namespace {

// A row under a collapsed ancestor keeps its own shown flag and a stale listIndex; only the
// item that refers to a row of the same pad is the row's.
bool Listed(const CInspectrView& view, const InspectorRow& row) {
    CListCtrl& list = view.List();
    if (row.listIndex < 0 || row.listIndex >= list.GetItemCount())
        return false;
    auto* listed = reinterpret_cast<const InspectorRow*>(list.GetItemData(row.listIndex));
    return listed == &row || (listed != nullptr && listed->pad == row.pad);
}

} // namespace

void UpdateRowCells(CInspectrView& view, InspectorRow* row, int change) {
    if (row == nullptr || row->gone || row->isDesktop || row->shown != 1 || !Listed(view, *row))
        return;
    auto rewrite = [&](int id) {
        int position = ColumnPosition(view, id);
        if (position != 0)
            WriteColumn(view, *row, row->listIndex, position);
    };
    switch (change) {
    case Selection:
    case SelectionAlso:
    case LabelChange:
        WriteLabel(view, *row, row->listIndex);
        break;
    case Geometry:
    case GeometryAlso:
        rewrite(Position);
        rewrite(Size);
        rewrite(RelativePosition);
        break;
    case Output:
    case OutputAlso:
        rewrite(OutputSlot);
        rewrite(OutputValue);
        break;
    case PadNameChange:
        rewrite(PadName);
        break;
    case ConnectionChange:
        rewrite(Connection);
        break;
    case GroupDepthChange:
        rewrite(GroupDepth);
        break;
    case PadIdChange:
        rewrite(PadId);
        break;
    default:
        break;
    }
}

std::string ColumnSetString(const CInspectrView& view) {
    int widths[kMaxColumns] = {};
    for (int i = 0; i < view.columnCount && i < kMaxColumns; ++i)
        widths[i] = view.List().GetColumnWidth(i);
    return FormatColumnSettings(view.columnCount, view.columnIds, widths);
}
