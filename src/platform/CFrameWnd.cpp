#include "CFrameWnd.h"

#include "Afx.h"
#include "CCmdUI.h"
#include "CControlBar.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CView.h"
#include "NativeBackend.h"
#include "WinMenu.h"

#include <algorithm>

const RECT CFrameWnd::rectDefault{0, 0, 400, 300};

BOOL CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect,
                       CWnd* parent, UINT menuId, DWORD exStyle, CCreateContext* context) {
    menuId_ = menuId;
    HMENU menu = nullptr;
    if (menuId != 0) {
        menu = ::LoadMenuA(AfxGetResourceHandle(), menuId);
        if (menu == nullptr) {
            PostNcDestroy();
            return FALSE;
        }
    }
    if (className == nullptr)
        className = AfxRegisterWndClass(0);
    // The window owns its menu bar from here on; this object may be gone after a failure.
    if (!CreateEx(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, CWnd::SafeHwnd(parent), menu, context)) {
        ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(UINT id) {
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), id);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra) {
    if (CWnd::OnCmdMsg(id, code, extra))
        return TRUE;
    CView* view = GetActiveView();
    if (view != nullptr && view->OnCmdMsg(id, code, extra))
        return TRUE;
    CDocument* document = GetActiveDocument();
    return document != nullptr && document->OnCmdMsg(id, code, extra);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    if (m_hAccelTable == nullptr || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    // Owned windows such as dialogs keep their keys; only children lead up to the frame here.
    HWND hwnd = msg->hwnd;
    while (hwnd != nullptr && hwnd != m_hWnd &&
           (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0)
        hwnd = ::GetParent(hwnd);
    return hwnd == m_hWnd && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg);
}

void CFrameWnd::OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu) {
    CWnd::OnInitMenuPopup(popup, index, sysMenu);
    if (sysMenu)
        return;
    CCmdUI state;
    state.m_hMenu = popup;
    int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(popup, i);
        // Separators and popups; a popup's own items are updated when it opens.
        if (id == 0 || id == 0xFFFFFFFF)
            continue;
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nIndexMax = static_cast<UINT>(count);
        // System commands are never disabled for want of a handler.
        state.DoUpdate(this, m_bAutoMenuEnable && id < SC_SIZE);
        // An update may have removed items: go on after this item, wherever it went.
        int now = ::GetMenuItemCount(popup);
        if (now < count) {
            i = std::max(i - (count - now), -1);
            while (i + 1 < now && ::GetMenuItemID(popup, i + 1) == id)
                ++i;
        }
        count = now;
    }
}

void CFrameWnd::OnIdleUpdateCmdUI(BOOL disableIfNoHandler) {
    for (HWND child : native::ChildWindows(m_hWnd)) {
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(child));
        if (bar != nullptr && (bar->GetStyle() & WS_VISIBLE))
            bar->OnUpdateCmdUI(this, disableIfNoHandler);
    }
}

BOOL CFrameWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_IDLEUPDATECMDUI) {
        OnIdleUpdateCmdUI(wParam != 0 ? TRUE : FALSE);
        *result = 0;
        return TRUE;
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

int CFrameWnd::OnCreate(CREATESTRUCTA* create) {
    if (CWnd::OnCreate(create) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(create->lpCreateParams);
    if (!OnCreateClient(create, context))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(CREATESTRUCTA*, CCreateContext* context) {
    if (context == nullptr || context->m_pNewViewClass == nullptr)
        return TRUE;
    return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
    auto* view = dynamic_cast<CView*>(context->m_pNewViewClass->CreateObject());
    if (view == nullptr)
        return nullptr;
    RECT none{0, 0, 0, 0};
    // The view chooses its window class (PreCreateWindow). A view whose window fails during
    // creation has deleted itself already.
    if (!view->Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_BORDER, none, this, id, context))
        return nullptr;
    if (activeView_ == nullptr)
        activeView_ = view;
    return view;
}

CView* CFrameWnd::GetActiveView() const {
    return activeView_;
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return activeView_ ? activeView_->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_hWnd == nullptr)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int top = client.top;
    int bottom = client.bottom;
    for (HWND child : native::ChildWindows(m_hWnd)) {
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(child));
        if (bar == nullptr || !(bar->GetStyle() & WS_VISIBLE))
            continue;
        int height = bar->BarHeight();
        if (bar->GetBarStyle() & CBRS_ALIGN_BOTTOM) {
            bottom -= height;
            bar->MoveWindow(client.left, bottom, client.right - client.left, height);
        } else {
            bar->MoveWindow(client.left, top, client.right - client.left, height);
            top += height;
        }
    }
    if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(pane, client.left, top, client.right - client.left,
                     bottom > top ? bottom - top : 0, TRUE);
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CFrameWnd::OnDestroy() {
    activeView_ = nullptr;
    CWnd::OnDestroy();
}
