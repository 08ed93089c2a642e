#include "DragDrop.h"

#include "CInspectrView.h"
#include "RowFocus.h"
#include "Selection.h"
#include "dialogs/InsertReplaceRunner.h"
#include "dialogs/PasteRules.h"
#include "frame/CMainFrame.h"
#include "host/MvHostServices.h"

namespace {

constexpr UINT kScrollPeriod = 100;
constexpr std::uintptr_t kFirstScrollTimer = 2;
// SetTimer fails only for a window that is gone; the search for a free id stops somewhere.
constexpr std::uintptr_t kLastScrollTimer = 64;

POINT Minus(POINT a, POINT b) {
    return {a.x - b.x, a.y - b.y};
}

POINT Plus(POINT a, POINT b) {
    return {a.x + b.x, a.y + b.y};
}

bool IsSearchView(const CInspectrView& view) {
    return view.frame != nullptr && view.frame->m_bSearchFrame != 0;
}

int ItemAt(const CInspectrView& view, POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    int item = view.List().HitTest(&hit);
    return item >= 0 && (hit.flags & LVHT_ONITEM) != 0 ? item : -1;
}

void Repaint(CInspectrView& view) {
    view.Invalidate();
    view.UpdateWindow();
}

// The highlight is the view's own: an owner-data list keeps no state but selection and focus,
// and asks the view for this one (DescribeItem).
void ClearHighlight(CInspectrView& view) {
    int item = view.drag.dropHighlight;
    view.drag.dropHighlight = -1;
    if (item >= 0)
        view.List().RedrawItems(item, item);
}

// The item under the cursor becomes the target; it is highlighted when its pad may take
// part in an Insert/Replace.
void TrackTarget(CInspectrView& view, int item) {
    ListDrag& drag = view.drag;
    if (item < 0) {
        ClearHighlight(view);
        return;
    }
    drag.dragOver = item;
    if (item == drag.dropHighlight)
        return;
    ClearHighlight(view);
    if (IsPasteEligible(RowOfItem(view, item))) {
        drag.dropHighlight = item;
        view.List().RedrawItems(item, item);
    }
}

void StartScrollTimer(CInspectrView& view) {
    for (std::uintptr_t id = kFirstScrollTimer; id <= kLastScrollTimer; ++id) {
        if (::SetTimer(view.m_hWnd, id, kScrollPeriod, nullptr) != 0) {
            view.drag.scrollTimer = id;
            return;
        }
    }
}

void KillScrollTimer(CInspectrView& view) {
    ListDrag& drag = view.drag;
    if (drag.scrollTimer != 0)
        ::KillTimer(view.m_hWnd, drag.scrollTimer);
    drag.scrollTimer = 0;
    drag.scrollDirection = 0;
}

// +1 in the band around the first visible row while rows are hidden above it, -1 from the
// last visible row down while rows are hidden below it, else 0.
int ScrollZone(const CInspectrView& view, POINT point) {
    CListCtrl& list = view.List();
    int top = list.GetTopIndex();
    int last = top + list.GetCountPerPage() - 1;
    RECT client{};
    ::GetClientRect(view.m_hWnd, &client);
    RECT first{};
    if (!list.GetItemRect(top, &first, LVIR_BOUNDS))
        return 0;
    int height = first.bottom - first.top;
    if (top > 0 && first.left < point.x && point.x < first.left + client.right &&
        first.top - height < point.y && point.y < first.bottom)
        return 1;
    RECT lastBounds{};
    if (last < list.GetItemCount() - 1 && list.GetItemRect(last, &lastBounds, LVIR_BOUNDS) &&
        lastBounds.left < point.x && point.x < lastBounds.left + client.right &&
        lastBounds.top < point.y && point.y < first.top + client.bottom)
        return -1;
    return 0;
}

// Puts the image, the capture and the framework's timers back as they were before the drag.
void EndDrag(CInspectrView& view) {
    ListDrag& drag = view.drag;
    drag.dragging = 0;
    ImageList_DragLeave(view.m_hWnd);
    ImageList_EndDrag();
    MwSetTimerStop(drag.savedTimerState);
    ::ReleaseCapture();
    if (drag.dragImage != nullptr) {
        ImageList_Destroy(drag.dragImage);
        drag.dragImage = nullptr;
    }
}

bool StillServes(HWND window, const CInspectrView* view) {
    return ::IsWindow(window) && CWnd::FromHandlePermanent(window) == view;
}

// After the dialog: the dragged pad's row, where the list still shows it, becomes the only
// selected row and the focus.
void SelectDraggedPad(CInspectrView& view, MvSimplePad* pad) {
    if (view.FindRow(pad) == nullptr)
        return;
    DeselectAll(view);
    int item = ItemOfPad(view, pad);
    if (item >= 0)
        MoveFocusAndSelect(view, RowOfItem(view, item), true);
}

} // namespace

void BeginRowDrag(CInspectrView& view, int item, POINT start) {
    // The control began a drag: its release leaves the selection as it is.
    view.pressedInSelection.reset();
    ListDrag& drag = view.drag;
    CListCtrl& list = view.List();
    if (drag.dragging != 0 || list.GetSelectedCount() >= 2 || IsSearchView(view) ||
        !IsPasteEligible(RowOfItem(view, item)))
        return;
    drag.savedTimerState = MwSetTimerStop(1);
    drag.dragging = 1;
    drag.dragOver = -1;
    drag.dragSource = item;

    POINT position{};
    POINT origin{};
    POINT corner{};
    list.GetItemPosition(item, &position);
    list.GetOrigin(&origin);
    drag.dragImage = list.CreateDragImage(item, &corner);
    drag.dragOffset = Minus(start, corner);
    drag.hotSpot = Plus(Minus(start, position), origin);

    POINT image = Minus(start, drag.dragOffset);
    ImageList_DragShowNolock(TRUE);
    ImageList_SetDragCursorImage(drag.dragImage, 0, drag.hotSpot.x, drag.hotSpot.y);
    ImageList_BeginDrag(drag.dragImage, 0, 0, 0);
    ImageList_DragEnter(view.m_hWnd, image.x, image.y);
    ImageList_DragMove(image.x, image.y);
    drag.lastImagePos = image;
    ::SetCapture(view.m_hWnd);
}

bool BeginRightDrag(CInspectrView& view, POINT point) {
    int item = ItemAt(view, point);
    POINT screen = point;
    if (item < 0 || !::ClientToScreen(view.m_hWnd, &screen) || !::DragDetect(view.m_hWnd, screen))
        return false;
    BeginRowDrag(view, item, point);
    return true;
}

void DragMouseMove(CInspectrView& view, POINT point) {
    ListDrag& drag = view.drag;
    POINT image = Minus(point, drag.dragOffset);
    ImageList_DragMove(image.x, image.y);

    if (int direction = ScrollZone(view, point); direction != 0) {
        if (drag.scrollTimer == 0)
            StartScrollTimer(view);
        drag.scrollDirection = direction;
    } else {
        KillScrollTimer(view);
    }

    ImageList_DragLeave(view.m_hWnd);
    TrackTarget(view, ItemAt(view, point));

    Repaint(view);
    ImageList_DragEnter(view.m_hWnd, image.x, image.y);
    drag.lastImagePos = image;
}

bool DragTimer(CInspectrView& view, std::uintptr_t id) {
    ListDrag& drag = view.drag;
    if (drag.scrollTimer == 0 || id != drag.scrollTimer || drag.scrollDirection == 0)
        return false;
    ImageList_DragLeave(view.m_hWnd);
    CListCtrl& list = view.List();
    int top = list.GetTopIndex();
    list.Scroll(SIZE{0, drag.scrollDirection > 0 ? -view.rowHeight : view.rowHeight});
    // The rows moved under a still cursor: the target follows the row now under it, so
    // that the drop goes where the highlight is.
    if (list.GetTopIndex() != top) {
        int item = ItemAt(view, Plus(drag.lastImagePos, drag.dragOffset));
        if (item != drag.dropHighlight)
            TrackTarget(view, item);
    }
    Repaint(view);
    view.Default();
    ImageList_DragEnter(view.m_hWnd, drag.lastImagePos.x, drag.lastImagePos.y);
    int direction = drag.scrollDirection;
    KillScrollTimer(view);
    StartScrollTimer(view);
    drag.scrollDirection = direction;
    return true;
}

bool DropRow(CInspectrView& view, POINT point) {
    ListDrag& drag = view.drag;
    if (drag.dragging == 0)
        return true;
    EndDrag(view);
    if (ItemAt(view, point) >= 0 && drag.dragOver >= 0 && drag.dragOver != drag.dragSource) {
        KillScrollTimer(view);
        auto pads =
            PastePadsOfDrop(RowOfItem(view, drag.dragSource), RowOfItem(view, drag.dragOver));
        if (pads && view.insertReplace) {
            HWND window = view.m_hWnd;
            int rootReplaced = view.insertReplace->Run(pads->from, pads->to);
            if (!StillServes(window, &view))
                return false;
            if (rootReplaced != 1)
                SelectDraggedPad(view, pads->from);
        }
    }
    ClearHighlight(view);
    KillScrollTimer(view);
    return true;
}

bool CancelRowDrag(CInspectrView& view) {
    if (view.drag.dragging == 0)
        return false;
    EndDrag(view);
    ClearHighlight(view);
    KillScrollTimer(view);
    return true;
}
