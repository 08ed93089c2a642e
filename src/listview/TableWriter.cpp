#include "TableWriter.h"

#include "CInspectrView.h"
#include "CellText.h"
#include "ColumnId.h"
#include "InspectorRow.h"
#include "frame/ColumnSettings.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kSecondColumnExtra = 100;
constexpr int kColumnExtra = 70;
// A hit's label is kept as it was written, up to what any reader of a cell takes: the lists
// draw from buffers of a few hundred bytes and read at most 4,096 of a cell.
constexpr size_t kHitLabelLimit = 4095;

void CreateRowImages(CInspectrView& view) {
    view.rowImages = ImageList_Create(16, 16, ILC_MASK, 1, 1);
    for (UINT id = IDI_ROW_FIRST; id <= IDI_ROW_LAST; ++id)
        ImageList_AddIcon(view.rowImages, inspLoadIcon(id));
    view.List().SetImageList(view.rowImages, LVSIL_SMALL);
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
    // The drop target is the view's to keep; the list asks for it.
    if (!recreate)
        list.SetCallbackMask(LVIS_DROPHILITED);
}

int ColumnPosition(const CInspectrView& view, int id) {
    for (int i = 0; i < view.columnCount; ++i) {
        if (view.columnIds[i] == id)
            return i;
    }
    return 0;
}

void RetakeNestedPrefix(CInspectrView& view) {
    NestedPrefix& prefix = view.nestedPrefix;
    const InspectorRow* root = view.rootRow.get();
    prefix.root = root;
    prefix.text.clear();
    if (view.nestedLabels != 0 && root != nullptr && !root->isDesktop && !root->gone &&
        root->pad != nullptr)
        prefix.text = NamesAbove(root->pad);
}

namespace {

void SetListCount(CInspectrView& view, int count) {
    RetakeNestedPrefix(view);
    view.suppressItemChange = 1;
    view.List().SetItemCountEx(count);
    view.suppressItemChange = 0;
}

} // namespace

void FillList(CInspectrView& view, InspectorRow* root) {
    SetListCount(view, view.listed.Sync(root));
}

void FillResults(CInspectrView& view) {
    std::vector<InspectorRow*> shown;
    view.hitOfPad.Clear();
    view.hitLabels.clear();
    for (InspectorRow* row = view.searchRows ? view.searchRows->head : nullptr; row != nullptr;
         row = row->next) {
        if (row->shown != 1)
            continue;
        row->listIndex = static_cast<int>(shown.size());
        shown.push_back(row);
        // A pad's first hit is its item, as for the rows of a tree.
        if (!view.hitOfPad.Contains(row->pad))
            view.hitOfPad.Insert(row->pad, row);
    }
    view.hitLabels =
        view.nestedLabels != 0 ? FlatLabelCells(shown, kHitLabelLimit) : std::vector<std::string>();
    if (view.nestedLabels == 0)
        for (InspectorRow* row : shown)
            view.hitLabels.push_back(LabelCellText(*row, false, nullptr, kHitLabelLimit));
    SetListCount(view, view.listed.ListFlat(shown));
}

namespace {

std::string CellOf(const CInspectrView& view, const InspectorRow& row, int index, int subItem,
                   size_t limit) {
    if (subItem == 0 && view.searchMode != 0)
        return static_cast<size_t>(index) < view.hitLabels.size() ? view.hitLabels[size_t(index)]
                                                                  : std::string();
    if (subItem == 0)
        return LabelCellText(row, view.nestedLabels != 0, &view.nestedPrefix, limit);
    // The desktop row shows its label only.
    if (row.isDesktop || subItem >= view.columnCount)
        return std::string();
    return CellText(row, view.columnIds[subItem], view.connectionYes, view.connectionNo);
}

} // namespace

void DescribeItem(const CInspectrView& view, LVITEMA& item) {
    const InspectorRow* row = view.listed.At(item.iItem);
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        size_t limit = static_cast<size_t>(item.cchTextMax - 1);
        std::string text =
            row != nullptr ? CellOf(view, *row, item.iItem, item.iSubItem, limit) : std::string();
        size_t length = std::min(text.size(), limit);
        text.copy(item.pszText, length);
        item.pszText[length] = '\0';
    }
    if ((item.mask & LVIF_IMAGE) != 0)
        item.iImage = row != nullptr ? RowImage(*row) : 0;
    if ((item.mask & LVIF_PARAM) != 0)
        item.lParam = reinterpret_cast<LPARAM>(row);
    if ((item.mask & LVIF_INDENT) != 0)
        item.iIndent = 0;
    if ((item.mask & LVIF_STATE) != 0 && (item.stateMask & LVIS_DROPHILITED) != 0) {
        item.state &= ~static_cast<UINT>(LVIS_DROPHILITED);
        if (item.iSubItem == 0 && item.iItem == view.drag.dropHighlight)
            item.state |= LVIS_DROPHILITED;
    }
}

void UpdateRowCells(CInspectrView& view, InspectorRow* row, int change) {
    if (row == nullptr || row->gone || row->isDesktop || row->shown != 1 ||
        !ListedRows::Holds(*row))
        return;
    auto shown = [&view](int id) { return ColumnPosition(view, id) != 0; };
    bool visible = false;
    switch (change) {
    case Selection:
    case SelectionAlso:
    case LabelChange:
        visible = true;
        break;
    case Geometry:
    case GeometryAlso:
        visible = shown(Position) || shown(Size) || shown(RelativePosition);
        break;
    case Output:
    case OutputAlso:
        visible = shown(OutputSlot) || shown(OutputValue);
        break;
    case PadNameChange:
        visible = shown(PadName);
        break;
    case ConnectionChange:
        visible = shown(Connection);
        break;
    case GroupDepthChange:
        visible = shown(GroupDepth);
        break;
    case PadIdChange:
        visible = shown(PadId);
        break;
    default:
        break;
    }
    if (!visible)
        return;
    int index = ListedRows::IndexOf(*row);
    bool labelChange = change == Selection || change == SelectionAlso || change == LabelChange;
    if (labelChange && view.searchMode != 0 && static_cast<size_t>(index) < view.hitLabels.size())
        view.hitLabels[size_t(index)] =
            LabelCellText(*row, view.nestedLabels != 0, nullptr, kHitLabelLimit);
    view.List().RedrawItems(index, index);
}

void SetChildrenShown(CInspectrView& view, InspectorRow& row, int shown) {
    for (InspectorRow* child = row.children.head; child != nullptr; child = child->next)
        child->shown = shown;
    view.listed.NoteChildrenShown(row);
}

std::string ColumnSetString(const CInspectrView& view) {
    int widths[kMaxColumns] = {};
    for (int i = 0; i < view.columnCount && i < kMaxColumns; ++i)
        widths[i] = view.List().GetColumnWidth(i);
    return FormatColumnSettings(view.columnCount, view.columnIds, widths);
}
