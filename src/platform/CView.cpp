#include "CView.h"

#include "CCreateContext.h"
#include "CDocument.h"
#include "CFrameWnd.h"

CView::~CView() {
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
    for (HWND hwnd = ::GetParent(m_hWnd); hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hwnd)))
            return frame;
    }
    return nullptr;
}

int CView::OnCreate(CREATESTRUCTA* create) {
    if (CWnd::OnCreate(create) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(create->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}
