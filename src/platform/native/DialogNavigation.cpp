// The dialog manager's keyboard: tab order, groups, the default button, Enter and Escape.

#include "platform/native/ControlSupport.h"
#include "platform/native/DialogState.h"

#include <algorithm>

using native::DialogData;

namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

bool Reachable(HWND hwnd) {
    DWORD style = StyleOf(hwnd);
    return (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0;
}

// The first control after (or before) `from` in `controls`, wrapping, that passes the test;
// `from` itself comes last. Null when none does.
template <typename Test>
HWND Cycle(const std::vector<HWND>& controls, HWND from, bool previous, Test test) {
    int count = static_cast<int>(controls.size());
    auto found = std::find(controls.begin(), controls.end(), from);
    int start = found == controls.end() ? (previous ? count : -1)
                                        : static_cast<int>(found - controls.begin());
    for (int step = 1; step <= count; ++step) {
        int index = ((start + (previous ? -step : step)) % count + count) % count;
        if (test(controls[index])) {
            return controls[index];
        }
    }
    return nullptr;
}

bool IsPushButton(HWND hwnd) {
    return (SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) &
            (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

bool IsMultiLineEdit(HWND hwnd) {
    return native::IsOfClass(hwnd, WC_EDIT) &&
           (GetWindowLongPtrA(hwnd, GWL_STYLE) & ES_MULTILINE) != 0;
}

// Enter: the focused push button, else the default button when it is enabled, else IDOK.
void PressEnter(HWND dialog) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(dialog, focus) && IsPushButton(focus)) {
        SendMessageA(dialog, WM_COMMAND,
                     MAKELONG(static_cast<WORD>(GetDlgCtrlID(focus)), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    auto id = static_cast<std::uintptr_t>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
    if (HIWORD(id) == DC_HASDEFID) {
        HWND button = GetDlgItem(dialog, LOWORD(id));
        // A multi-line edit field hands Enter on by giving the default button the focus first,
        // so the field hears that it lost it before the button is clicked.
        if (button != nullptr && IsWindowEnabled(button) && focus != nullptr &&
            IsChild(dialog, focus) && IsMultiLineEdit(focus)) {
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        }
        if (button == nullptr || IsWindowEnabled(button)) {
            SendMessageA(dialog, WM_COMMAND, MAKELONG(LOWORD(id), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return;
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

// Arrow keys move within the group; an automatic radio button reached so is clicked.
void PressArrow(HWND dialog, HWND from, bool previous) {
    HWND next = GetNextDlgGroupItem(dialog, from, previous ? TRUE : FALSE);
    if (next == nullptr) {
        return;
    }
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        native::DialogSetFocus(dialog, next, false);
        if (native::ButtonType(next) == BS_AUTORADIOBUTTON &&
            SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            SendMessageA(next, BM_CLICK, 0, 0);
        }
        return;
    }
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

bool IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) ||
           (message >= WM_MOUSEMOVE && message <= WM_RBUTTONDBLCLK);
}

bool Arrow(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// Handles a key-down the dialog manager takes; false leaves it to the control.
bool DialogKey(HWND dialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) {
        return false;
    }
    HWND target = msg.hwnd;
    LRESULT code = SendMessageA(target, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if ((code & DLGC_WANTMESSAGE) != 0) {
        return false;
    }
    if (msg.wParam == VK_TAB && (code & DLGC_WANTTAB) == 0) {
        SendMessageA(dialog, WM_NEXTDLGCTL, native::ShiftDown() ? 1 : 0, 0);
        return true;
    }
    if (Arrow(msg.wParam) && (code & DLGC_WANTARROWS) == 0) {
        PressArrow(dialog, target, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
        return true;
    }
    if (msg.wParam == VK_RETURN) {
        PressEnter(dialog);
        return true;
    }
    if (msg.wParam == VK_ESCAPE) {
        SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    }
    return false;
}

} // namespace

namespace native {

std::vector<HWND> GroupOf(HWND dialog, HWND control) {
    std::vector<HWND> controls = ChildWindows(dialog);
    auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end()) {
        return {};
    }
    auto first = at;
    while (first != controls.begin() && (StyleOf(*first) & WS_GROUP) == 0) {
        --first;
    }
    auto last = at + 1;
    while (last != controls.end() && (StyleOf(*last) & WS_GROUP) == 0) {
        ++last;
    }
    return std::vector<HWND>(first, last);
}

void DialogSetFocus(HWND dialog, HWND control, bool selectText) {
    if (selectText && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
    CheckDefaultButton(dialog, GetFocus());
}

void CheckDefaultButton(HWND dialog, HWND focus) {
    std::shared_ptr<DialogData> data = DialogDataOf(dialog);
    if (!data) {
        return;
    }
    bool focusIsButton = focus != nullptr && IsChild(dialog, focus) && IsPushButton(focus);
    HWND looksDefault = focusIsButton ? focus : GetDlgItem(dialog, data->defId);
    for (HWND control : ChildWindows(dialog)) {
        if (!IsPushButton(control)) {
            continue;
        }
        bool isDefault = control == looksDefault;
        if (ButtonType(control) != (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)) {
            SendMessageA(control, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
    }
}

} // namespace native

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    return Cycle(native::ChildWindows(dialog), control, previous != FALSE,
                 [](HWND hwnd) { return (StyleOf(hwnd) & WS_TABSTOP) != 0 && Reachable(hwnd); });
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    std::vector<HWND> group = native::GroupOf(dialog, control);
    HWND next = Cycle(group, control, previous != FALSE, Reachable);
    return next != nullptr ? next : control;
}

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
    if (msg == nullptr || !native::IsDialogWindow(dialog) ||
        (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) {
        return FALSE;
    }
    if (DialogKey(dialog, *msg)) {
        return TRUE;
    }
    if (IsInput(msg->message)) {
        TranslateMessage(msg);
    }
    DispatchMessageA(msg);
    return TRUE;
}
