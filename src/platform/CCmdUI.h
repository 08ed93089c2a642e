#pragma once

#include "WinTypes.h"

class CCmdTarget;
class CWnd;

// The state of one command's user interface, as its update handler sets it: the menu item
// at m_nIndex of m_hMenu, or else the window m_pOther. Toolbars and other bars derive their
// own kinds.
class CCmdUI {
public:
    CCmdUI() = default;
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;

    virtual void Enable(BOOL on = TRUE);
    // 0 unchecked, 1 checked; menu items show 2 (indeterminate) as checked.
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(BOOL on = TRUE) { SetCheck(on ? 1 : 0); }
    virtual void SetText(const char* text);
    // Lets the targets after the one that handled the update handle it too.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update route of `target`. With `disableIfNoHandler`, an item whose route did
    // not enable or disable it is disabled unless some target has a command handler for it.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    UINT m_nIndexMax = 0;
    HMENU m_hMenu = nullptr;
    // Set while the item is a popup; a popup is never enabled or disabled through it.
    HMENU m_hSubMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};
