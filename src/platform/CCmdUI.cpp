#include "CCmdUI.h"

#include "CCmdTarget.h"
#include "CWnd.h"
#include "WinMenu.h"

namespace {

// An update handler may have moved or removed its own item; then the state goes nowhere.
bool StillThere(HMENU menu, UINT index, UINT id) {
    return ::GetMenuItemID(menu, static_cast<int>(index)) == id;
}

} // namespace

void CCmdUI::Enable(BOOL on) {
    if (m_hMenu != nullptr) {
        if (m_hSubMenu != nullptr || !StillThere(m_hMenu, m_nIndex, m_nID))
            return;
        ::EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther != nullptr) {
        m_pOther->EnableWindow(on);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
    if (m_hMenu != nullptr && m_hSubMenu == nullptr && StillThere(m_hMenu, m_nIndex, m_nID))
        ::CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (check != 0 ? MF_CHECKED : 0));
}

void CCmdUI::SetText(const char* text) {
    if (m_hMenu == nullptr || m_hSubMenu != nullptr || !StillThere(m_hMenu, m_nIndex, m_nID))
        return;
    // The item keeps its id, its state and its other flags.
    UINT flags = ::GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION) & ~(MF_POPUP | MF_SEPARATOR);
    ::ModifyMenuA(m_hMenu, m_nIndex, MF_BYPOSITION | flags, m_nID, text != nullptr ? text : "");
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (target == nullptr)
        return FALSE;
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CCmdTarget::CN_UPDATE_COMMAND_UI, this);
    if (disableIfNoHandler && !m_bEnableChanged)
        Enable(target->OnCmdMsg(m_nID, CCmdTarget::CN_QUERY_HANDLER, nullptr));
    return handled;
}
