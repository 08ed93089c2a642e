#pragma once

#include "CControlBar.h"

#include <vector>

enum : UINT { TBBS_BUTTON = 0x00, TBBS_SEPARATOR = 0x01, TBBS_CHECKBOX = 0x02 };
// The state of a button. It is pressed only while the command of a click runs.
enum : UINT {
    TBSTATE_CHECKED = 0x01,
    TBSTATE_PRESSED = 0x02,
    TBSTATE_ENABLED = 0x04,
    TBSTATE_INDETERMINATE = 0x10,
};

// A row of command buttons; id 0 is a separator. The buttons' state follows the command
// route of the frame at idle time (AfxIdleUpdate).
class CToolBar : public CControlBar {
public:
    static constexpr int kHeight = 28;

    BOOL Create(CWnd* parent, DWORD style, UINT id);
    // Every button starts enabled and unchecked.
    BOOL SetButtons(const UINT* ids, int count);
    int GetCount() const { return static_cast<int>(buttons_.size()); }
    UINT GetItemID(int index) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    // TBSTATE_ flags; 0 for a separator or no button.
    UINT GetButtonState(int index) const;
    void SetButtonState(int index, UINT state);
    int CommandToIndex(UINT id) const;
    int BarHeight() const override { return kHeight; }

    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    // A click on an enabled button: a check button toggles, then the parent gets
    // WM_COMMAND(MAKELONG(id, BN_CLICKED), toolbar). False for a disabled button or none.
    BOOL ClickButton(int index);
    // Where a button lies in the bar: buttons side by side from the left edge, separators
    // narrower. False for no button.
    BOOL GetItemRect(int index, RECT* rect) const;
    // The button under a client point, -1 when none (a separator is none).
    int HitTest(POINT point) const;

protected:
    // A click released over the button it pressed clicks it; in help mode the bar answers
    // WM_HELPHITTEST with the topic of that button's command.
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    struct Button {
        UINT id = 0;
        UINT style = TBBS_BUTTON;
        UINT state = 0;
    };
    std::vector<Button> buttons_;
    int pressed_ = -1;
};
