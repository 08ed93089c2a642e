#include "Afx.h"

#include "AfxState.h"
#include "CFrameWnd.h"
#include "NativeBackend.h"

BOOL AfxPreTranslateMessage(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd != nullptr;) {
        // Read first: a window that declines the message may have gone by then.
        HWND parent = ::GetParent(hwnd);
        CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg))
            return TRUE;
        hwnd = parent;
    }
    return FALSE;
}

BOOL AfxPumpMessage() {
    MSG msg;
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 1 && !AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return got;
}

void AfxPumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void AfxDeleteWhenIdle(CWnd* wnd) {
    AfxState& state = AfxGetState();
    if (state.modalDepth > 0)
        state.deferredDeletes.emplace_back(wnd);
    else
        delete wnd;
}

void AfxIdleCleanup() {
    CWnd::DeleteTempMap();
    AfxState& state = AfxGetState();
    if (state.modalDepth == 0) {
        // Deleting a view may delete its document; nothing here adds to the list.
        std::vector<std::unique_ptr<CWnd>> waiting = std::move(state.deferredDeletes);
        state.deferredDeletes.clear();
    }
}

void AfxIdleUpdate(CFrameWnd* frame) {
    if (frame != nullptr) {
        if (frame->m_hWnd != nullptr)
            frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
        return;
    }
    for (HWND hwnd : native::TopLevelWindows()) {
        auto* each = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hwnd));
        if (each != nullptr && each->IsWindowVisible())
            each->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    }
}
