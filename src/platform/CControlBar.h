#pragma once

#include "CWnd.h"

// A bar along an edge of a frame.
class CControlBar : public CWnd {
public:
    DWORD GetBarStyle() const { return barStyle_; }
    void SetBarStyle(DWORD style) { barStyle_ = style; }
    virtual int BarHeight() const = 0;

protected:
    BOOL CreateBar(CWnd* parent, DWORD style, UINT id);

private:
    DWORD barStyle_ = 0;
};
