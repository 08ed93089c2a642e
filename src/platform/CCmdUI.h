#pragma once

#include "WinTypes.h"

// The state of one command's menu item or button, as its update rule sets it.
class CCmdUI {
public:
    explicit CCmdUI(UINT id) : m_nID(id) {}
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE) {
        enabled = on != FALSE;
        handled = true;
    }
    virtual void SetCheck(int check = 1) {
        checked = check;
        handled = true;
    }

    UINT m_nID;
    bool enabled = true;
    int checked = 0;
    bool handled = false;
};
