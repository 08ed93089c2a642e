#include "RowFocus.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "Selection.h"
#include "frame/CMainFrame.h"

namespace {

bool ValidIndex(const CInspectrView& view, int index) {
    return index >= 0 && index < view.listed.Size();
}

} // namespace

void SetCurrentRow(CInspectrView& view, InspectorRow* row) {
    if (row == nullptr)
        return;
    if (view.frame != nullptr)
        view.frame->m_wndStatusBar.SetPaneText(0, row->label.c_str());
    view.currentRow = row;
    view.focusIndex = ListIndex(*row);
}

void SetFocusRow(CInspectrView& view, InspectorRow* row) {
    if (!view.rootRow || row == nullptr)
        return;
    CListCtrl& list = view.List();
    if (ValidIndex(view, view.focusIndex))
        list.SetItemState(view.focusIndex, 0, LVIS_FOCUSED);
    int index = ListIndex(*row);
    if (ValidIndex(view, index)) {
        list.SetItemState(index, LVIS_FOCUSED, LVIS_FOCUSED);
        view.focusIndex = index;
        SetCurrentRow(view, RowOfItem(view, index));
    }
}

void MakeCurrent(CInspectrView& view, InspectorRow* row) {
    if (row == nullptr || view.currentRow == row)
        return;
    if (view.currentRow != nullptr && view.currentRow->pad == row->pad) {
        SetFocusRow(view, row);
        return;
    }
    view.currentRow = row;
    SetFocusRow(view, row);
    view.focusIndex = ListIndex(*row);
}

void MoveFocusAndSelect(CInspectrView& view, InspectorRow* row, bool exclusive) {
    if (!view.rootRow || row == nullptr || !ValidIndex(view, view.focusIndex) ||
        !ValidIndex(view, ListIndex(*row)))
        return;
    CListCtrl& list = view.List();
    int oldFocus = view.focusIndex;
    if (exclusive) {
        DeselectAll(view);
        list.SetItemState(oldFocus, 0, LVIS_SELECTED);
    }
    list.SetItemState(oldFocus, 0, LVIS_FOCUSED);
    int index = ListIndex(*row);
    list.SetItemState(index, LVIS_FOCUSED, LVIS_FOCUSED);
    view.focusIndex = index;
    SetCurrentRow(view, RowOfItem(view, index));
    if (exclusive)
        view.anchorRow = CopyRow(*row);
    SelectRow(view, *row);
}

void RestoreFocus(CInspectrView& view) {
    CListCtrl& list = view.List();
    if (list.GetItemCount() == 0)
        return;
    int top = list.GetTopIndex();
    int last = top + list.GetCountPerPage() - 1;
    int focused = list.GetNextItem(-1, LVNI_FOCUSED);
    int target = focused == -1 || focused <= top ? top : focused > last ? last : focused;
    if (target >= list.GetItemCount())
        target = list.GetItemCount() - 1;
    InspectorRow* row = RowOfItem(view, target);
    bool keepAnchor = view.focusIndex == focused;
    SetFocusRow(view, row);
    if (!keepAnchor && row != nullptr)
        view.anchorRow = CopyRow(*row);
    view.Invalidate();
}
