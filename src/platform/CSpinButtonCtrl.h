#pragma once

#include "CWnd.h"
#include "CommCtrl.h"

// An up-down control.
class CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(UPDOWN_CLASS, "", style, rect, parent, id);
    }
    // `lower` is where the down arrow leads, `upper` where the up arrow does.
    void SetRange(short lower, short upper) {
        Send(UDM_SETRANGE, 0, MAKELONG(static_cast<WORD>(upper), static_cast<WORD>(lower)));
    }
    void SetRange32(int lower, int upper) {
        Send(UDM_SETRANGE32, static_cast<WPARAM>(static_cast<std::intptr_t>(lower)), upper);
    }
    void GetRange32(int& lower, int& upper) const {
        Send(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    int SetPos(int position) { return static_cast<short>(Send(UDM_SETPOS, 0, position)); }
    // The position in the low word; the high word is nonzero when the buddy's text was no
    // number in range.
    DWORD GetPos() const { return static_cast<DWORD>(Send(UDM_GETPOS)); }
    int SetPos32(int position) { return static_cast<int>(Send(UDM_SETPOS32, 0, position)); }
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(Send(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    CWnd* SetBuddy(CWnd* buddy) {
        return FromHandle(
            reinterpret_cast<HWND>(Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(SafeHwnd(buddy)))));
    }
    CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(Send(UDM_GETBUDDY))); }
    int SetBase(int base) { return static_cast<int>(Send(UDM_SETBASE, static_cast<WPARAM>(base))); }
    int GetBase() const { return static_cast<int>(Send(UDM_GETBASE)); }

private:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
};
