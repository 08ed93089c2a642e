#include "TreeRefresh.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "RowBuilder.h"
#include "RowFocus.h"
#include "SearchResults.h"
#include "Selection.h"
#include "TableWriter.h"
#include "host/MvSimplePad.h"
#include "platform/CWaitCursor.h"

namespace {

// A new root from the top pad the Inspector watches, or from the desktop.
InspectorRow* BuildFromTopRecord(CInspectrView& view) {
    if (!view.topRecord)
        return nullptr;
    if (view.topRecord->isDesktop == 1)
        return BuildDesktopRow(view);
    return BuildRow(view, view.topRecord->pad, nullptr);
}

void Repaint(CInspectrView& view) {
    view.Invalidate();
    view.UpdateWindow();
}

// The row of list item 0 stands for a real pad.
InspectorRow* TopPadRow(const CInspectrView& view) {
    if (!view.rootRow)
        return nullptr;
    InspectorRow* row = RowOfItem(view, 0);
    if (row == nullptr || row->gone || row->isDesktop || row->pad == nullptr)
        return nullptr;
    return row;
}

// Refreshes an open search-result view from the rebuilt tree.
void RefreshResultsOf(CInspectrView& view) {
    if (CInspectrView* results = ResultsView(view))
        RefreshResults(*results);
}

} // namespace

// A search-result view has no tree of its own to rebuild; its source's rebuilds refresh it.
void Update(CInspectrView& view) {
    if (view.searchMode != 0)
        return;
    CWaitCursor wait;
    DeselectAll(view);
    Repaint(view);
    if (CInspectrView* results = ResultsView(view)) {
        DeselectAll(*results);
        Repaint(*results);
    }
    view.selectedPadSet.Open();
    view.FreeTree();
    view.rootRow.reset(BuildFromTopRecord(view));
    if (!view.rootRow)
        view.rowCount = 0;
    FillList(view, view.rootRow.get());
    view.ShowCounts();
    view.currentRow = view.rootRow.get();
    Repaint(view);
    RefreshResultsOf(view);
    RestoreFocus(view);
}

void ToggleAutoUpdate(CInspectrView& view) {
    if (view.searchMode != 0)
        return;
    CInspectrView* results = ResultsView(view);
    if (view.autoUpdate != 1) {
        view.autoUpdate = 1;
        if (results != nullptr)
            results->autoUpdate = 1;
        Update(view);
    } else {
        view.autoUpdate = 0;
        if (results != nullptr)
            results->autoUpdate = 0;
    }
}

void ToggleNestedLabels(CInspectrView& view) {
    if (view.searchMode != 0)
        return;
    view.nestedLabels = view.nestedLabels ? 0 : 1;
    Update(view);
}

bool CanGoToParent(const CInspectrView& view) {
    return TopPadRow(view) != nullptr;
}

void GoToParent(CInspectrView& view) {
    InspectorRow* top = view.searchMode == 0 ? TopPadRow(view) : nullptr;
    if (top == nullptr)
        return;
    MvSimplePad* parent = top->pad->get_parent();
    CWaitCursor wait;
    SaveSelection(view);
    view.FreeTree();
    if (parent != nullptr) {
        view.rootRow.reset(BuildRow(view, parent, nullptr));
    } else {
        view.rootRow.reset(BuildDesktopRow(view));
        view.topRecord = view.rootRow ? CopyRow(*view.rootRow) : nullptr;
    }
    if (!view.rootRow)
        view.rowCount = 0;
    FillList(view, view.rootRow.get());
    view.currentRow = view.rootRow.get();
    Repaint(view);
    RefreshResultsOf(view);
    RestoreFocus(view);
    RestoreSelection(view);
    view.ShowCounts();
}

void RebuildAfterDelete(CInspectrView& view) {
    if (view.searchMode != 0) {
        // The tree is the source's: it is rebuilt there and the hits follow.
        if (CInspectrView* source = SourceView(view))
            RebuildAfterDelete(*source);
        return;
    }
    CWaitCursor wait;
    SaveSelection(view);
    view.FreeTree();
    view.rootRow.reset(BuildFromTopRecord(view));
    if (!view.rootRow)
        view.rowCount = 0;
    FillList(view, view.rootRow.get());
    RefreshResultsOf(view);
    RestoreSelection(view);
    RestoreFocus(view);
    view.ShowCounts();
    Repaint(view);
}

void ApplyColumnSet(CInspectrView& view) {
    CWaitCursor wait;
    // The selection comes back as it was: the view's partner need not hear of it.
    MirrorSuspended quiet(view);
    SaveSelection(view);
    SetupColumns(view, true);
    if (view.searchMode != 0) {
        FillResults(view);
        view.rowCount = view.List().GetItemCount();
    } else {
        FillList(view, view.rootRow.get());
    }
    RestoreSelection(view);
    RestoreFocus(view);
    view.ShowCounts();
    Repaint(view);
}
