#include "CStatusBar.h"

#include "Afx.h"
#include "CommCtrl.h"

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    // The frame lays the bar out; the control neither moves nor sizes itself.
    return CreateBar(parent, style, id, STATUSCLASSNAME, CCS_NOPARENTALIGN | CCS_NORESIZE);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    panes_.clear();
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids[i];
        if (pane.id != 0) {
            char text[256];
            if (LoadStringA(AfxGetResourceHandle(), pane.id, text, sizeof text) > 0)
                pane.text = text;
        }
        panes_.push_back(pane);
    }
    ShowPanes();
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int index, const char* text, BOOL update) {
    if (index < 0 || index >= GetCount())
        return FALSE;
    panes_[static_cast<size_t>(index)].text = text ? text : "";
    ShowText(index);
    if (update)
        UpdateWindow();
    return TRUE;
}

std::string CStatusBar::GetPaneText(int index) const {
    return index >= 0 && index < GetCount() ? panes_[static_cast<size_t>(index)].text
                                            : std::string();
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = panes_[static_cast<size_t>(index)];
    pane.id = id;
    pane.style = style;
    pane.width = width;
    ShowPanes();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    if (index < 0 || index >= GetCount()) {
        id = style = 0;
        width = 0;
        return;
    }
    const Pane& pane = panes_[static_cast<size_t>(index)];
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::ShowPanes() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    int fixed = 0;
    for (size_t i = 1; i < panes_.size(); ++i)
        fixed += panes_[i].width;
    std::vector<int> rightEdges;
    int edge = client.right - fixed;
    for (size_t i = 0; i < panes_.size(); ++i) {
        edge += i == 0 ? 0 : panes_[i].width;
        rightEdges.push_back(i + 1 == panes_.size() ? -1 : edge);
    }
    SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    for (int i = 0; i < GetCount(); ++i)
        ShowText(i);
}

void CStatusBar::ShowText(int index) {
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(panes_[static_cast<size_t>(index)].text.c_str()));
}

BOOL CStatusBar::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    BOOL handled = CControlBar::OnWndMsg(msg, wParam, lParam, result);
    if (msg == WM_SIZE)
        ShowPanes();
    return handled;
}
