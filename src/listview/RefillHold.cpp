#include "RefillHold.h"

#include "CInspectrView.h"
#include "RowFocus.h"
#include "SearchResults.h"
#include "Selection.h"
#include "TableWriter.h"
#include "frame/CMainFrame.h"
#include "service/ModuleState.h"

namespace {

// An Inspector that is closing has let go of its pads and takes no more changes.
template <typename Visit> void ForEachLiveView(Visit visit) {
    for (CMainFrame* frame : inspModuleState().registry.Snapshot()) {
        CInspectrView* view = frame != nullptr ? frame->m_pInspView : nullptr;
        if (view != nullptr && view->closing == 0)
            visit(*view);
    }
}

void Refill(CInspectrView& view) {
    SaveSelection(view);
    FillList(view, view.rootRow.get());
    RestoreSelection(view);
    RestoreFocus(view);
    view.Invalidate();
    view.UpdateWindow();
}

} // namespace

void RefillList(CInspectrView& view) {
    if (view.refillHeld > 0)
        view.refillPending = true;
    else
        Refill(view);
}

RefillHold::RefillHold() {
    ForEachLiveView([](CInspectrView& view) { ++view.refillHeld; });
}

RefillHold::~RefillHold() {
    ForEachLiveView([](CInspectrView& view) {
        if (view.refillHeld == 0 || --view.refillHeld > 0)
            return;
        // Its results window went unpainted while the hold lasted.
        if (CInspectrView* results = ResultsView(view))
            results->Invalidate();
        if (view.refillPending) {
            view.refillPending = false;
            // A held refill is owed only while the view still follows its tree.
            if (view.rootRow && view.frame != nullptr)
                view.frame->SetCountPane(view.selectedCount, view.rowCount);
            if (view.rootRow && view.autoUpdate == 1)
                Refill(view);
        }
    });
}
