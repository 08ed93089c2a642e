#include "Keyboard.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "Mouse.h"
#include "RowFocus.h"
#include "Selection.h"
#include "frame/CMainFrame.h"
#include "resources/CommandIds.h"

#include <algorithm>

namespace {

// The visible rows when a command starts: top and bottom item, rows per page (at least 1) and
// the last item.
struct Page {
    int top;
    int page;
    int bottom;
    int last;
};

Page PageOf(const CInspectrView& view) {
    CListCtrl& list = view.List();
    int top = list.GetTopIndex();
    int page = std::max(list.GetCountPerPage(), 1);
    return {top, page, top + page - 1, list.GetItemCount() - 1};
}

// Scrolls so that the top row is `rows` below the one that was on top when the command
// started (negative: above), by whole rows. Counted from then, not from now: a list control
// may already have scrolled a newly focused item into view by itself.
void ScrollRows(CInspectrView& view, int fromTop, int rows) {
    int by = fromTop + rows - view.List().GetTopIndex();
    if (by != 0)
        view.List().Scroll(SIZE{0, by * view.rowHeight});
}

// How a command that jumps to an item treats the selection.
enum class Move { Exclusive, Extend, FocusOnly };

void MoveTo(CInspectrView& view, int target, Move move) {
    InspectorRow* row = RowOfItem(view, target);
    if (row == nullptr)
        return;
    if (move == Move::FocusOnly) {
        SetFocusRow(view, row);
        return;
    }
    MoveFocusAndSelect(view, row, move == Move::Exclusive);
    if (move == Move::Extend)
        SelectRange(view, target, true);
}

// The item becomes the focus, the only selected row and the anchor.
void FocusAlone(CInspectrView& view, InspectorRow* row) {
    DeselectAll(view);
    SetFocusRow(view, row);
    SelectRow(view, *row);
    view.anchorRow = CopyRow(*row);
}

// One row down (+1) or up (-1) from the focus, item 0 when there is no focus.
void StepFocus(CInspectrView& view, int step, Move move) {
    Page page = PageOf(view);
    int focus = view.focusIndex;
    bool atEnd = step > 0 ? focus == page.last : focus == 0;
    if (step < 0 && move == Move::Extend && focus < 0) {
        view.focusIndex = 0;
        return;
    }
    InspectorRow* row = atEnd ? nullptr : RowOfItem(view, focus < 0 ? 0 : focus + step);
    if (row != nullptr) {
        if (move == Move::Exclusive) {
            FocusAlone(view, row);
        } else {
            SetFocusRow(view, row);
            if (move == Move::Extend)
                SelectRange(view, ListIndex(*row), true);
        }
        if (step > 0 && ListIndex(*row) > page.bottom)
            ScrollRows(view, page.top, 1);
        else if (step < 0 && focus == page.top && page.top > 0)
            ScrollRows(view, page.top, -1);
        else
            ScrollRows(view, page.top, 0);
    }
    ScrollFocusIntoView(view);
}

void Home(CInspectrView& view, Move move) {
    int top = view.List().GetTopIndex();
    MoveTo(view, 0, move);
    ScrollRows(view, top, -top);
}

void End(CInspectrView& view, Move move) {
    Page page = PageOf(view);
    if (page.last < 1)
        return;
    MoveTo(view, page.last, move);
    if (page.last > page.bottom)
        ScrollRows(view, page.top, page.last - page.bottom);
}

// A first press goes to the edge of the page, the next pages on; a focus out of sight pages
// from where it is and brings the target to the edge.
void PageDown(CInspectrView& view, Move move) {
    Page page = PageOf(view);
    int focus = view.focusIndex;
    int edge = std::min(page.bottom, page.last);
    int target = std::min(focus + page.page - 1, page.last);
    int scroll = 0;
    if (focus > page.bottom)
        scroll = target - page.bottom;
    else if (focus != edge)
        target = edge;
    else
        scroll = page.page - 1;
    MoveTo(view, target, move);
    ScrollRows(view, page.top, scroll);
}

void PageUp(CInspectrView& view, Move move) {
    Page page = PageOf(view);
    int focus = view.focusIndex;
    int target = std::max(focus - page.page + 1, 0);
    int scroll = 0;
    if (focus < page.top)
        scroll = target - page.top;
    else if (focus != page.top)
        target = page.top;
    else
        scroll = -(page.page - 1);
    MoveTo(view, target, move);
    ScrollRows(view, page.top, scroll);
}

// The row is the one its item shows, so its index can be trusted.
bool Listed(const CInspectrView& view, const InspectorRow* row) {
    return row != nullptr && RowOfItem(view, ListIndex(*row)) == row;
}

// Collapses or expands the current row's children. A plain key makes the row the only
// selected one and the anchor; Ctrl keeps the selection of the rows still listed.
void ToggleCurrent(CInspectrView& view, InspectorRow* row, bool keepSelection) {
    if (keepSelection) {
        SaveSelection(view);
        ToggleChildren(view, *row);
        RestoreSelection(view);
        SetFocusRow(view, row);
        return;
    }
    DeselectAll(view);
    SelectRow(view, *row);
    view.anchorRow = CopyRow(*row);
    ToggleChildren(view, *row);
}

void Left(CInspectrView& view, bool ctrl) {
    InspectorRow* row = view.currentRow;
    if (!Listed(view, row))
        return;
    if (HasChildren(*row) && row->children.head->shown) {
        ToggleCurrent(view, row, ctrl);
    } else if (InspectorRow* parent = row->parentRow; Listed(view, parent)) {
        int top = view.List().GetTopIndex();
        if (ctrl)
            SetFocusRow(view, parent);
        else
            MoveFocusAndSelect(view, parent, true);
        if (ListIndex(*parent) < top)
            ScrollRows(view, top, ListIndex(*parent) - top);
    }
    ScrollFocusIntoView(view);
}

void Right(CInspectrView& view, bool ctrl) {
    InspectorRow* row = view.currentRow;
    if (!Listed(view, row) || !HasChildren(*row))
        return;
    InspectorRow* child = row->children.head;
    if (!child->shown) {
        ToggleCurrent(view, row, ctrl);
    } else if (!ctrl) {
        StepFocus(view, 1, Move::Exclusive);
        return;
    } else if (Listed(view, child)) {
        Page page = PageOf(view);
        SetFocusRow(view, child);
        ScrollRows(view, page.top, ListIndex(*child) > page.bottom ? 1 : 0);
    }
    ScrollFocusIntoView(view);
}

void Space(CInspectrView& view, UINT id) {
    InspectorRow* row = view.currentRow;
    if (row == nullptr)
        return;
    if (id == ID_KEY_SPACE) {
        SelectRow(view, *row);
    } else if (id == ID_KEY_SHIFT_SPACE) {
        SelectRange(view, ListIndex(*row), true);
        MakeCurrent(view, row);
    } else {
        view.anchorRow = CopyRow(*row);
        if (RowSelected(view, *row))
            DeselectRow(view, *row);
        else
            SelectRow(view, *row);
    }
}

void Enter(CInspectrView& view) {
    InspectorRow* row = view.currentRow;
    if (row == nullptr)
        return;
    DeselectAll(view);
    SelectRow(view, *row);
    view.anchorRow = CopyRow(*row);
    ToggleChildren(view, *row);
}

bool MovesInTree(UINT id) {
    switch (id) {
    case ID_KEY_LEFT:
    case ID_KEY_SHIFT_LEFT:
    case ID_KEY_CTRL_LEFT:
    case ID_KEY_RIGHT:
    case ID_KEY_SHIFT_RIGHT:
    case ID_KEY_CTRL_RIGHT:
    case ID_KEY_ENTER:
        return true;
    default:
        return false;
    }
}

// The key grid: 32777 to 32806 but for Insert/Replace and the keys kept from the host.
bool IsGridKey(UINT id) {
    return id >= ID_KEY_CTRL_LEFT && id <= ID_KEY_SHIFT_SPACE && id != ID_EDIT_INSERT_REPLACE &&
           id != ID_KEY_SWALLOW;
}

bool KeepsSelection(UINT id) {
    switch (id) {
    case ID_KEY_CTRL_DOWN:
    case ID_KEY_CTRL_UP:
    case ID_KEY_CTRL_HOME:
    case ID_KEY_CTRL_END:
    case ID_KEY_CTRL_PAGE_DOWN:
    case ID_KEY_CTRL_PAGE_UP:
        return true;
    default:
        return false;
    }
}

// The list a key moves in: the search-results window's while that window is active. A
// results list is flat, so the keys that open and close rows do nothing there.
CInspectrView* KeyTarget(CInspectrView& view, UINT id) {
    CMainFrame* results = view.searchFrame;
    if (results != nullptr && results->m_pInspView != nullptr &&
        ::GetActiveWindow() == results->m_hWnd)
        return MovesInTree(id) ? nullptr : results->m_pInspView;
    if (view.frame != nullptr && view.frame->m_bSearchFrame && MovesInTree(id))
        return nullptr;
    return &view;
}

void RunKey(CInspectrView& view, UINT id) {
    switch (id) {
    case ID_KEY_DOWN:
        return StepFocus(view, 1, Move::Exclusive);
    case ID_KEY_SHIFT_DOWN:
        return StepFocus(view, 1, Move::Extend);
    case ID_KEY_CTRL_DOWN:
        return StepFocus(view, 1, Move::FocusOnly);
    case ID_KEY_UP:
        return StepFocus(view, -1, Move::Exclusive);
    case ID_KEY_SHIFT_UP:
        return StepFocus(view, -1, Move::Extend);
    case ID_KEY_CTRL_UP:
        return StepFocus(view, -1, Move::FocusOnly);
    case ID_KEY_HOME:
        return Home(view, Move::Exclusive);
    case ID_KEY_SHIFT_HOME:
        return Home(view, Move::Extend);
    case ID_KEY_CTRL_HOME:
        return Home(view, Move::FocusOnly);
    case ID_KEY_END:
        return End(view, Move::Exclusive);
    case ID_KEY_SHIFT_END:
        return End(view, Move::Extend);
    case ID_KEY_CTRL_END:
        return End(view, Move::FocusOnly);
    case ID_KEY_PAGE_DOWN:
        return PageDown(view, Move::Exclusive);
    case ID_KEY_SHIFT_PAGE_DOWN:
        return PageDown(view, Move::Extend);
    case ID_KEY_CTRL_PAGE_DOWN:
        return PageDown(view, Move::FocusOnly);
    case ID_KEY_PAGE_UP:
        return PageUp(view, Move::Exclusive);
    case ID_KEY_SHIFT_PAGE_UP:
        return PageUp(view, Move::Extend);
    case ID_KEY_CTRL_PAGE_UP:
        return PageUp(view, Move::FocusOnly);
    case ID_KEY_LEFT:
    case ID_KEY_SHIFT_LEFT:
        return Left(view, false);
    case ID_KEY_CTRL_LEFT:
        return Left(view, true);
    case ID_KEY_RIGHT:
    case ID_KEY_SHIFT_RIGHT:
        return Right(view, false);
    case ID_KEY_CTRL_RIGHT:
        return Right(view, true);
    case ID_KEY_SPACE:
    case ID_KEY_SHIFT_SPACE:
    case ID_KEY_CTRL_SPACE:
        return Space(view, id);
    case ID_KEY_ENTER:
        return Enter(view);
    default:
        return;
    }
}

} // namespace

void ScrollFocusIntoView(CInspectrView& view) {
    Page page = PageOf(view);
    if (view.focusIndex < page.top)
        ScrollRows(view, page.top, view.focusIndex - page.top);
    else if (view.focusIndex > page.bottom)
        ScrollRows(view, page.top, view.focusIndex - page.bottom);
    view.Invalidate();
}

void OnKeyCommand(CInspectrView& view, UINT id) {
    if (!IsGridKey(id))
        return;
    CInspectrView* target = KeyTarget(view, id);
    if (target == nullptr || view.drag.dragging || target->drag.dragging || !target->rootRow)
        return;
    if (KeepsSelection(id)) {
        RunKey(*target, id);
    } else {
        PublishingSuspended suspended(*target);
        RunKey(*target, id);
    }
    target->Invalidate();
}
