#include "CInspectrView.h"

#include "ContextMenu.h"
#include "DragDrop.h"
#include "Keyboard.h"
#include "Mouse.h"
#include "RowBuilder.h"
#include "RowDump.h"
#include "RowFocus.h"
#include "SearchResults.h"
#include "Selection.h"
#include "TableWriter.h"
#include "dialogs/InsertReplaceRunner.h"
#include "dialogs/MvInspConstDialog.h"
#include "frame/CMainFrame.h"
#include "host/MvPadList.h"
#include "resources/ResourceIds.h"
#include "service/InspectorProbe.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"

IMPLEMENT_DYNCREATE(CInspectrView)

CInspectrView::CInspectrView() {
    inspLoadString(connectionYes, IDS_YES);
    inspLoadString(connectionNo, IDS_NO);
}

CInspectrView::~CInspectrView() {
    // The hits may go before the list that holds them.
    listed.NoteTreeGone();
}

BOOL CInspectrView::PreCreateWindow(CREATESTRUCTA& create) {
    // The list holds no texts: it asks the view for those of the items it shows, so that a
    // change of the tree costs what it changes, however long the table.
    create.style |=
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_NOSORTHEADER | LVS_OWNERDATA;
    return CListView::PreCreateWindow(create);
}

void CInspectrView::OpenTree(MvSimplePad* pad) {
    selectedCount = 0;
    rootRow.reset(pad != nullptr ? BuildRow(*this, pad, nullptr) : BuildDesktopRow(*this));
    if (!rootRow)
        rowCount = 0;
    FillList(*this, rootRow.get());
    MeasureRowHeight();
    ShowCounts();
    currentRow = rootRow.get();
    if (rootRow)
        topRecord = CopyRow(*rootRow);
    focusIndex = 0;
    if (rootRow)
        SetFocusRow(*this, rootRow.get());
}

void CInspectrView::MeasureRowHeight() {
    RECT first{};
    rowHeight = List().GetItemCount() > 0 && List().GetItemRect(0, &first, LVIR_BOUNDS)
                    ? first.bottom - first.top
                    : 0;
}

void CInspectrView::OnKeyCommand(UINT id) {
    ::OnKeyCommand(*this, id);
}

void CInspectrView::ShowCounts() {
    selectedCount = SelectedCount(*this);
    if (frame != nullptr)
        frame->SetCountPane(selectedCount, rowCount);
}

void CInspectrView::FreeTree() {
    currentRow = nullptr;
    listed.NoteTreeGone();
    rowIndex.Clear();
    connectionRows.clear();
    standInRows.clear();
    rootRow.reset();
}

void CInspectrView::RemoveRowFromTree(InspectorRow* row) {
    if (row == nullptr)
        return;
    if (row == rootRow.get()) {
        rowCount -= CountSubtree(row);
        FreeTree();
        return;
    }
    for (const InspectorRow* up = currentRow; up != nullptr && up->depth >= row->depth;
         up = up->parentRow) {
        if (up == row) {
            currentRow = nullptr;
            break;
        }
    }
    listed.NoteRemoving(*row);
    ForEachInSubtree(row, [this](InspectorRow& below) {
        rowIndex.Forget(below);
        if (below.connectionWatched)
            connectionRows.erase(&below);
        if (below.standIn)
            standInRows.erase(&below);
        --rowCount;
    });
    // The row is its parent's member: unlinked where it is, without a walk of its siblings.
    if (row->parentRow != nullptr)
        Unlink(row->parentRow->children, *row);
}

void CInspectrView::ReleasePads() {
    suppressItemChange = 1;
    FreeTree();
    listed.Sync(nullptr);
    List().SetItemCountEx(0, 0);
    suppressItemChange = 0;
    rowCount = 0;
    topRecord.reset();
    anchorRow.reset();
    if (selectedPadSet.Live())
        selectedPadSet.Open();
    if (savedSelection)
        savedSelection = std::make_unique<RowList>();
    if (selectedPads) {
        publishedChanges += selectedPads->length();
        selectedPads->clear();
    }
    hitOfPad.Clear();
    hitIndex.Clear();
    hitLabels.clear();
    searchRows.reset();
}

void CInspectrView::OnDestroy() {
    CancelRowDrag(*this);
    // A search-result view only lets go of the tree it follows.
    FreeTree();
    topRecord.reset();
    anchorRow.reset();
    if (CInspectrView* source = SourceView(*this))
        source->searchFrame = nullptr;
    else if (searchMode == 0 && closing == 0 && frame != nullptr)
        inspectorRemoveFrame(frame);
    selectedPadSet.Close();
    savedSelection.reset();
    selectedPads.reset();
    hitOfPad.Clear();
    hitIndex.Clear();
    hitLabels.clear();
    searchRows.reset();
    if (rowImages != nullptr) {
        ImageList_Destroy(rowImages);
        rowImages = nullptr;
    }
    CListView::OnDestroy();
}

BOOL CInspectrView::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_INSP_DESCRIBEROWS) {
        int count = 0;
        if (auto* out = reinterpret_cast<std::string*>(lParam))
            *out = searchMode != 0 ? DescribeRowList(searchRows.get(), &count)
                                   : DescribeRows(rootRow.get(), &count);
        *result = count;
        return TRUE;
    }
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (!CancelRowDrag(*this))
            OnLeftButtonDown(*this, static_cast<UINT>(wParam), point);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        OnLeftDoubleClick(*this, point);
        return TRUE;
    case WM_RBUTTONDOWN:
        if (!CancelRowDrag(*this))
            OnRightButtonDown(*this, static_cast<UINT>(wParam), point);
        return TRUE;
    case WM_MOUSEMOVE:
        if (drag.dragging)
            DragMouseMove(*this, point);
        return CListView::OnWndMsg(msg, wParam, lParam, result);
    case WM_TIMER:
        return DragTimer(*this, wParam) || CListView::OnWndMsg(msg, wParam, lParam, result);
    case WM_LBUTTONUP: {
        // A drop that closed the Inspector leaves no window to hand the message to.
        if (!DropRow(*this, point))
            return TRUE;
        // The control may leave the pressed row alone selected now, a deselection of every
        // row and a selection of one that reach the host as one change, as a press does.
        PublishingSuspended suspended(*this);
        OnLeftButtonUp(*this, [&] {
            if (!CListView::OnWndMsg(msg, wParam, lParam, result))
                *result = Default();
        });
        return TRUE;
    }
    case WM_RBUTTONUP:
        // The right press was the view's own and never reached the control, so neither does
        // its release: the control would answer a release of its own with the context menu,
        // a second one after a click, one nobody asked for after a drag that did not start.
        DropRow(*this, point);
        return TRUE;
    case WM_CONTEXTMENU:
        if (point.x != -1 || point.y != -1)
            ::ScreenToClient(m_hWnd, &point);
        ShowContextMenu(*this, point);
        return TRUE;
    default:
        return CListView::OnWndMsg(msg, wParam, lParam, result);
    }
}

BOOL CInspectrView::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (msg == WM_NOTIFY && header != nullptr && header->code == LVN_ODSTATECHANGED) {
        auto* change = reinterpret_cast<NMLVODSTATECHANGE*>(lParam);
        OnItemRangeChanged(*this, change->iFrom, change->iTo);
        *result = 0;
        return TRUE;
    }
    if (msg == WM_NOTIFY && header != nullptr && header->code == LVN_ITEMCHANGED) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
        OnItemChanged(*this, change->iItem, change->uChanged, change->uOldState, change->uNewState);
        *result = 0;
        return TRUE;
    }
    // The table has no search by the letters typed: an owner-data list asks its parent for
    // the item whose text begins with them (in either character set, whatever the parent's),
    // and would take an unanswered question for item 0.
    if (msg == WM_NOTIFY && header != nullptr &&
        (header->code == LVN_ODFINDITEMA || header->code == LVN_ODFINDITEMW)) {
        *result = -1;
        return TRUE;
    }
    if (msg == WM_NOTIFY && header != nullptr && header->code == LVN_GETDISPINFO) {
        DescribeItem(*this, reinterpret_cast<NMLVDISPINFOA*>(lParam)->item);
        *result = 0;
        return TRUE;
    }
    if (msg == WM_NOTIFY && header != nullptr &&
        (header->code == LVN_BEGINDRAG || header->code == LVN_BEGINRDRAG)) {
        auto* notice = reinterpret_cast<NMLISTVIEW*>(lParam);
        BeginRowDrag(*this, notice->iItem, notice->ptAction);
        *result = 0;
        return TRUE;
    }
    return CListView::OnChildNotify(msg, wParam, lParam, result);
}
