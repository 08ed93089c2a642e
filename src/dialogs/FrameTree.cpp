#include "FrameTree.h"

#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"

CInspectrView* LiveViewOf(HWND frame) {
    auto* found = dynamic_cast<CMainFrame*>(CWnd::FromHandlePermanent(frame));
    CInspectrView* view = found != nullptr ? found->m_pInspView : nullptr;
    return view != nullptr && view->closing == 0 ? view : nullptr;
}

TreeRoot TreeRootOf(CMainFrame& frame) {
    return [window = frame.m_hWnd]() -> InspectorRow* {
        CInspectrView* view = LiveViewOf(window);
        return view != nullptr ? view->rootRow.get() : nullptr;
    };
}

const RowIndex* RowIndexOf(HWND frame) {
    const CInspectrView* view = LiveViewOf(frame);
    if (view == nullptr || !view->rootRow)
        return nullptr;
    const CInspectrView* owner = view;
    if (view->rootRow.Following()) {
        CMainFrame* source = view->frame != nullptr ? view->frame->m_pSourceFrame : nullptr;
        owner = source != nullptr ? LiveViewOf(source->m_hWnd) : nullptr;
    }
    return owner != nullptr && owner->rootRow.get() == view->rootRow.get() ? &owner->rowIndex
                                                                           : nullptr;
}

TreeIndex TreeIndexOf(CMainFrame& frame) {
    return [window = frame.m_hWnd]() { return RowIndexOf(window); };
}
