#include "platform/native/ListViewMouse.h"

#include "platform/native/ListViewControl.h"

#include <algorithm>
#include <cstdlib>

namespace native {

void ListViewMouse::ButtonDown(ListViewControl& control, bool right, WPARAM keys, POINT point) {
    pressed_ = false;
    HWND hwnd = control.Handle();
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (!control.Alive()) {
            return;
        }
    }
    LVHITTESTINFO hit;
    hit.pt = point;
    int item = control.HitTest(hit);
    selectOnRelease_ = -1;
    if (right) {
        RightClick(control, item, keys);
    } else if (LeftClick(control, item, keys)) {
        selectOnRelease_ = item;
    }
    if (item >= 0 && control.Alive()) {
        pressed_ = true;
        right_ = right;
        item_ = item;
        start_ = point;
    }
}

void ListViewMouse::MouseMove(ListViewControl& control, WPARAM keys, POINT point) {
    if (!pressed_) {
        return;
    }
    if ((keys & (right_ ? MK_RBUTTON : MK_LBUTTON)) == 0) {
        pressed_ = false; // the button went up elsewhere
        return;
    }
    if (std::abs(point.x - start_.x) <= kDragDistance &&
        std::abs(point.y - start_.y) <= kDragDistance) {
        return;
    }
    pressed_ = false;
    if (item_ >= control.ItemCount()) {
        return;
    }
    LVITEMA data;
    data.mask = LVIF_PARAM;
    data.iItem = item_;
    control.GetItem(data);
    NMLISTVIEW notice;
    notice.iItem = item_;
    notice.ptAction = start_;
    notice.lParam = data.lParam;
    control.Notify(right_ ? LVN_BEGINRDRAG : LVN_BEGINDRAG, notice);
}

void ListViewMouse::ButtonUp(ListViewControl& control, bool right, POINT point) {
    pressed_ = false;
    int item = selectOnRelease_;
    selectOnRelease_ = -1;
    if (right || item < 0 || item >= control.ItemCount()) {
        return;
    }
    LVHITTESTINFO hit;
    hit.pt = point;
    if (control.HitTest(hit) == item) {
        SelectAlone(control, item);
    }
}

void ListViewMouse::Cancel() {
    pressed_ = false;
    selectOnRelease_ = -1;
}

bool ListViewMouse::LeftClick(ListViewControl& control, int item, WPARAM keys) {
    bool ctrl = (keys & MK_CONTROL) != 0;
    bool shift = (keys & MK_SHIFT) != 0 && (control.Style() & LVS_SINGLESEL) == 0;
    if (item < 0) {
        if (!ctrl && !shift) {
            control.SetItemState(-1, 0, LVIS_SELECTED);
        }
        return false;
    }
    if (shift) {
        if (ctrl && !groupSelect_) {
            control.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        } else {
            SelectRange(control, item, ctrl);
        }
        if (ctrl && control.Alive()) {
            control.SetSelectionMark(item);
        }
        return false;
    }
    if (ctrl) {
        UINT selected = control.GetItemState(item, LVIS_SELECTED) ^ LVIS_SELECTED;
        groupSelect_ = selected != 0;
        control.SetItemState(item, selected | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        control.SetSelectionMark(item);
        return false;
    }
    if ((control.Style() & LVS_SINGLESEL) == 0 && control.SelectedCount() > 1 &&
        control.GetItemState(item, LVIS_SELECTED) != 0) {
        control.SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED);
        return true;
    }
    SelectAlone(control, item);
    return false;
}

void ListViewMouse::RightClick(ListViewControl& control, int item, WPARAM keys) {
    bool modified = (keys & (MK_CONTROL | MK_SHIFT)) != 0;
    if (item < 0) {
        if (!modified) {
            control.SetItemState(-1, 0, LVIS_SELECTED);
        }
        return;
    }
    if (modified || control.GetItemState(item, LVIS_SELECTED) != 0) {
        control.SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED);
        return;
    }
    SelectAlone(control, item);
}

void ListViewMouse::SelectAlone(ListViewControl& control, int item) {
    // An owner-data list deselects every item with one notice, the clicked one too.
    if (control.OwnerData() && control.SelectedCount() > 0) {
        control.SetItemState(-1, 0, LVIS_SELECTED);
    }
    for (int i = control.GetNextItem(-1, LVNI_SELECTED); i != -1 && control.Alive();
         i = control.GetNextItem(i, LVNI_SELECTED)) {
        if (i != item) {
            control.SetItemState(i, 0, LVIS_SELECTED);
        }
    }
    if (!control.Alive()) {
        return;
    }
    control.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    control.SetSelectionMark(item);
}

void ListViewMouse::SelectRange(ListViewControl& control, int item, bool keepOthers) {
    int mark = control.SelectionMark();
    if (mark < 0 || mark >= control.ItemCount()) {
        mark = item;
        control.SetSelectionMark(item);
    }
    int low = std::min(mark, item);
    int high = std::max(mark, item);
    if (control.OwnerData()) {
        if (!keepOthers && control.SelectedCount() > 0) {
            control.SetItemState(-1, 0, LVIS_SELECTED);
        }
        if (control.Alive()) {
            control.SelectSpan(low, high);
        }
        if (control.Alive()) {
            control.SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED);
        }
        return;
    }
    for (int i = 0; i < control.ItemCount() && control.Alive(); ++i) {
        bool inside = i >= low && i <= high;
        if (inside) {
            control.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        } else if (!keepOthers && control.GetItemState(i, LVIS_SELECTED) != 0) {
            control.SetItemState(i, 0, LVIS_SELECTED);
        }
    }
    if (control.Alive()) {
        control.SetItemState(item, LVIS_FOCUSED, LVIS_FOCUSED);
    }
}

} // namespace native
