#pragma once

#include "CControlBar.h"
#include "CommCtrl.h"

#include <vector>

enum : UINT { TBBS_BUTTON = 0x00, TBBS_SEPARATOR = 0x01, TBBS_CHECKBOX = 0x02 };

// A row of command buttons; id 0 is a separator. The buttons' state follows the command
// route of the frame at idle time (AfxIdleUpdate). The bar keeps the buttons and tells its
// toolbar control of every change, which on Windows shows them.
class CToolBar : public CControlBar {
public:
    static constexpr int kHeight = 28;

    BOOL Create(CWnd* parent, DWORD style, UINT id);
    // Every button starts enabled and unchecked.
    BOOL SetButtons(const UINT* ids, int count);
    // The buttons' pictures: a bitmap resource of the current resource module, one 16 by 15
    // image per button that is not a separator, in button order. After SetButtons.
    BOOL LoadBitmap(UINT id);
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
    void ShowState(int index);

    struct Button {
        UINT id = 0;
        UINT style = TBBS_BUTTON;
        UINT state = 0;
    };
    std::vector<Button> buttons_;
    int pressed_ = -1;
};
