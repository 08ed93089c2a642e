#pragma once

#include "CControlBar.h"

#include <vector>

enum : UINT { TBBS_BUTTON = 0x00, TBBS_SEPARATOR = 0x01, TBBS_CHECKBOX = 0x02 };

// A row of command buttons; id 0 is a separator.
class CToolBar : public CControlBar {
public:
    static constexpr int kHeight = 28;

    BOOL Create(CWnd* parent, DWORD style, UINT id);
    BOOL SetButtons(const UINT* ids, int count);
    int GetCount() const { return static_cast<int>(buttons_.size()); }
    UINT GetItemID(int index) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    int CommandToIndex(UINT id) const;
    int BarHeight() const override { return kHeight; }

private:
    struct Button {
        UINT id = 0;
        UINT style = TBBS_BUTTON;
    };
    std::vector<Button> buttons_;
};
