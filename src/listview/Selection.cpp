#include "Selection.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "frame/CMainFrame.h"

int SelectedCount(const CInspectrView& view) {
    CListCtrl& list = view.List();
    int count = static_cast<int>(list.GetSelectedCount());
    if (view.rootRow && view.rootRow->isDesktop && count > 0 &&
        list.GetNextItem(-1, LVNI_SELECTED) == 0)
        --count;
    return count;
}

void SetCurrentRow(CInspectrView& view, InspectorRow* row) {
    if (row == nullptr)
        return;
    if (view.frame != nullptr)
        view.frame->m_wndStatusBar.SetPaneText(0, row->label.c_str());
    view.currentRow = row;
    view.focusIndex = row->listIndex;
}

void SetFocusRow(CInspectrView& view, InspectorRow* row) {
    if (!view.rootRow || row == nullptr)
        return;
    CListCtrl& list = view.List();
    int count = list.GetItemCount();
    if (view.focusIndex >= 0 && view.focusIndex < count)
        list.SetItemState(view.focusIndex, 0, LVIS_FOCUSED);
    if (row->listIndex >= 0 && row->listIndex < count) {
        list.SetItemState(row->listIndex, LVIS_FOCUSED, LVIS_FOCUSED);
        view.focusIndex = row->listIndex;
        SetCurrentRow(view, reinterpret_cast<InspectorRow*>(list.GetItemData(row->listIndex)));
    }
}
