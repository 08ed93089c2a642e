// The up-down control: two arrows that step a position through a range, optionally writing
// it into a buddy window's text (UDS_SETBUDDYINT) and reading it back from there before each
// step. With UDS_ARROWKEYS the buddy's Up and Down keys step it too.

#include "platform/CommCtrl.h"
#include "platform/native/ControlSupport.h"
#include "platform/native/SystemClasses.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace native {

namespace {

// Properties on the buddy of an up-down control with UDS_ARROWKEYS.
constexpr const char* ownerProperty = "UpDownOwner";
constexpr const char* buddyProcProperty = "UpDownBuddyProc";
constexpr int windowProcIndex = -4;
// How far the control covers an edit field it is aligned to: the field's border.
constexpr int buddyBorder = 2;

struct UpDownState {
    int lower = 100;
    int upper = 0;
    int position = 0;
    int base = 10;
    HWND buddy = nullptr;
};

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

bool InRange(const UpDownState& state, int value) {
    return value >= std::min(state.lower, state.upper) &&
           value <= std::max(state.lower, state.upper);
}

std::string Formatted(HWND hwnd, const UpDownState& state) {
    if (state.base == 16) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(state.position));
        return text;
    }
    long long value = state.position;
    std::string digits = std::to_string(value < 0 ? -value : value);
    bool separated = (StyleOf(hwnd) & UDS_NOTHOUSANDS) == 0;
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (separated && i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

void WriteBuddy(HWND hwnd, const UpDownState& state) {
    if ((StyleOf(hwnd) & UDS_SETBUDDYINT) != 0 && IsWindow(state.buddy)) {
        SetWindowTextA(state.buddy, Formatted(hwnd, state).c_str());
    }
}

// Takes the position from the buddy's text; false when the text is not a number in range.
bool ReadBuddy(HWND hwnd, UpDownState& state) {
    if ((StyleOf(hwnd) & UDS_SETBUDDYINT) == 0 || !IsWindow(state.buddy)) {
        return false;
    }
    std::string text = GetWindowTextOf(state.buddy);
    std::erase(text, ',');
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, state.base);
    if (*end != '\0' || errno != 0 || !InRange(state, static_cast<int>(value)) ||
        value != static_cast<int>(value)) {
        return false;
    }
    state.position = static_cast<int>(value);
    return true;
}

// One step of an arrow: the parent may change or refuse it (UDN_DELTAPOS); at an end of the
// range the position wraps with UDS_WRAP and stays otherwise. WM_VSCROLL follows in any case.
void Step(HWND hwnd, UpDownState& state, bool up) {
    ReadBuddy(hwnd, state);
    NMUPDOWN notice;
    notice.hdr.hwndFrom = hwnd;
    notice.hdr.idFrom = static_cast<std::uintptr_t>(GetDlgCtrlID(hwnd));
    notice.hdr.code = UDN_DELTAPOS;
    notice.iPos = state.position;
    notice.iDelta = (up == (state.upper >= state.lower)) ? 1 : -1;
    HWND parent = GetParent(hwnd);
    if (SendMessageA(parent, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice)) ==
            0 &&
        IsWindow(hwnd)) {
        long long next = static_cast<long long>(state.position) + notice.iDelta;
        int low = std::min(state.lower, state.upper);
        int high = std::max(state.lower, state.upper);
        if (next < low || next > high) {
            bool wrap = (StyleOf(hwnd) & UDS_WRAP) != 0;
            next = next > high ? (wrap ? low : high) : (wrap ? high : low);
        }
        if (next != state.position) {
            state.position = static_cast<int>(next);
            WriteBuddy(hwnd, state);
        }
    }
    if (IsWindow(hwnd)) {
        SendMessageA(parent, WM_VSCROLL,
                     MAKELONG(SB_THUMBPOSITION, static_cast<WORD>(state.position)),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

LRESULT BuddyProc(HWND buddy, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(buddy, buddyProcProperty));
    auto owner = static_cast<HWND>(GetPropA(buddy, ownerProperty));
    std::shared_ptr<UpDownState> state = ControlDataOf<UpDownState>(owner);
    if (state && state->buddy == buddy) {
        if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
            if (IsWindowEnabled(owner)) {
                Step(owner, *state, wParam == VK_UP);
            }
            return 0;
        }
        if (msg == WM_GETDLGCODE) {
            return CallWindowProcA(previous, buddy, msg, wParam, lParam) | DLGC_WANTARROWS;
        }
    }
    return CallWindowProcA(previous, buddy, msg, wParam, lParam);
}

// Beside the buddy on the chosen side, as high as it; the buddy gives up the room.
void Align(HWND hwnd, HWND buddy) {
    DWORD style = StyleOf(hwnd);
    WindowManager& manager = WindowManager::Instance();
    Window* self = manager.Find(hwnd);
    Window* other = manager.Find(buddy);
    if ((style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) == 0 || self == nullptr || other == nullptr ||
        other->parent != self->parent) {
        return;
    }
    RECT at = other->rect;
    int width = self->Width();
    int buddyWidth = std::max<int>(at.right - at.left - width, 0);
    // Beside an edit field the control covers the field's border, to look part of it.
    int overlap = IsOfClass(buddy, WC_EDIT) ? buddyBorder : 0;
    if ((style & UDS_ALIGNRIGHT) != 0) {
        MoveWindow(buddy, at.left, at.top, buddyWidth, at.bottom - at.top, TRUE);
        MoveWindow(hwnd, at.left + buddyWidth - overlap, at.top, width, at.bottom - at.top, TRUE);
    } else {
        MoveWindow(hwnd, at.left, at.top, width + overlap, at.bottom - at.top, TRUE);
        MoveWindow(buddy, at.left + width, at.top, buddyWidth, at.bottom - at.top, TRUE);
    }
}

HWND SetBuddy(HWND hwnd, UpDownState& state, HWND buddy) {
    HWND previous = state.buddy;
    state.buddy = IsWindow(buddy) ? buddy : nullptr;
    if (state.buddy == nullptr) {
        return previous;
    }
    Align(hwnd, buddy);
    if ((StyleOf(hwnd) & UDS_ARROWKEYS) != 0 && GetPropA(buddy, buddyProcProperty) == nullptr) {
        auto proc = GetWindowLongPtrA(buddy, windowProcIndex);
        SetPropA(buddy, buddyProcProperty, reinterpret_cast<HANDLE>(proc));
        SetWindowLongPtrA(buddy, windowProcIndex, reinterpret_cast<std::intptr_t>(&BuddyProc));
    }
    if ((StyleOf(hwnd) & UDS_ARROWKEYS) != 0) {
        SetPropA(buddy, ownerProperty, hwnd);
    }
    return previous;
}

std::optional<LRESULT> RangeMessage(HWND hwnd, UpDownState& state, UINT msg, WPARAM wParam,
                                    LPARAM lParam) {
    auto bits = static_cast<std::uintptr_t>(lParam);
    switch (msg) {
    case UDM_SETRANGE:
        state.upper = static_cast<short>(LOWORD(bits));
        state.lower = static_cast<short>(HIWORD(bits));
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(static_cast<WORD>(state.upper), static_cast<WORD>(state.lower));
    case UDM_SETRANGE32:
        state.lower = static_cast<int>(static_cast<std::intptr_t>(wParam));
        state.upper = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (auto* lower = reinterpret_cast<int*>(wParam)) {
            *lower = state.lower;
        }
        if (auto* upper = reinterpret_cast<int*>(lParam)) {
            *upper = state.upper;
        }
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        int previous = state.position;
        int wanted =
            msg == UDM_SETPOS ? static_cast<short>(LOWORD(bits)) : static_cast<int>(lParam);
        state.position = std::clamp(wanted, std::min(state.lower, state.upper),
                                    std::max(state.lower, state.upper));
        WriteBuddy(hwnd, state);
        return previous;
    }
    case UDM_GETPOS: {
        bool read = ReadBuddy(hwnd, state);
        bool failed = (StyleOf(hwnd) & UDS_SETBUDDYINT) != 0 && !read;
        return MAKELONG(static_cast<WORD>(state.position), failed ? 1 : 0);
    }
    case UDM_GETPOS32: {
        bool read = ReadBuddy(hwnd, state);
        if (auto* error = reinterpret_cast<BOOL*>(lParam)) {
            *error = (StyleOf(hwnd) & UDS_SETBUDDYINT) != 0 && !read ? TRUE : FALSE;
        }
        return state.position;
    }
    case UDM_SETBASE: {
        int previous = state.base;
        if (wParam != 10 && wParam != 16) {
            return 0;
        }
        state.base = static_cast<int>(wParam);
        return previous;
    }
    case UDM_GETBASE:
        return state.base;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UpDownState& state, UINT msg, WPARAM wParam,
                              LPARAM lParam) {
    if (std::optional<LRESULT> result = RangeMessage(hwnd, state, msg, wParam, lParam)) {
        return result;
    }
    switch (msg) {
    case WM_CREATE:
        // The automatic buddy is the control created just before this one.
        if ((StyleOf(hwnd) & UDS_AUTOBUDDY) != 0) {
            SetBuddy(hwnd, state, GetWindow(hwnd, GW_HWNDPREV));
        }
        return 0;
    case UDM_SETBUDDY:
        return reinterpret_cast<LRESULT>(SetBuddy(hwnd, state, reinterpret_cast<HWND>(wParam)));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(state.buddy);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        RECT client;
        GetClientRect(hwnd, &client);
        Step(hwnd, state, PointOf(lParam).y < client.bottom / 2);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam != VK_UP && wParam != VK_DOWN) {
            return std::nullopt;
        }
        Step(hwnd, state, wParam == VK_UP);
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

LRESULT UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ControlProc<UpDownState>(hwnd, msg, wParam, lParam, Handle);
}

} // namespace native
