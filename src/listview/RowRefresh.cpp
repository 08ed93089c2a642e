#include "RowRefresh.h"

#include "CInspectrView.h"
#include "ColumnId.h"
#include "InspectorRow.h"
#include "RowBuilder.h"
#include "RowFocus.h"
#include "SearchResults.h"
#include "Selection.h"
#include "SlotValueText.h"
#include "TableWriter.h"
#include "frame/CMainFrame.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"
#include "service/TextHelpers.h"

#include <utility>
#include <vector>

namespace {

constexpr std::size_t kInspectorTitleLimit = 67;
constexpr std::size_t kSearchTitleLimit = 60;

bool Refreshable(const CInspectrView& view, const InspectorRow* row) {
    return view.rootRow && view.autoUpdate == 1 && row != nullptr && !row->gone &&
           row->pad != nullptr;
}

// Applies `update` to the search-result view's row of `pad` and rewrites its cells, when that
// view follows Auto Update and the row is not gone.
template <typename Update>
void MirrorResult(const CInspectrView& view, const MvSimplePad* pad, int change, Update update) {
    CInspectrView* results = ResultsView(view);
    if (results == nullptr || results->autoUpdate != 1)
        return;
    InspectorRow* row = RowOfItem(*results, ItemOfPad(*results, pad));
    if (row == nullptr || row->gone)
        return;
    update(*row);
    UpdateRowCells(*results, row, change);
}

bool InSubtree(const InspectorRow* row, const InspectorRow* top) {
    // Only the rows on the way up to top's depth can be top.
    for (; row != nullptr && row->depth >= top->depth; row = row->parentRow) {
        if (row == top)
            return true;
    }
    return false;
}

// A view with no selected copy, no published pad and no selected item, whose withdrawals
// reach nobody while its frame is inactive, has nothing to deselect in rows about to be freed:
// a deletion elsewhere leaves most open Inspectors so, and deselecting row by row would ask the
// control about each. A hold on its publishing counts the withdrawals: a held view deselects.
bool NothingToDeselect(const CInspectrView& view) {
    return view.selectedPadSet.Size() == 0 &&
           (!view.selectedPads || view.selectedPads->length() == 0) && view.publishEnabled == 1 &&
           view.frameActive == 0 && view.List().GetSelectedCount() == 0;
}

void Retitle(CInspectrView& view, MvSimplePad* pad) {
    const char* ownName = pad->get_own_name();
    if (view.frame != nullptr)
        view.frame->SetWindowText(FrameTitle(ownName, kInspectorTitleLimit, IDS_INSPECTOR).c_str());
    if (view.searchFrame != nullptr)
        view.searchFrame->SetWindowText(
            FrameTitle(ownName, kSearchTitleLimit, IDS_INSPECTOR_SEARCH).c_str());
}

} // namespace

void RefreshGeometry(CInspectrView& view, InspectorRow* row) {
    if (!Refreshable(view, row))
        return;
    ReadGeometry(*row, row->pad);
    UpdateRowCells(view, row, Geometry);
    MirrorResult(view, row->pad, Geometry, [row](InspectorRow& result) {
        result.x = row->x;
        result.y = row->y;
        result.width = row->width;
        result.height = row->height;
        result.relX = row->relX;
        result.relY = row->relY;
    });
}

void RefreshGeometryBelow(CInspectrView& view, InspectorRow* row) {
    if (row != nullptr)
        ForEachInSubtree(row, [&view](InspectorRow& below) { RefreshGeometry(view, &below); });
}

void RefreshOutput(CInspectrView& view, InspectorRow* row) {
    if (!Refreshable(view, row))
        return;
    MvSimplePad* pad = row->pad;
    SlotValueText(*row, pad->get_output());
    UpdateRowCells(view, row, Output);
    MirrorResult(view, pad, Output,
                 [pad](InspectorRow& result) { SlotValueText(result, pad->get_output()); });
}

void RefreshConnection(CInspectrView& view, InspectorRow* row) {
    if (!Refreshable(view, row))
        return;
    MvSimplePad* pad = row->pad;
    row->connected = IsConnected(pad);
    UpdateRowCells(view, row, ConnectionChange);
    MirrorResult(view, pad, ConnectionChange,
                 [pad](InspectorRow& result) { result.connected = IsConnected(pad); });
}

void RefreshConnections(CInspectrView& view, MvSimplePad* pad, bool countPad) {
    if (!view.rootRow || view.autoUpdate != 1)
        return;
    const MvSimplePad* ignored = countPad ? nullptr : pad;
    // Only the rows that other pads can connect are looked at; the others keep their flag.
    for (InspectorRow* row : view.connectionRows) {
        if (row->gone || row->isDesktop || row->pad == nullptr)
            continue;
        int connected = IsConnectedApartFrom(row->pad, ignored);
        if (connected == row->connected)
            continue;
        row->connected = connected;
        UpdateRowCells(view, row, ConnectionChange);
        MirrorResult(view, row->pad, ConnectionChange,
                     [connected](InspectorRow& result) { result.connected = connected; });
    }
}

void RefreshLabel(CInspectrView& view, InspectorRow* row) {
    // The row, then the rows of its pad's children, each with the rows of its own children:
    // a walk over the children lists with a stack instead of recursion.
    std::vector<std::pair<MvPadList*, int>> stack;
    auto refresh = [&view, &stack](InspectorRow* at) {
        if (!Refreshable(view, at))
            return;
        MvSimplePad* pad = at->pad;
        at->label = RowLabel(pad);
        UpdateRowCells(view, at, LabelChange);
        if (at == view.rootRow.get())
            Retitle(view, pad);
        if (MvPadList* children = pad->get_children())
            stack.emplace_back(children, 0);
    };
    refresh(row);
    while (!stack.empty()) {
        auto& [children, next] = stack.back();
        if (next >= children->length()) {
            stack.pop_back();
            continue;
        }
        refresh(view.FindRow(children->at(next++)));
    }
}

void RefreshGroupDepth(CInspectrView& view, InspectorRow* row) {
    for (InspectorRow* at = row; at != nullptr;) {
        bool refreshable = Refreshable(view, at);
        if (refreshable) {
            MvSimplePad* pad = at->pad;
            at->groupDepth = pad->get_groupDepth();
            UpdateRowCells(view, at, GroupDepthChange);
            MirrorResult(view, pad, GroupDepthChange, [pad](InspectorRow& result) {
                result.groupDepth = pad->get_groupDepth();
            });
        }
        // Below a row that is not refreshed nothing is.
        at = NextInSubtree(at, row, refreshable);
    }
}

void RewriteLabels(CInspectrView& view) {
    if (!view.rootRow)
        return;
    // Every label cell names the ancestors: the names are taken again and the list repainted.
    RetakeNestedPrefix(view);
    view.Invalidate();
}

void RemoveRow(CInspectrView& view, InspectorRow* row) {
    if (!view.rootRow || row == nullptr)
        return;
    MvSimplePad* pad = row->pad;
    bool topPadRow = view.topRecord && view.topRecord->pad == pad;
    if (topPadRow)
        CloseResults(view);
    else if (CInspectrView* results = ResultsView(view))
        WithdrawResults(*results, *row);
    // An anchor anywhere in the subtree would start a range at a row that is going.
    // A row without children is its whole subtree: no lookup for the rows of each deletion.
    bool anchorGoes =
        view.anchorRow &&
        (HasChildren(*row) ? FindRowByPad(row, view.anchorRow->pad, &view.rowIndex) != nullptr
                           : view.anchorRow->pad != nullptr && view.anchorRow->pad == pad);
    if (anchorGoes) {
        bool topGoes =
            view.topRecord && FindRowByPad(row, view.topRecord->pad, &view.rowIndex) != nullptr;
        view.anchorRow = view.topRecord && !topGoes ? CopyRow(*view.topRecord) : nullptr;
    }

    bool removing = view.autoUpdate == 1;
    // A held selection keeps the rows that go selected, and counts them for its release.
    bool held = !removing && SelectionHeld(view);
    if (!held && (!removing || !NothingToDeselect(view)))
        DeselectSubtree(view, *row);
    if (!removing) {
        ForEachInSubtree(row, [&view, held](InspectorRow& below) {
            if (held && below.gone == 0 && RowSelected(view, below))
                ++view.heldGoneSelected;
            below.gone = 1;
        });
        return;
    }
    // The places of the rows that go stay until the refill, with no row in them.
    view.listed.NoteRemoving(*row);
    if (InSubtree(view.currentRow, row))
        MakeCurrent(view, view.rootRow.get());
    bool root = row == view.rootRow.get();
    view.RemoveRowFromTree(row);
    if (root) {
        view.rowCount = 0;
        if (view.frame != nullptr)
            view.frame->SetCountPane(0, 0);
    } else if (view.refillHeld > 0) {
        // The counts are shown with the held refill.
        view.refillPending = true;
    } else if (view.frame != nullptr) {
        view.frame->SetCountPane(view.selectedCount, view.rowCount);
    }
}

bool IsTopPadOrAncestor(const CInspectrView& view, const MvSimplePad* pad) {
    if (pad == nullptr || !view.topRecord)
        return false;
    for (MvSimplePad* up = view.topRecord->pad; up != nullptr; up = up->get_parent()) {
        if (up == pad)
            return true;
    }
    return false;
}

std::string FrameTitle(const char* ownName, std::size_t limit, unsigned suffixId) {
    std::string name = ownName != nullptr ? ownName : "";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    inspTruncateMbcs(buffer.data(), limit);
    std::string suffix;
    inspLoadString(suffix, suffixId);
    return std::string(buffer.data()) + " - " + suffix;
}
