#include "FrameDeleteScope.h"

#include "FrameTree.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/RefillHold.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/RedrawSuspended.h"

namespace {

CMainFrame* FrameOf(HWND window) {
    return dynamic_cast<CMainFrame*>(CWnd::FromHandlePermanent(window));
}

} // namespace

FrameDeleteScope::FrameDeleteScope(CMainFrame& frame) : frame_(frame.m_hWnd) {}
FrameDeleteScope::~FrameDeleteScope() {
    HoldPublishing(false);
}

void FrameDeleteScope::HoldPublishing(bool hold) {
    // The rows that went leave the selection before it is published or painted.
    if (CInspectrView* rebuilt = selectionHeld_ != nullptr ? LiveViewOf(selectionHeld_) : nullptr)
        ReleaseSelection(*rebuilt);
    selectionHeld_ = nullptr;
    refills_.reset();
    held_.reset();
    painting_.clear();
    // Frames are found again through their windows: one may have closed meanwhile.
    for (HWND window : heldPanes_) {
        if (CMainFrame* frame = FrameOf(window))
            frame->HoldCountPane(false);
    }
    heldPanes_.clear();
    CInspectrView* view = LiveViewOf(frame_);
    if (!hold || view == nullptr)
        return;
    held_ = std::make_unique<PublishingSuspended>(*view);
    refills_ = std::make_unique<RefillHold>();
    CInspectrView* main = MainView();
    if (main != nullptr && main->frame != nullptr) {
        HoldSelection(*main);
        selectionHeld_ = main->frame->m_hWnd;
    }
    for (CInspectrView* shown : {view, main == view ? nullptr : main, Companion()}) {
        if (shown == nullptr)
            continue;
        painting_.push_back(std::make_unique<RedrawSuspended>(shown->List().m_hWnd));
        if (shown->frame != nullptr) {
            shown->frame->HoldCountPane(true);
            heldPanes_.push_back(shown->frame->m_hWnd);
        }
    }
}

InspectorRow* FrameDeleteScope::RootRow() {
    CInspectrView* view = LiveViewOf(frame_);
    return view != nullptr ? view->rootRow.get() : nullptr;
}

const RowIndex* FrameDeleteScope::Index() {
    // A search-results view shares its source's tree, which the source's index holds.
    CInspectrView* view = MainView();
    return view != nullptr && view->rootRow && view->rootRow.get() == RootRow() ? &view->rowIndex
                                                                                : nullptr;
}

const RowList* FrameDeleteScope::SearchRows() {
    CInspectrView* view = LiveViewOf(frame_);
    return view != nullptr && view->searchMode != 0 ? view->searchRows.get() : nullptr;
}

const HitIndex* FrameDeleteScope::Hits() {
    CInspectrView* view = LiveViewOf(frame_);
    return view != nullptr && view->searchMode != 0 && view->searchRows ? &view->hitIndex : nullptr;
}

int FrameDeleteScope::MainAutoUpdate() {
    CInspectrView* view = MainView();
    return view != nullptr ? view->autoUpdate : 1;
}

void FrameDeleteScope::SetAutoUpdate(int value) {
    if (CInspectrView* view = MainView())
        view->autoUpdate = value;
    if (CInspectrView* companion = Companion())
        companion->autoUpdate = value;
}

void FrameDeleteScope::Rebuild() {
    if (CInspectrView* view = MainView())
        RebuildAfterDelete(*view);
}

CInspectrView* FrameDeleteScope::MainView() const {
    CMainFrame* frame = FrameOf(frame_);
    if (frame == nullptr || frame->m_bSearchFrame == 0)
        return LiveViewOf(frame_);
    CMainFrame* source = frame->m_pSourceFrame;
    return source != nullptr ? LiveViewOf(source->m_hWnd) : nullptr;
}

CInspectrView* FrameDeleteScope::Companion() const {
    CMainFrame* frame = FrameOf(frame_);
    if (frame == nullptr || frame->m_bSearchFrame != 0 || frame->m_pInspView == nullptr)
        return nullptr;
    CMainFrame* results = frame->m_pInspView->searchFrame;
    return results != nullptr ? LiveViewOf(results->m_hWnd) : nullptr;
}
