// The ListBox class: a list of texts with at most one selected. Rows are as high as the
// font; LBS_NOTIFY makes the user's choices notify the parent.

#include "platform/native/ControlSupport.h"
#include "platform/native/ItemMessages.h"
#include "platform/native/SystemClasses.h"

#include <algorithm>

namespace native {

namespace {

struct ListBoxState {
    ItemList items;
    int itemHeight = 0; // 0: the font's height
};

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

int ItemHeight(HWND hwnd, const ListBoxState& state) {
    return state.itemHeight > 0 ? state.itemHeight : ControlFont(hwnd).tmHeight;
}

int Rows(HWND hwnd, const ListBoxState& state) {
    RECT client;
    GetClientRect(hwnd, &client);
    return std::max<int>(client.bottom / ItemHeight(hwnd, state), 1);
}

void Notify(HWND hwnd, WORD code) {
    if ((StyleOf(hwnd) & LBS_NOTIFY) != 0) {
        NotifyParent(hwnd, code);
    }
}

// The user chose an item; the choice is reported even when it was selected already.
void Choose(HWND hwnd, ListBoxState& state, int index) {
    state.items.Select(index);
    state.items.EnsureVisible(index, Rows(hwnd, state));
    Notify(hwnd, LBN_SELCHANGE);
}

int ItemAt(HWND hwnd, const ListBoxState& state, POINT point) {
    if (!InClient(hwnd, point)) {
        return -1;
    }
    int index = state.items.Top() + point.y / ItemHeight(hwnd, state);
    return state.items.Valid(index) ? index : -1;
}

bool Key(HWND hwnd, ListBoxState& state, WPARAM key) {
    int count = state.items.Count();
    int current = state.items.Selection();
    int rows = Rows(hwnd, state);
    int next = current;
    switch (key) {
    case VK_UP:
        next = current < 0 ? 0 : current - 1;
        break;
    case VK_DOWN:
        next = current + 1;
        break;
    case VK_PRIOR:
        next = current - rows + 1;
        break;
    case VK_NEXT:
        next = current + rows - 1;
        break;
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = count - 1;
        break;
    default:
        return false;
    }
    next = std::clamp(next, 0, std::max(count - 1, 0));
    if (count > 0 && next != current) {
        Choose(hwnd, state, next);
    }
    return true;
}

std::optional<LRESULT> LayoutMessage(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    switch (msg) {
    case LB_GETITEMHEIGHT:
        return ItemHeight(hwnd, state);
    case LB_SETITEMHEIGHT:
        state.itemHeight = LOWORD(static_cast<std::uintptr_t>(lParam));
        return 0;
    case LB_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        int index = static_cast<int>(wParam);
        if (rect == nullptr || !state.items.Valid(index)) {
            return LB_ERR;
        }
        RECT client;
        GetClientRect(hwnd, &client);
        int height = ItemHeight(hwnd, state);
        int top = (index - state.items.Top()) * height;
        *rect = RECT{0, top, client.right, top + height};
        return TRUE;
    }
    case LB_ITEMFROMPOINT: {
        POINT point = PointOf(lParam);
        int index = state.items.Top() + std::max<int>(point.y, 0) / ItemHeight(hwnd, state);
        bool outside = !InClient(hwnd, point) || !state.items.Valid(index);
        index = std::clamp(index, 0, std::max(state.items.Count() - 1, 0));
        return MAKELONG(static_cast<WORD>(index), outside ? 1 : 0);
    }
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Handle(HWND hwnd, ListBoxState& state, UINT msg, WPARAM wParam,
                              LPARAM lParam) {
    bool sorted = (StyleOf(hwnd) & LBS_SORT) != 0;
    if (std::optional<LRESULT> result = ItemMessage(state.items, listBoxCodes, msg, wParam, lParam,
                                                    sorted, Rows(hwnd, state))) {
        return result;
    }
    if (std::optional<LRESULT> result = LayoutMessage(hwnd, state, msg, wParam, lParam)) {
        return result;
    }
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        FocusByClick(hwnd);
        int index = ItemAt(hwnd, state, PointOf(lParam));
        if (index >= 0) {
            Choose(hwnd, state, index);
            if (msg == WM_LBUTTONDBLCLK && IsWindow(hwnd)) {
                Notify(hwnd, LBN_DBLCLK);
            }
        }
        return 0;
    }
    case WM_KEYDOWN:
        return Key(hwnd, state, wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Notify(hwnd, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ControlProc<ListBoxState>(hwnd, msg, wParam, lParam, Handle);
}

} // namespace native
