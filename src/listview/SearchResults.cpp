#include "SearchResults.h"

#include "CInspectrView.h"
#include "ColumnId.h"
#include "InspectorRow.h"
#include "PadTable.h"
#include "RowFocus.h"
#include "Selection.h"
#include "TableWriter.h"
#include "frame/CMainFrame.h"

#include <utility>

namespace {

void Repaint(CWnd& window) {
    window.Invalidate();
    window.UpdateWindow();
}

// What a hit shows of its pad, taken from the pad's row in a tree just built.
void CopyPadData(InspectorRow& result, const InspectorRow& row) {
    result.desktopSelected = row.desktopSelected;
    result.label = row.label;
    result.x = row.x;
    result.y = row.y;
    result.width = row.width;
    result.height = row.height;
    result.outputSlotName = row.outputSlotName;
    result.outputSlotType = row.outputSlotType;
    result.outputValueText = row.outputValueText;
    result.relX = row.relX;
    result.relY = row.relY;
    result.padName = row.padName;
    result.connected = row.connected;
    result.groupDepth = row.groupDepth;
    result.padId = row.padId;
}

// Takes a hit out of the view. Its item refers to nothing until the next fill.
void DropResult(CInspectrView& view, InspectorRow& result) {
    DeselectRow(view, result);
    if (view.currentRow == &result)
        view.currentRow = nullptr;
    if (InspectorRow** hit = view.hitOfPad.Find(result.pad); hit != nullptr && *hit == &result)
        view.hitOfPad.Erase(result.pad);
    view.listed.NoteLeaving(result);
    view.hitIndex.Erase(result);
    Unlink(*view.searchRows, result);
}

void WriteResults(CInspectrView& view) {
    FillResults(view);
    ResyncSelection(view);
    view.rowCount = view.List().GetItemCount();
    view.ShowCounts();
}

// After hits were dropped: the rest is written again, or the window closes when none is left.
void ResultsChanged(CInspectrView& view, CInspectrView& source) {
    InspectorRow* first = view.searchRows ? view.searchRows->head : nullptr;
    if (first == nullptr) {
        CloseResults(source);
        return;
    }
    view.topRecord = CopyRow(*first);
    WriteResults(view);
    SetFocusRow(view, view.currentRow != nullptr ? view.currentRow : first);
    Repaint(view);
}

} // namespace

CInspectrView* ResultsView(const CInspectrView& view) {
    return view.searchFrame != nullptr ? view.searchFrame->m_pInspView : nullptr;
}

CInspectrView* SourceView(const CInspectrView& view) {
    if (view.searchMode == 0 || view.sourceFrame == nullptr || view.frame == nullptr)
        return nullptr;
    // A window its source has let go of is closing and follows it no more.
    CInspectrView* source = view.sourceFrame->m_pInspView;
    return source != nullptr && source->searchFrame == view.frame ? source : nullptr;
}

CInspectrView* MirrorPartner(const CInspectrView& view) {
    return view.searchMode != 0 ? SourceView(view) : ResultsView(view);
}

void TakeResults(CInspectrView& view, std::unique_ptr<RowList> results) {
    {
        MirrorSuspended off(view);
        DeselectAll(view);
    }
    // The old hits stay until the fill has written over every item that refers to them.
    std::unique_ptr<RowList> previous = std::exchange(view.searchRows, std::move(results));
    view.hitIndex.Rebuild(view.searchRows.get());
    view.selectedPadSet.Open();
    // A hit was copied with its row's mark in the source: it starts selected when that row is.
    CInspectrView* source = SourceView(view);
    for (InspectorRow* hit = view.searchRows ? view.searchRows->head : nullptr; hit;
         hit = hit->next)
        MarkSelected(view, *hit, source != nullptr && RowSelected(*source, *hit));
    InspectorRow* first = view.searchRows ? view.searchRows->head : nullptr;
    view.currentRow = first;
    view.anchorRow = first != nullptr ? CopyRow(*first) : nullptr;
    view.topRecord = first != nullptr ? CopyRow(*first) : nullptr;
    FillResults(view);
    previous.reset();
    view.MeasureRowHeight();
    ResyncSelection(view);
    view.rowCount = view.List().GetItemCount();
    view.ShowCounts();
    view.focusIndex = 0;
    SetFocusRow(view, first);
}

void ResyncSelection(CInspectrView& view) {
    CListCtrl& list = view.List();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        InspectorRow* row = RowOfItem(view, i);
        if (row == nullptr)
            continue;
        if (RowSelected(view, *row) && !row->gone) {
            MarkSelected(view, *row, false);
            SelectRow(view, *row);
        } else if (list.GetItemState(i, LVIS_SELECTED) != 0) {
            // The item kept the state of the row it showed before the fill.
            MirrorSuspended off(view);
            list.SetItemState(i, 0, LVIS_SELECTED);
        }
    }
}

void RefreshResults(CInspectrView& view) {
    CInspectrView* source = SourceView(view);
    if (source == nullptr || !source->rootRow || !view.searchRows)
        return;
    for (InspectorRow* result = view.searchRows->head; result != nullptr;) {
        InspectorRow* next = result->next;
        InspectorRow* row = result->gone ? nullptr : source->FindRow(result->pad);
        if (row == nullptr || row->gone) {
            DropResult(view, *result);
        } else {
            bool here = view.selectedPadSet.Contains(result->pad);
            bool there = source->selectedPadSet.Contains(result->pad);
            if (here && !there)
                DeselectRow(view, *result);
            else if (!here && there)
                SelectRow(view, *result);
            CopyPadData(*result, *row);
        }
        result = next;
    }
    ResultsChanged(view, *source);
}

void WithdrawResults(CInspectrView& view, InspectorRow& row) {
    CInspectrView* source = SourceView(view);
    if (source == nullptr || !view.searchRows)
        return;
    bool removing = source->autoUpdate == 1;
    bool withdrawn = false;
    // A pad met twice in the subtree has no hits left the second time when they were dropped.
    ForEachInSubtree(&row, [&](InspectorRow& below) {
        if (below.pad == nullptr)
            return;
        if (!removing) {
            view.hitIndex.ForEachHitOf(below.pad, [&withdrawn](InspectorRow& result) {
                withdrawn = true;
                result.gone = 1;
            });
            return;
        }
        // A dropped hit leaves the index: the pad's next hit is then its first.
        while (InspectorRow* result = view.hitIndex.First(below.pad)) {
            withdrawn = true;
            DropResult(view, *result);
        }
    });
    if (withdrawn && removing)
        ResultsChanged(view, *source);
}

void RefreshResultLabels(CInspectrView& view, const InspectorRow& row) {
    if (view.autoUpdate != 1)
        return;
    for (const InspectorRow* at = &row; at != nullptr; at = NextInSubtree(at, &row)) {
        if (at->pad == nullptr || at->gone)
            continue;
        InspectorRow* result = RowOfItem(view, ItemOfPad(view, at->pad));
        if (result != nullptr && !result->gone) {
            result->label = at->label;
            UpdateRowCells(view, result, LabelChange);
        }
    }
}

void RefreshAllResultLabels(CInspectrView& source) {
    CInspectrView* results = ResultsView(source);
    if (results != nullptr && source.rootRow)
        RefreshResultLabels(*results, *source.rootRow);
}

void CloseResults(CInspectrView& source) {
    CMainFrame* frame = source.searchFrame;
    if (frame == nullptr)
        return;
    source.searchFrame = nullptr;
    if (frame->m_pInspView != nullptr)
        frame->m_pInspView->ReleasePads();
    frame->PostMessage(WM_CLOSE);
}

MirrorSuspended::MirrorSuspended(CInspectrView& view) : view_(view), previous_(view.mirrorEnabled) {
    view_.mirrorEnabled = 0;
}

MirrorSuspended::~MirrorSuspended() {
    view_.mirrorEnabled = previous_;
}

void MirrorSelection(CInspectrView& view, const InspectorRow& row, bool selected) {
    CInspectrView* partner = MirrorPartner(view);
    if (partner == nullptr || view.mirrorEnabled != 1 || partner->mirrorEnabled != 1)
        return;
    {
        MirrorSuspended off(*partner);
        if (selected)
            SelectRow(*partner, row);
        else
            DeselectRow(*partner, row);
    }
    partner->Invalidate();
}
