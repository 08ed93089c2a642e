#pragma once

#include "CWnd.h"

// An edit control.
class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_EDIT, "", style, rect, parent, id);
    }
    void GetSel(int& start, int& end) const {
        DWORD first = 0;
        DWORD last = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        start = static_cast<int>(first);
        end = static_cast<int>(last);
    }
    // -1 as `end` reaches the end of the text; -1 as `start` removes the selection.
    void SetSel(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(const char* text) { Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text)); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) {
        return static_cast<BOOL>(Send(EM_SETREADONLY, readOnly));
    }
    void LimitText(int length = 0) { Send(EM_LIMITTEXT, static_cast<WPARAM>(length)); }
    UINT GetLimitText() const { return static_cast<UINT>(Send(EM_GETLIMITTEXT)); }
    BOOL GetModify() const { return static_cast<BOOL>(Send(EM_GETMODIFY)); }
    void SetModify(BOOL modified = TRUE) { Send(EM_SETMODIFY, modified); }
    int GetLineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

private:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
};
