#include "CControlBar.h"

#include "Afx.h"

BOOL CControlBar::CreateBar(CWnd* parent, DWORD style, UINT id) {
    barStyle_ = style & 0xFFFF;
    RECT none{0, 0, 0, 0};
    return Create(AfxRegisterWndClass(0), "", (style & 0xFFFF0000u) | WS_CHILD, none, parent, id);
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}
