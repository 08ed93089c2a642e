#include "CFrameWnd.h"

#include "Afx.h"
#include "CControlBar.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CView.h"
#include "NativeBackend.h"

const RECT CFrameWnd::rectDefault{0, 0, 400, 300};

BOOL CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect,
                       CWnd* parent, UINT menuId, DWORD exStyle, CCreateContext* context) {
    menuId_ = menuId;
    if (className == nullptr)
        className = AfxRegisterWndClass(0);
    return CreateEx(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, CWnd::SafeHwnd(parent), nullptr, context);
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
