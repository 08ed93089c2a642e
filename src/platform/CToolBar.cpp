#include "CToolBar.h"

#include "Afx.h"
#include "CCmdUI.h"
#include "CFrameWnd.h"

namespace {

constexpr WORD kClicked = 0; // BN_CLICKED
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kSeparatorWidth = 8;
constexpr int kBorder = 3;
constexpr DWORD kCommandHelpBase = 0x10000;

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Sets the state of one button of the toolbar.
class ToolCmdUI : public CCmdUI {
public:
    explicit ToolCmdUI(CToolBar& bar) : bar_(bar) { m_pOther = &bar; }

    void Enable(BOOL on) override {
        int index = static_cast<int>(m_nIndex);
        UINT state = bar_.GetButtonState(index);
        state = on ? state | TBSTATE_ENABLED : state & ~(TBSTATE_ENABLED | TBSTATE_PRESSED);
        bar_.SetButtonState(index, state);
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int check) override {
        int index = static_cast<int>(m_nIndex);
        UINT state = bar_.GetButtonState(index) & ~(TBSTATE_CHECKED | TBSTATE_INDETERMINATE);
        if (check == 1)
            state |= TBSTATE_CHECKED;
        else if (check == 2)
            state |= TBSTATE_INDETERMINATE;
        bar_.SetButtonState(index, state);
    }
    void SetText(const char*) override {}

private:
    CToolBar& bar_;
};

} // namespace

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    // The frame lays the bar out; the control neither moves nor sizes itself.
    DWORD control =
        TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CreateBar(parent, style, id, TOOLBARCLASSNAME, control))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    buttons_.clear();
    std::vector<TBBUTTON> shown;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (ids[i] == 0) {
            buttons_.push_back({0, TBBS_SEPARATOR, 0});
            button.fsStyle = TBSTYLE_SEP;
        } else {
            buttons_.push_back({ids[i], TBBS_BUTTON, TBSTATE_ENABLED});
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(ids[i]);
            button.fsState = TBSTATE_ENABLED;
        }
        shown.push_back(button);
    }
    SendMessage(TB_ADDBUTTONSA, shown.size(), reinterpret_cast<LPARAM>(shown.data()));
    return TRUE;
}

BOOL CToolBar::LoadBitmap(UINT id) {
    int images = 0;
    for (const Button& button : buttons_)
        images += (button.style & TBBS_SEPARATOR) ? 0 : 1;
    TBADDBITMAP bitmap{};
    bitmap.hInst = AfxGetResourceHandle();
    bitmap.nID = id;
    return SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(images),
                       reinterpret_cast<LPARAM>(&bitmap)) != -1;
}

UINT CToolBar::GetItemID(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<size_t>(index)].id : 0;
}

UINT CToolBar::GetButtonStyle(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<size_t>(index)].style : 0;
}

void CToolBar::SetButtonStyle(int index, UINT style) {
    if (index < 0 || index >= GetCount())
        return;
    buttons_[static_cast<size_t>(index)].style = style;
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
    info.fsStyle = static_cast<BYTE>(style);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

UINT CToolBar::GetButtonState(int index) const {
    return index >= 0 && index < GetCount() ? buttons_[static_cast<size_t>(index)].state : 0;
}

void CToolBar::SetButtonState(int index, UINT state) {
    if (index >= 0 && index < GetCount() && !(GetButtonStyle(index) & TBBS_SEPARATOR)) {
        buttons_[static_cast<size_t>(index)].state = state;
        ShowState(index);
    }
}

void CToolBar::ShowState(int index) {
    const Button& button = buttons_[static_cast<size_t>(index)];
    SendMessage(TB_SETSTATE, button.id, MAKELONG(static_cast<WORD>(button.state), 0));
}

int CToolBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (buttons_[static_cast<size_t>(i)].id == id)
            return i;
    }
    return -1;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    ToolCmdUI state(*this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        if (GetButtonStyle(i) & TBBS_SEPARATOR)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = GetItemID(i);
        state.DoUpdate(target, disableIfNoHandler);
    }
}

BOOL CToolBar::ClickButton(int index) {
    HWND parent = ::GetParent(m_hWnd);
    if (parent == nullptr || !(GetButtonState(index) & TBSTATE_ENABLED))
        return FALSE;
    Button& button = buttons_[static_cast<size_t>(index)];
    if (button.style & TBBS_CHECKBOX)
        button.state = (button.state & ~TBSTATE_INDETERMINATE) ^ TBSTATE_CHECKED;
    button.state |= TBSTATE_PRESSED;
    ShowState(index);
    HWND self = m_hWnd;
    ::SendMessageA(parent, WM_COMMAND, MAKELONG(static_cast<WORD>(button.id), kClicked),
                   reinterpret_cast<LPARAM>(self));
    // The command may have closed the frame, and this bar with it.
    if (CWnd::FromHandlePermanent(self) == this)
        SetButtonState(index, GetButtonState(index) & ~TBSTATE_PRESSED);
    return TRUE;
}

BOOL CToolBar::GetItemRect(int index, RECT* rect) const {
    if (rect == nullptr || index < 0 || index >= GetCount())
        return FALSE;
    int left = kBorder;
    for (int i = 0; i < index; ++i)
        left += (GetButtonStyle(i) & TBBS_SEPARATOR) ? kSeparatorWidth : kButtonWidth;
    int width = (GetButtonStyle(index) & TBBS_SEPARATOR) ? kSeparatorWidth : kButtonWidth;
    *rect = RECT{left, kBorder, left + width, kBorder + kButtonHeight};
    return TRUE;
}

int CToolBar::HitTest(POINT point) const {
    for (int i = 0; i < GetCount(); ++i) {
        RECT r{};
        if (!(GetButtonStyle(i) & TBBS_SEPARATOR) && GetItemRect(i, &r) && point.x >= r.left &&
            point.x < r.right && point.y >= r.top && point.y < r.bottom)
            return i;
    }
    return -1;
}

BOOL CToolBar::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case WM_HELPHITTEST: {
        int index = HitTest(PointOf(lParam));
        *result = index >= 0 ? kCommandHelpBase + GetItemID(index) : 0;
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        pressed_ = HitTest(PointOf(lParam));
        *result = 0;
        return TRUE;
    case WM_LBUTTONUP: {
        int index = pressed_;
        pressed_ = -1;
        if (index >= 0 && HitTest(PointOf(lParam)) == index)
            ClickButton(index);
        *result = 0;
        return TRUE;
    }
    default:
        return CControlBar::OnWndMsg(msg, wParam, lParam, result);
    }
}
