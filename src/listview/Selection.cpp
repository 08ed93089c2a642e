#include "Selection.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "SearchResults.h"
#include "frame/CMainFrame.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"

namespace {

// The desktop row, gone rows and pads kept from the property window are selected in the
// list only.
bool Publishable(const InspectorRow& row) {
    return !row.gone && !row.isDesktop && row.pad != nullptr &&
           row.pad->isProtected2(kProtectProperty) != 1;
}

bool HasSelectedPad(const CInspectrView& view, const MvSimplePad* pad) {
    return view.selectedRows && view.selectedPadSet.Contains(pad);
}

// Callers have made sure that the pad has no copy yet.
void AddSelectedCopy(CInspectrView& view, const InspectorRow& row) {
    auto copy = CopyRow(row);
    copy->listSelected = 1;
    AppendUnchecked(*view.selectedRows, std::move(copy));
    view.selectedPadSet.Insert(row.pad, true);
}

void RemoveSelectedCopy(CInspectrView& view, const MvSimplePad* pad) {
    if (!view.selectedPadSet.Contains(pad))
        return;
    InspectorRow probe;
    probe.pad = const_cast<MvSimplePad*>(pad);
    Remove(*view.selectedRows, probe);
    view.selectedPadSet.Erase(pad);
}

bool ValidIndex(const CInspectrView& view, int index) {
    return index >= 0 && index < view.List().GetItemCount();
}

} // namespace

int ItemOfPad(const CInspectrView& view, const MvSimplePad* pad) {
    const int* item = view.itemOfPad.Find(pad);
    if (item == nullptr)
        return -1;
    InspectorRow* row = RowOfItem(view, *item);
    return row != nullptr && row->pad == pad ? *item : -1;
}

InspectorRow* RowOfItem(const CInspectrView& view, int index) {
    if (!ValidIndex(view, index))
        return nullptr;
    return reinterpret_cast<InspectorRow*>(view.List().GetItemData(index));
}

void PublishSelection(CInspectrView& view, int op, MvSimplePad* pad) {
    if (pad != nullptr)
        ++view.publishedChanges;
    if (pad != nullptr && view.selectedPads) {
        if (op == 1)
            view.selectedPads->append(pad);
        else
            view.selectedPads->remove(pad);
    }
    if (view.publishEnabled == 1 && view.frameActive == 1)
        SetPadProperty(view.selectedPads.get(), view.titleName.c_str(), 0);
}

// Holds a view's publishing while a change of many rows runs, and hands the host the view's
// pads once at the end when they changed: the host reads the whole list every time.
class PublishHold {
public:
    explicit PublishHold(CInspectrView* view)
        : view_(view), enabled_(view ? view->publishEnabled : 0),
          changes_(view ? view->publishedChanges : 0) {
        if (view_ != nullptr)
            view_->publishEnabled = 0;
    }
    ~PublishHold() {
        if (view_ == nullptr)
            return;
        view_->publishEnabled = enabled_;
        if (enabled_ == 1 && view_->publishedChanges != changes_)
            PublishSelection(*view_, 1, nullptr);
    }
    PublishHold(const PublishHold&) = delete;
    PublishHold& operator=(const PublishHold&) = delete;

private:
    CInspectrView* view_;
    int enabled_;
    int changes_;
};

namespace {

// A change of many rows reaches the host once, for the view and for the view its selection
// is mirrored into.
class PublishOnce {
public:
    explicit PublishOnce(CInspectrView& view) : own_(&view), partner_(MirrorPartner(view)) {}

private:
    PublishHold own_;
    PublishHold partner_;
};

} // namespace

PublishingSuspended::PublishingSuspended(CInspectrView& view)
    : view_(view), partner_(std::make_unique<PublishHold>(MirrorPartner(view))) {
    view_.publishEnabled = 0;
}

PublishingSuspended::~PublishingSuspended() {
    view_.publishEnabled = 1;
    PublishSelection(view_, 1, nullptr);
}

void SelectRow(CInspectrView& view, const InspectorRow& row) {
    if (!view.rootRow || !view.selectedRows)
        return;
    int item = ItemOfPad(view, row.pad);
    InspectorRow* listed = RowOfItem(view, item);
    if (listed == nullptr || listed->shown != 1)
        return;
    // The control refuses the selected state to a row that may not have it; the row and the
    // selection list follow the item only.
    CListCtrl& list = view.List();
    list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    if (list.GetItemState(item, LVIS_SELECTED) == 0 || RowOfItem(view, item) != listed)
        return;
    if (!HasSelectedPad(view, listed->pad)) {
        AddSelectedCopy(view, *listed);
        if (Publishable(*listed))
            PublishSelection(view, 1, listed->pad);
    }
    listed->listSelected = 1;
}

void DeselectRow(CInspectrView& view, const InspectorRow& row) {
    if (!view.rootRow || !view.selectedRows)
        return;
    // `row` may be the very copy that is removed here.
    MvSimplePad* pad = row.pad;
    bool publishable = Publishable(row);
    RemoveSelectedCopy(view, pad);
    if (publishable)
        PublishSelection(view, 0, pad);
    int item = ItemOfPad(view, pad);
    if (InspectorRow* listed = RowOfItem(view, item)) {
        listed->listSelected = 0;
        view.List().SetItemState(item, 0, LVIS_SELECTED);
    }
}

void DeselectAll(CInspectrView& view) {
    PublishOnce once(view);
    if (view.selectedRows) {
        while (view.selectedRows->head != nullptr)
            DeselectRow(view, *view.selectedRows->head);
    }
    CListCtrl& list = view.List();
    for (int item = list.GetNextItem(-1, LVNI_SELECTED); item != -1 && list.GetSelectedCount() > 0;
         item = list.GetNextItem(-1, LVNI_SELECTED))
        list.SetItemState(item, 0, LVIS_SELECTED);
}

void SelectRange(CInspectrView& view, int toIndex, bool clearFirst) {
    // The anchor is a copy: its row's item is looked up, since rows above may have gone.
    int from = view.anchorRow ? ItemOfPad(view, view.anchorRow->pad) : -1;
    if (from == -1) {
        if (!view.topRecord)
            return;
        view.anchorRow = CopyRow(*view.topRecord);
        from = view.anchorRow->listIndex;
    }
    PublishOnce once(view);
    if (clearFirst)
        DeselectAll(view);
    int step = from < toIndex ? 1 : -1;
    for (int i = from;; i += step) {
        if (InspectorRow* row = RowOfItem(view, i))
            SelectRow(view, *row);
        if (i == toIndex)
            break;
    }
}

void SelectAll(CInspectrView& view, bool clearFirst) {
    PublishOnce once(view);
    if (clearFirst)
        DeselectAll(view);
    view.selectedPadSet.Reserve(static_cast<size_t>(view.List().GetItemCount()));
    for (int i = 0; i < view.List().GetItemCount(); ++i) {
        if (InspectorRow* row = RowOfItem(view, i))
            SelectRow(view, *row);
    }
}

int SelectedCount(const CInspectrView& view) {
    CListCtrl& list = view.List();
    int count = static_cast<int>(list.GetSelectedCount());
    // Item 0 of a search-result view is a hit, whatever the root of its source is.
    if (view.searchMode == 0 && view.rootRow && view.rootRow->isDesktop && count > 0 &&
        list.GetItemState(0, LVIS_SELECTED) != 0)
        --count;
    return count;
}

void CopySelection(const CInspectrView& view, RowList& list) {
    if (!view.selectedRows)
        return;
    // selectedRows holds one copy per pad, so an empty list needs no look for duplicates.
    bool fresh = list.head == nullptr;
    for (const InspectorRow* row = view.selectedRows->head; row != nullptr; row = row->next) {
        if (fresh)
            AppendUnchecked(list, CopyRow(*row));
        else
            Append(list, CopyRow(*row));
    }
}

void SelectRows(CInspectrView& view, const RowList& list) {
    PublishOnce once(view);
    DeselectAll(view);
    view.Invalidate();
    for (const InspectorRow* row = list.head; row != nullptr; row = row->next) {
        if (ItemOfPad(view, row->pad) != -1)
            SelectRow(view, *row);
    }
}

void SaveSelection(CInspectrView& view) {
    view.savedSelection = std::make_unique<RowList>();
    CopySelection(view, *view.savedSelection);
    DeselectAll(view);
    view.Invalidate();
}

void RestoreSelection(CInspectrView& view) {
    PublishOnce once(view);
    view.selectedRows = std::make_unique<RowList>();
    view.selectedPadSet.Clear();
    if (!view.savedSelection)
        return;
    for (const InspectorRow* row = view.savedSelection->head; row != nullptr; row = row->next) {
        if (ItemOfPad(view, row->pad) != -1)
            SelectRow(view, *row);
    }
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
    if (ValidIndex(view, view.focusIndex))
        list.SetItemState(view.focusIndex, 0, LVIS_FOCUSED);
    if (ValidIndex(view, row->listIndex)) {
        list.SetItemState(row->listIndex, LVIS_FOCUSED, LVIS_FOCUSED);
        view.focusIndex = row->listIndex;
        SetCurrentRow(view, RowOfItem(view, row->listIndex));
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
    view.focusIndex = row->listIndex;
}

void MoveFocusAndSelect(CInspectrView& view, InspectorRow* row, bool exclusive) {
    if (!view.rootRow || row == nullptr || !ValidIndex(view, view.focusIndex) ||
        !ValidIndex(view, row->listIndex))
        return;
    CListCtrl& list = view.List();
    int oldFocus = view.focusIndex;
    if (exclusive) {
        DeselectAll(view);
        list.SetItemState(oldFocus, 0, LVIS_SELECTED);
    }
    list.SetItemState(oldFocus, 0, LVIS_FOCUSED);
    list.SetItemState(row->listIndex, LVIS_FOCUSED, LVIS_FOCUSED);
    view.focusIndex = row->listIndex;
    SetCurrentRow(view, RowOfItem(view, row->listIndex));
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

bool OnItemChanging(const CInspectrView& view, int item, unsigned changed, unsigned oldState,
                    unsigned newState) {
    bool selecting = (changed & LVIF_STATE) != 0 && (newState & LVIS_SELECTED) != 0 &&
                     (oldState & LVIS_SELECTED) == 0;
    const InspectorRow* row = selecting ? RowOfItem(view, item) : nullptr;
    return row != nullptr && row->gone != 0;
}

void OnItemChanged(CInspectrView& view, int item, unsigned changed, unsigned oldState,
                   unsigned newState) {
    if (view.suppressItemChange == 1 || (changed & LVIF_STATE) == 0 || !view.selectedRows)
        return;
    InspectorRow* row = RowOfItem(view, item);
    if (row == nullptr)
        return;
    CListCtrl& list = view.List();
    bool selected = list.GetItemState(item, LVIS_SELECTED) != 0;
    if (selected) {
        if (!HasSelectedPad(view, row->pad)) {
            row->listSelected = 1;
            AddSelectedCopy(view, *row);
            if (Publishable(*row))
                PublishSelection(view, 1, row->pad);
        }
    } else if (HasSelectedPad(view, row->pad)) {
        row->listSelected = 0;
        RemoveSelectedCopy(view, row->pad);
        if (Publishable(*row))
            PublishSelection(view, 0, row->pad);
    }
    if (((oldState ^ newState) & LVIS_SELECTED) != 0)
        MirrorSelection(view, *row, selected);
    view.ShowCounts();
    if (list.GetItemState(item, LVIS_FOCUSED) != 0 && item != view.focusIndex) {
        view.focusIndex = item;
        SetCurrentRow(view, row);
    }
}
