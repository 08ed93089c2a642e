// The Button class: push buttons, check boxes, radio buttons and group boxes.

#include "platform/native/ControlSupport.h"
#include "platform/native/DialogState.h"
#include "platform/native/SystemClasses.h"

namespace native {

namespace {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
};

bool IsRadio(DWORD type) {
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool IsCheckBox(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE;
}

LRESULT DialogCode(DWORD type) {
    switch (type) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

void SetCheck(HWND hwnd, ButtonState& state, UINT check) {
    DWORD type = ButtonType(hwnd);
    if (!IsRadio(type) && !IsCheckBox(type)) {
        return;
    }
    UINT most = type == BS_3STATE || type == BS_AUTO3STATE ? BST_INDETERMINATE : BST_CHECKED;
    state.check = check > most ? most : check;
    // A checked radio button is where Tab enters its group.
    if (IsRadio(type)) {
        auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        style = state.check != BST_UNCHECKED ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<std::intptr_t>(style));
    }
}

// Every other automatic radio button of the group that the dialog manager walks is unchecked:
// as on the system, a disabled or hidden one keeps its check.
void UncheckGroup(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    for (HWND member : GroupOf(parent, hwnd)) {
        if (member != hwnd && ButtonType(member) == BS_AUTORADIOBUTTON && IsWindowEnabled(member) &&
            IsWindowVisible(member)) {
            SendMessageA(member, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void Click(HWND hwnd, ButtonState& state) {
    switch (ButtonType(hwnd)) {
    case BS_AUTOCHECKBOX:
        SetCheck(hwnd, state, state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(hwnd, state, (state.check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(hwnd, state, BST_CHECKED);
        UncheckGroup(hwnd);
        break;
    default:
        break;
    }
    NotifyParent(hwnd, BN_CLICKED);
}

std::optional<LRESULT> ButtonMessage(HWND hwnd, ButtonState& state, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    switch (msg) {
    case BM_GETCHECK:
        return state.check;
    case BM_SETCHECK:
        SetCheck(hwnd, state, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        return state.check | (state.pushed ? UINT{BST_PUSHED} : 0) |
               (state.focused ? UINT{BST_FOCUS} : 0);
    case BM_SETSTATE:
        state.pushed = wParam != 0;
        return 0;
    case BM_SETSTYLE: {
        auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        style = (style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<std::intptr_t>(style));
        if (lParam != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    }
    case BM_CLICK:
        // Played as the mouse would, so a disabled button stays unclicked.
        if (IsWindowEnabled(hwnd) && ButtonType(hwnd) != BS_GROUPBOX) {
            SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        }
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> InputMessage(HWND hwnd, ButtonState& state, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
    DWORD type = ButtonType(hwnd);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(type);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (type != BS_GROUPBOX) {
            FocusByClick(hwnd);
            state.pushed = true;
            SetCapture(hwnd);
        }
        return 0;
    case WM_LBUTTONUP:
        if (state.pushed) {
            state.pushed = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            // Released outside the button, the press is taken back.
            if (InClient(hwnd, PointOf(lParam))) {
                Click(hwnd, state);
            }
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE || type == BS_GROUPBOX) {
            return std::nullopt;
        }
        state.pushed = true;
        return 0;
    case WM_KEYUP:
        if (wParam != VK_SPACE || !state.pushed) {
            return std::nullopt;
        }
        state.pushed = false;
        Click(hwnd, state);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state.focused = msg == WM_SETFOCUS;
        state.pushed = false;
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Handle(HWND hwnd, ButtonState& state, UINT msg, WPARAM wParam,
                              LPARAM lParam) {
    if (std::optional<LRESULT> result = ButtonMessage(hwnd, state, msg, wParam, lParam)) {
        return result;
    }
    return InputMessage(hwnd, state, msg, wParam, lParam);
}

} // namespace

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ControlProc<ButtonState>(hwnd, msg, wParam, lParam, Handle);
}

} // namespace native
