#include "CStatusBar.h"

#include "Afx.h"

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    return CreateBar(parent, style, id);
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
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int index, const char* text, BOOL update) {
    if (index < 0 || index >= GetCount())
        return FALSE;
    panes_[static_cast<size_t>(index)].text = text ? text : "";
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
