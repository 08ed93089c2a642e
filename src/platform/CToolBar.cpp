#include "CToolBar.h"

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    return CreateBar(parent, style, id);
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    buttons_.clear();
    for (int i = 0; i < count; ++i)
        buttons_.push_back({ids[i], ids[i] == 0 ? UINT{TBBS_SEPARATOR} : UINT{TBBS_BUTTON}});
    return TRUE;
}

UINT CToolBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<size_t>(index)].id : 0;
}

UINT CToolBar::GetButtonStyle(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<size_t>(index)].style : 0;
}

void CToolBar::SetButtonStyle(int index, UINT style) {
    if (index >= 0 && index < GetCount())
        buttons_[static_cast<size_t>(index)].style = style;
}

int CToolBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (buttons_[static_cast<size_t>(i)].id == id)
            return i;
    }
    return -1;
}
