#include "CInspectrView.h"
#include "InspectorRow.h"
#include "RefillHold.h"
#include "RowBuilder.h"
#include "RowFocus.h"
#include "RowRefresh.h"
#include "SearchResults.h"
#include "Selection.h"
#include "TableWriter.h"
#include "frame/CMainFrame.h"
#include "host/MvPadList.h"
#include "host/MvPadView.h"
#include "host/MvSimpleModel.h"
#include "host/MvSimplePad.h"
#include "service/InspectorExports.h"
#include "service/ModuleState.h"

#include <vector>

namespace {

class WaitCursor {
public:
    explicit WaitCursor(CInspectrView& view) : view_(view) { view_.BeginWaitCursor(); }
    ~WaitCursor() { view_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    CInspectrView& view_;
};

// An Inspector that is closing has let go of its pads and takes no more changes.
CInspectrView* LiveView(CMainFrame* frame) {
    CInspectrView* view = frame != nullptr ? frame->m_pInspView : nullptr;
    return view != nullptr && view->closing == 0 ? view : nullptr;
}

// Walks `frames`, a private copy of the registry, oldest Inspector first: a walk that closes
// Inspectors cannot break it.
template <typename Visit> void ForEachIn(const std::vector<CMainFrame*>& frames, Visit visit) {
    for (CMainFrame* frame : frames) {
        if (CInspectrView* view = LiveView(frame)) {
            view->selectedPadSet.MarkStale();
            visit(*frame, *view);
        }
    }
}

template <typename Visit> void ForEachInSnapshot(Visit visit) {
    ForEachIn(inspModuleState().registry.Snapshot(), visit);
}

// Every open Inspector looks `pad` up in its index, a large table each: the slots are asked
// for all at once, then the rows, so that their cache misses overlap.
void PrefetchRowsOf(const std::vector<CMainFrame*>& frames, const MvSimplePad* pad) {
    for (CMainFrame* frame : frames) {
        if (CInspectrView* view = LiveView(frame))
            view->rowIndex.PrefetchSlot(pad);
    }
    for (CMainFrame* frame : frames) {
        if (CInspectrView* view = LiveView(frame))
            view->rowIndex.PrefetchRow(pad);
    }
}

// Walks the registry, newest Inspector first.
template <typename Visit> void ForEachRegistered(Visit visit) {
    InspectorRegistry& registry = inspModuleState().registry;
    for (CMainFrame* frame : registry.Frames()) {
        if (!registry.Contains(frame))
            continue;
        if (CInspectrView* view = LiveView(frame)) {
            view->selectedPadSet.MarkStale();
            visit(*view);
        }
    }
}

bool Following(const CInspectrView& view) {
    return view.rootRow && view.autoUpdate == 1;
}

void Repaint(CWnd& window) {
    window.Invalidate();
    window.UpdateWindow();
}

void RepaintResults(CInspectrView& view) {
    // While refills are held (a run of many deletions), the window is painted when it ends.
    CInspectrView* results = ResultsView(view);
    if (results != nullptr && view.refillHeld == 0)
        Repaint(*results);
}

bool IsDesktopInspector(const CInspectrView& view) {
    return view.topRecord && view.topRecord->isDesktop == 1;
}

// A pad Inspector left without a tree: its top pad, or a pad above it, was hidden.
bool ShowsHiddenTop(const CInspectrView& view) {
    return !view.rootRow && view.topRecord && view.topRecord->isDesktop == 0;
}

// The top pad goes with a deleted pad above it too. A pad above it that the table shows as
// its root (after Parent) is removed as a row instead: the table empties.
bool TopPadGoesWith(const CInspectrView& view, MvSimplePad* deleted) {
    if (!view.topRecord || view.topRecord->isDesktop)
        return false;
    if (view.topRecord->pad == deleted)
        return true;
    return IsTopPadOrAncestor(view, deleted) && view.FindRow(deleted) == nullptr;
}

void CloseForDeletedTop(CMainFrame& frame, CInspectrView& view) {
    CloseResults(view);
    view.closing = 1;
    inspectorRemoveFrame(&frame);
    view.ReleasePads();
    frame.PostMessage(WM_CLOSE);
}

// With nested labels every label names the top pad's ancestors; a new place or name of one
// of them reaches every row. The search results always show nested labels.
void FollowAncestorChange(CInspectrView& view, MvSimplePad* pad) {
    if (!IsTopPadOrAncestor(view, pad))
        return;
    if (view.nestedLabels != 0)
        RewriteLabels(view);
    RefreshAllResultLabels(view);
}

// The top pad, hidden until now, is shown again or taken out of a hidden pad: the tree is
// built anew.
void RebuildShownTop(CInspectrView& view) {
    view.rootRow.reset(BuildRow(view, view.topRecord->pad, nullptr));
    if (!view.rootRow)
        view.rowCount = 0;
    FillList(view, view.rootRow.get());
    view.selectedPadSet.Open();
    view.ShowCounts();
    view.currentRow = view.rootRow.get();
    RestoreFocus(view);
}

void PasteFirstPass(CInspectrView& view, MvSimplePad* pad) {
    InspectorRow* root = view.rootRow.get();
    RefreshGeometryBelow(view, FindRowOfPadOrDescendant(root, pad, &view.rowIndex));
    InspectorRow* row = FindRowByPad(root, pad, &view.rowIndex);
    if (row == nullptr) {
        if (view.autoUpdate == 1)
            FollowAncestorChange(view, pad);
        return;
    }
    if (row->parentRow != nullptr) {
        RemoveRow(view, row);
    } else {
        // The root stays where it is shown; what its new place changed is read again.
        RefreshConnection(view, row);
        if (view.autoUpdate == 1)
            FollowAncestorChange(view, pad);
    }
    if (view.autoUpdate == 1) {
        RepaintResults(view);
        RefillList(view);
    }
}

void PasteSecondPass(CInspectrView& view, MvSimplePad* pad) {
    MvSimplePad* parent = pad->get_parent();
    InspectorRow* parentRow = nullptr;
    if (parent == nullptr) {
        if (!IsDesktopInspector(view))
            return;
        parentRow = view.rootRow.get();
    } else {
        parentRow = FindRowByPad(view.rootRow.get(), parent, &view.rowIndex);
        if (parentRow == nullptr)
            return;
    }
    WaitCursor wait(view);
    if (BuildRow(view, pad, parentRow) != nullptr || parent == nullptr)
        RefillList(view);
    view.ShowCounts();
    Repaint(view);
}

void ShowInTree(CInspectrView& view, MvSimplePad* pad) {
    RefreshConnections(view, pad, true);
    MvSimplePad* parent = pad->get_parent();
    InspectorRow* root = view.rootRow.get();
    InspectorRow* parentRow = nullptr;
    if (parent == nullptr) {
        if (!IsDesktopInspector(view) || FindRowByPad(root, pad, &view.rowIndex) != nullptr)
            return;
        parentRow = root;
    } else {
        parentRow = FindRowByPad(root, parent, &view.rowIndex);
        if (parentRow == nullptr || FindRowByPad(parentRow, pad, &view.rowIndex) != nullptr)
            return;
    }
    if (BuildRow(view, pad, parentRow) == nullptr)
        return;
    RefillList(view);
    view.ShowCounts();
}

// The rows of the icon and loader pads whose labels name `pad`. A loader is not the icon of
// the pad it loaded, so the view's rows of such pads are looked at; their order does not
// matter, as each label is read from its own pad.
std::vector<InspectorRow*> StandInRows(CInspectrView& view, MvSimplePad* pad) {
    std::vector<InspectorRow*> rows;
    for (InspectorRow* row : view.standInRows) {
        if (row->pad != nullptr && !row->gone && StandInOf(row->pad) == pad)
            rows.push_back(row);
    }
    return rows;
}

void RefreshSelectionMark(CInspectrView& view, MvSimplePad* pad) {
    InspectorRow* row = FindRowByPad(view.rootRow.get(), pad, &view.rowIndex);
    if (row == nullptr || row->gone || row->isDesktop)
        return;
    int selected = pad->isSelected() ? 1 : 0;
    if (row->desktopSelected == selected)
        return;
    row->desktopSelected = selected;
    UpdateRowCells(view, row, Selection);
    if (CInspectrView* results = ResultsView(view)) {
        InspectorRow* result = RowOfItem(*results, ItemOfPad(*results, pad));
        if (result != nullptr && !result->gone && results->autoUpdate == 1) {
            result->desktopSelected = selected;
            UpdateRowCells(*results, result, Selection);
        }
    }
    view.UpdateWindow();
}

} // namespace

void WINAPI inspectorChangedPaste(MvSimplePad* pad) {
    if (pad == nullptr || pad->get_real_view() == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (view.rootRow)
            PasteFirstPass(view, pad);
    });
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (Following(view)) {
            PasteSecondPass(view, pad);
        } else if (view.autoUpdate == 1 && ShowsHiddenTop(view) && IsTopPadOrAncestor(view, pad)) {
            WaitCursor wait(view);
            RebuildShownTop(view);
            Repaint(view);
        }
    });
}

void WINAPI inspectorChangedShow(MvSimplePad* pad) {
    if (pad == nullptr || pad->get_view() == nullptr || !pad->get_view()->IsVisible())
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (view.autoUpdate != 1)
            return;
        if (view.rootRow) {
            WaitCursor wait(view);
            ShowInTree(view, pad);
        } else if (view.topRecord && !view.topRecord->isDesktop && IsTopPadOrAncestor(view, pad)) {
            WaitCursor wait(view);
            RebuildShownTop(view);
        }
        Repaint(view);
    });
}

void WINAPI inspectorChangedHide(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (!view.rootRow)
            return;
        InspectorRow* row = FindRowOfPadOrDescendant(view.rootRow.get(), pad, &view.rowIndex);
        if (row == nullptr)
            return;
        RemoveRow(view, row);
        RepaintResults(view);
        if (view.autoUpdate == 1)
            RefillList(view);
    });
}

void WINAPI inspectorChangedSize(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (!Following(view))
            return;
        RefreshGeometry(view, FindRowByPad(view.rootRow.get(), pad, &view.rowIndex));
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedPosition(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (!Following(view))
            return;
        RefreshGeometryBelow(view,
                             FindRowOfPadOrDescendant(view.rootRow.get(), pad, &view.rowIndex));
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedConnect(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (!Following(view))
            return;
        RefreshConnection(view, FindRowByPad(view.rootRow.get(), pad, &view.rowIndex));
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedSelect(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachInSnapshot([pad](CMainFrame&, CInspectrView& view) {
        if (Following(view))
            RefreshSelectionMark(view, pad);
    });
}

void WINAPI inspectorChangedDelete(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    std::vector<CMainFrame*> frames = inspModuleState().registry.Snapshot();
    PrefetchRowsOf(frames, pad);
    ForEachIn(frames, [pad](CMainFrame& frame, CInspectrView& view) {
        if (TopPadGoesWith(view, pad)) {
            CloseForDeletedTop(frame, view);
            return;
        }
        if (!view.rootRow)
            return;
        if (InspectorRow* row = FindRowByPad(view.rootRow.get(), pad, &view.rowIndex)) {
            RemoveRow(view, row);
            RepaintResults(view);
            if (view.autoUpdate == 1)
                RefillList(view);
        }
        RefreshConnections(view, pad, false);
    });
}

void WINAPI inspectorChangedOutput(MvSimplePad* pad) {
    if (pad == nullptr || pad->get_real_view() == nullptr)
        return;
    ForEachRegistered([pad](CInspectrView& view) {
        if (!Following(view))
            return;
        RefreshOutput(view, FindRowByPad(view.rootRow.get(), pad, &view.rowIndex));
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedSlotValue(MvSimpleModel* model, int slotIndex) {
    if (model == nullptr)
        return;
    MvSlot* slot = model->get_slot_at(slotIndex);
    MvPadList* dependents = model->get_dependents();
    if (slot == nullptr || dependents == nullptr)
        return;
    ForEachRegistered([slot, dependents](CInspectrView& view) {
        if (!Following(view))
            return;
        for (int i = 0; i < dependents->length(); ++i) {
            MvSimplePad* d = dependents->at(i);
            if (d == nullptr || d->get_real_view() == nullptr)
                continue;
            if (d->get_output() == slot)
                RefreshOutput(view, FindRowByPad(view.rootRow.get(), d, &view.rowIndex));
            MvSimplePad* icon = d->get_icon();
            if (icon != nullptr && icon->get_output() == slot)
                RefreshOutput(view, FindRowByPad(view.rootRow.get(), icon, &view.rowIndex));
        }
        RepaintResults(view);
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedOwnname(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachRegistered([pad](CInspectrView& view) {
        if (!Following(view))
            return;
        InspectorRow* row = FindRowByPad(view.rootRow.get(), pad, &view.rowIndex);
        std::vector<InspectorRow*> standIns = StandInRows(view, pad);
        if (row != nullptr)
            RefreshLabel(view, row);
        for (InspectorRow* standIn : standIns)
            RefreshLabel(view, standIn);
        if (CInspectrView* results = ResultsView(view)) {
            if (row != nullptr)
                RefreshResultLabels(*results, *row);
            for (InspectorRow* standIn : standIns)
                RefreshResultLabels(*results, *standIn);
        }
        if (row == nullptr && standIns.empty())
            FollowAncestorChange(view, pad);
        RepaintResults(view);
        view.UpdateWindow();
    });
}

void WINAPI inspectorChangedGroup(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    ForEachRegistered([pad](CInspectrView& view) {
        if (!Following(view))
            return;
        if (InspectorRow* row = FindRowByPad(view.rootRow.get(), pad, &view.rowIndex)) {
            RefreshGroupDepth(view, row);
            RepaintResults(view);
        } else if (IsTopPadOrAncestor(view, pad)) {
            RefreshGroupDepth(view, view.rootRow.get());
        }
        view.UpdateWindow();
    });
}

namespace {
// Line, lower and raise change nothing an Inspector shows.
void IgnoreChange(MvSimplePad*) {}
} // namespace

void WINAPI inspectorChangedLine(MvSimplePad* pad) {
    IgnoreChange(pad);
}
void WINAPI inspectorChangedLower(MvSimplePad* pad) {
    IgnoreChange(pad);
}
void WINAPI inspectorChangedRaise(MvSimplePad* pad) {
    IgnoreChange(pad);
}
