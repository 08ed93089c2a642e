#include "CControlBar.h"

#include "Afx.h"

BOOL CControlBar::CreateBar(CWnd* parent, DWORD style, UINT id, const char* className,
                            DWORD controlStyle) {
    barStyle_ = style & 0xFFFF;
    RECT none{0, 0, 0, 0};
    return Create(className, "", (style & 0xFFFF0000u) | WS_CHILD | controlStyle, none, parent, id);
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

BOOL CControlBar::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_SETFONT) {
        font_ = reinterpret_cast<HFONT>(wParam);
        *result = 0;
        return TRUE;
    }
    if (msg == WM_GETFONT) {
        HGDIOBJ font = font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT);
        *result = reinterpret_cast<LRESULT>(font);
        return TRUE;
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}
