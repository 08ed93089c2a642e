#pragma once

#include "CWnd.h"

class CFrameWnd;

// A bar along an edge of a frame.
class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return barStyle_; }
    void SetBarStyle(DWORD style) { barStyle_ = style; }
    virtual int BarHeight() const = 0;
    // Sets the state of the bar's buttons through the command route of `target`.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler);

protected:
    // The bar's window is of the control class given; the CBRS_ styles in the low word of
    // `style` stay with the bar, `controlStyle` goes to the control.
    BOOL CreateBar(CWnd* parent, DWORD style, UINT id, const char* className, DWORD controlStyle);
    // Bars keep the font they are given (WM_SETFONT) and draw with the GUI font before that.
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    DWORD barStyle_ = 0;
    HFONT font_ = nullptr;
};
