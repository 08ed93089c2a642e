#pragma once

#include "platform/Win.h"

namespace native {

class ListViewControl;

// The list view's own handling of mouse buttons, in client co-ordinates with the keys of
// the mouse message (MK_CONTROL, MK_SHIFT).
//
// Left button (a double click counts as a click), on an item:
//   - alone: the item becomes the only selected one, gets the focus and the selection mark;
//     on an item already selected beside others, it only gets the focus, and becomes the
//     only selected one when the button goes up over it (so that a drag of the selection can
//     begin from any of its items);
//   - Ctrl: the item's selection toggles, it gets the focus and the selection mark;
//   - Shift: the items from the selection mark to the item are selected and the others
//     cleared; the item gets the focus, the mark stays;
//   - Ctrl+Shift: the same range is added to the selection and the mark moves to the item;
//     after a Ctrl click that deselected its item, only the item is selected.
// Right button, on an item: a selected item (or any item with Ctrl or Shift) only gets the
// focus; an unselected one becomes the only selected item, focused and marked.
// Either button off the items, without Ctrl or Shift, clears the selection.
// With LVS_SINGLESEL Shift counts for nothing. Every click takes the keyboard focus.
// A move of more than kDragDistance pixels with the button still down, after a press on
// an item, sends LVN_BEGINDRAG (left) or LVN_BEGINRDRAG (right) once for that press.
class ListViewMouse {
public:
    static constexpr int kDragDistance = 4;

    void ButtonDown(ListViewControl& control, bool right, WPARAM keys, POINT point);
    void MouseMove(ListViewControl& control, WPARAM keys, POINT point);
    void ButtonUp(ListViewControl& control, bool right, POINT point);
    // The press ends without a release over the list (the mouse was taken elsewhere).
    void Cancel();

private:
    // Returns true when the item's selection waits for the button to go up over it.
    bool LeftClick(ListViewControl& control, int item, WPARAM keys);
    static void RightClick(ListViewControl& control, int item, WPARAM keys);
    static void SelectAlone(ListViewControl& control, int item);
    static void SelectRange(ListViewControl& control, int item, bool keepOthers);

    bool pressed_ = false;
    bool right_ = false;
    int item_ = -1;
    // The selected item pressed alone, which becomes the only selected one on release.
    int selectOnRelease_ = -1;
    // Whether the last Ctrl click selected its item, which decides what Ctrl+Shift does.
    bool groupSelect_ = true;
    POINT start_;
};

} // namespace native
