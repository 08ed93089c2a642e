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
