// The ComboBox class, always a drop-down list: a selection field that opens a list below it.
// The window is as high as the field; the height it was created with is the height of field
// and open list together. The window's text is the selected item's.

#include "platform/WinInput.h"
#include "platform/native/ControlSupport.h"
#include "platform/native/ItemMessages.h"
#include "platform/native/SystemClasses.h"

#include <algorithm>

namespace native {

namespace {

constexpr int fieldPadding = 6;

struct ComboBoxState {
    ItemList items;
    int droppedHeight = 0;
    bool dropped = false;
};

int ItemHeight(HWND hwnd) {
    return ControlFont(hwnd).tmHeight;
}

int FieldHeight(HWND hwnd) {
    return ItemHeight(hwnd) + fieldPadding;
}

int ListRows(HWND hwnd, const ComboBoxState& state) {
    return std::max((state.droppedHeight - FieldHeight(hwnd)) / ItemHeight(hwnd), 1);
}

// The field's height follows the font; the window keeps its place and width.
void Layout(HWND hwnd) {
    Window* window = WindowManager::Instance().Find(hwnd);
    if (window != nullptr) {
        MoveWindow(hwnd, window->rect.left, window->rect.top, window->Width(), FieldHeight(hwnd),
                   TRUE);
    }
}

void ShowSelection(HWND hwnd, const ComboBoxState& state) {
    const ItemList::Item* item = state.items.At(state.items.Selection());
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(item ? item->text.c_str() : ""));
}

void Open(HWND hwnd, ComboBoxState& state) {
    if (state.dropped) {
        return;
    }
    NotifyParent(hwnd, CBN_DROPDOWN);
    state.dropped = true;
    state.items.EnsureVisible(state.items.Selection(), ListRows(hwnd, state));
    SetCapture(hwnd);
}

void Close(HWND hwnd, ComboBoxState& state, bool chosen) {
    if (!state.dropped) {
        return;
    }
    state.dropped = false;
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    NotifyParent(hwnd, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    NotifyParent(hwnd, CBN_CLOSEUP);
}

void Choose(HWND hwnd, ComboBoxState& state, int index) {
    state.items.Select(index);
    state.items.EnsureVisible(index, ListRows(hwnd, state));
    ShowSelection(hwnd, state);
    NotifyParent(hwnd, CBN_SELCHANGE);
}

void ButtonDown(HWND hwnd, ComboBoxState& state, POINT point) {
    if (!state.dropped) {
        FocusByClick(hwnd);
        Open(hwnd, state);
        return;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    int row = (point.y - FieldHeight(hwnd)) / ItemHeight(hwnd);
    int index = state.items.Top() + row;
    bool onList = point.x >= 0 && point.x < client.right && point.y >= FieldHeight(hwnd) &&
                  row < ListRows(hwnd, state) && state.items.Valid(index);
    // The list closes before the choice is taken, as the system's does.
    Close(hwnd, state, onList);
    if (onList && IsWindow(hwnd)) {
        Choose(hwnd, state, index);
    }
}

bool Key(HWND hwnd, ComboBoxState& state, WPARAM key) {
    if (key == VK_F4 || (key == VK_DOWN && GetKeyState(VK_MENU) < 0)) {
        state.dropped ? Close(hwnd, state, true) : Open(hwnd, state);
        return true;
    }
    if (state.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
        Close(hwnd, state, key == VK_RETURN);
        return true;
    }
    if (key != VK_UP && key != VK_DOWN) {
        return false;
    }
    int current = state.items.Selection();
    int next = std::clamp(key == VK_UP ? current - 1 : current + 1, 0,
                          std::max(state.items.Count() - 1, 0));
    if (state.items.Count() > 0 && next != current) {
        Choose(hwnd, state, next);
    }
    return true;
}

std::optional<LRESULT> DropMessage(HWND hwnd, ComboBoxState& state, UINT msg, WPARAM wParam,
                                   LPARAM lParam) {
    switch (msg) {
    case CB_SHOWDROPDOWN:
        wParam != 0 ? Open(hwnd, state) : Close(hwnd, state, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state.dropped ? TRUE : FALSE;
    case CB_GETITEMHEIGHT:
        return ItemHeight(hwnd);
    case CB_GETDROPPEDCONTROLRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (rect == nullptr) {
            return CB_ERR;
        }
        GetWindowRect(hwnd, rect);
        rect->top += FieldHeight(hwnd);
        rect->bottom = rect->top + state.droppedHeight - FieldHeight(hwnd);
        return TRUE;
    }
    case WM_SETTEXT: {
        // A drop-down list shows only its items: the text selects one, or nothing changes.
        int found =
            lParam != 0 ? state.items.Find(-1, reinterpret_cast<const char*>(lParam), true) : -1;
        if (found < 0) {
            return CB_ERR;
        }
        state.items.Select(found);
        ShowSelection(hwnd, state);
        return TRUE;
    }
    default:
        return std::nullopt;
    }
}

LRESULT DialogCode(const ComboBoxState& state, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (state.dropped && key != nullptr && key->message == WM_KEYDOWN &&
        (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

std::optional<LRESULT> InputMessage(HWND hwnd, ComboBoxState& state, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        if (const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam)) {
            state.droppedHeight = create->cy;
        }
        Layout(hwnd);
        return 0;
    case WM_SETFONT:
        FontMessage(hwnd, msg, wParam);
        Layout(hwnd);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(state, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(hwnd, state, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return Key(hwnd, state, wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_KILLFOCUS:
        Close(hwnd, state, false);
        return IsWindow(hwnd) ? FocusNotice(hwnd, msg, CBN_SETFOCUS, CBN_KILLFOCUS) : 0;
    default:
        return FocusNotice(hwnd, msg, CBN_SETFOCUS, CBN_KILLFOCUS);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, ComboBoxState& state, UINT msg, WPARAM wParam,
                              LPARAM lParam) {
    int before = state.items.Selection();
    bool sorted = (GetWindowLongPtrA(hwnd, GWL_STYLE) & CBS_SORT) != 0;
    if (std::optional<LRESULT> result = ItemMessage(state.items, comboBoxCodes, msg, wParam, lParam,
                                                    sorted, ListRows(hwnd, state))) {
        // The selection moves with inserted and deleted items too; the text follows it.
        if (state.items.Selection() != before || msg == CB_DELETESTRING || msg == CB_RESETCONTENT) {
            ShowSelection(hwnd, state);
        }
        return result;
    }
    if (std::optional<LRESULT> result = DropMessage(hwnd, state, msg, wParam, lParam)) {
        return result;
    }
    return InputMessage(hwnd, state, msg, wParam, lParam);
}

} // namespace

LRESULT ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ControlProc<ComboBoxState>(hwnd, msg, wParam, lParam, Handle);
}

} // namespace native
