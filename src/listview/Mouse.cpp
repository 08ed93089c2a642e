#include "Mouse.h"

#include "CInspectrView.h"
#include "ContextMenu.h"
#include "DragDrop.h"
#include "InspectorRow.h"
#include "RowFocus.h"
#include "Selection.h"
#include "TableWriter.h"

InspectorRow* RowAtPoint(const CInspectrView& view, POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    int item = view.List().HitTest(&hit);
    if (item < 0 || (hit.flags & LVHT_ONITEM) == 0)
        return nullptr;
    return RowOfItem(view, item);
}

bool OnLeftButtonDown(CInspectrView& view, UINT flags, POINT point) {
    {
        PublishingSuspended suspended(view);
        // A plain click on a row not selected leaves that row alone selected. The selection
        // goes first, as DeselectAll drops it: the system's list would deselect item by item,
        // or, owner-data, visit every item to deselect one.
        InspectorRow* row =
            (flags & (MK_CONTROL | MK_SHIFT)) == 0 ? RowAtPoint(view, point) : nullptr;
        UINT selected = row != nullptr ? view.List().GetSelectedCount() : 0;
        if (selected > 0 && !RowSelected(view, *row))
            DeselectAll(view);
        bool several = selected > 1;
        view.pressedInSelection = several && RowSelected(view, *row) ? CopyRow(*row) : nullptr;
        view.Default();
    }
    if (InspectorRow* row = RowAtPoint(view, point)) {
        SetCurrentRow(view, row);
        if ((flags & (MK_CONTROL | MK_SHIFT)) == 0)
            view.anchorRow = CopyRow(*row);
    }
    view.Invalidate();
    return false;
}

void OnLeftButtonUp(CInspectrView& view, const std::function<void()>& release) {
    std::unique_ptr<InspectorRow> pressed = std::move(view.pressedInSelection);
    auto pressedRow = [&] {
        return pressed ? RowOfItem(view, ItemOfPad(view, pressed->pad)) : nullptr;
    };
    InspectorRow* row = pressedRow();
    if (row == nullptr || !RowSelected(view, *row) || view.List().GetSelectedCount() < 2) {
        release();
        return;
    }
    // The control leaves the pressed row alone selected, deselecting every other item with a
    // notice each, or, owner-data, visiting every item unless none is selected. Dropped here
    // first, the selection leaves the control only the row to select.
    DeselectAll(view);
    release();
    // Released away from the pressed row, the control selects nothing.
    if (row = pressedRow(); row != nullptr && !RowSelected(view, *row))
        SelectRow(view, *row);
}

void ToggleChildren(CInspectrView& view, InspectorRow& row) {
    if (!HasChildren(row))
        return;
    int shown = row.children.head->shown ? 0 : 1;
    for (InspectorRow* child = row.children.head; child != nullptr; child = child->next) {
        if (shown == 0 && view.anchorRow && view.anchorRow->pad == child->pad) {
            bool anchorIsTop = view.topRecord && view.topRecord->pad == child->pad;
            view.anchorRow = anchorIsTop ? nullptr : CopyRow(*view.topRecord);
        }
    }
    SetChildrenShown(view, row, shown);
    FillList(view, view.rootRow.get());
    view.Invalidate();
}

void OnLeftDoubleClick(CInspectrView& view, POINT point) {
    InspectorRow* row = view.rootRow ? RowAtPoint(view, point) : nullptr;
    if (row == nullptr) {
        PublishingSuspended suspended(view);
        DeselectAll(view);
        return;
    }
    {
        PublishingSuspended suspended(view);
        MakeCurrent(view, row);
        DeselectAll(view);
        SelectRow(view, *row);
    }
    ToggleChildren(view, *row);
}

void OnRightButtonDown(CInspectrView& view, UINT flags, POINT point) {
    bool modifiers = (flags & (MK_CONTROL | MK_SHIFT)) != 0;
    InspectorRow* row = RowAtPoint(view, point);
    if (row != nullptr) {
        SetCurrentRow(view, row);
        PublishingSuspended suspended(view);
        if (!modifiers) {
            if (!RowSelected(view, *row))
                DeselectAll(view);
            MoveFocusAndSelect(view, row, false);
        }
    } else {
        PublishingSuspended suspended(view);
        DeselectAll(view);
    }
    // A press the mouse moves on from drags the row instead of asking for the menu.
    if (row != nullptr && BeginRightDrag(view, point)) {
        view.Invalidate();
        return;
    }
    if (view.comctlClass == 2)
        ShowContextMenu(view, point);
    view.Invalidate();
}
