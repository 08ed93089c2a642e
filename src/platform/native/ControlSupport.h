#pragma once

#include "platform/WinDialog.h"
#include "platform/native/WindowManager.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace native {

// The state a control class keeps for a window, made at WM_NCCREATE and freed with the window.
template <typename T> std::shared_ptr<T> ControlDataOf(HWND hwnd) {
    Window* window = WindowManager::Instance().Find(hwnd);
    return window != nullptr ? std::static_pointer_cast<T>(window->controlData) : nullptr;
}
template <typename T> void AttachControlData(HWND hwnd, std::shared_ptr<T> data) {
    if (Window* window = WindowManager::Instance().Find(hwnd)) {
        window->controlData = std::move(data);
    }
}

// The font of a dialog whose template asks for one of `pointSize` points.
// WM_SETFONT and WM_GETFONT, the same for every control class.
std::optional<LRESULT> FontMessage(HWND hwnd, UINT msg, WPARAM wParam);

// The frame of a control class's window procedure: the class's state is made at WM_NCCREATE
// and held through each message, since a notice may destroy the window; `handle` answers
// what the class handles and nothing for the rest, which goes to the fonts and the default.
template <typename State, typename Handle>
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, Handle handle) {
    if (msg == WM_NCCREATE) {
        AttachControlData(hwnd, std::make_shared<State>());
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (std::shared_ptr<State> state = ControlDataOf<State>(hwnd)) {
        if (std::optional<LRESULT> result = handle(hwnd, *state, msg, wParam, lParam)) {
            return *result;
        }
    }
    if (std::optional<LRESULT> result = FontMessage(hwnd, msg, wParam)) {
        return *result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HFONT CreateDialogFont(int pointSize);
// A font the system knows, else the system font.
TEXTMETRICA MetricsOf(HFONT font);
// Width in pixels of average characters; a double-byte character counts twice.
int TextWidth(std::string_view text, const TEXTMETRICA& font);
bool IsLeadByte(unsigned char byte);

TEXTMETRICA ControlFont(HWND hwnd);

// WM_COMMAND(MAKELONG(id, code), control) to the control's parent.
void NotifyParent(HWND control, WORD code);
// The focus notices a control gives its parent: `gained` on WM_SETFOCUS, `lost` on
// WM_KILLFOCUS; nothing for other messages.
std::optional<LRESULT> FocusNotice(HWND hwnd, UINT msg, WORD gained, WORD lost);
bool IsDialogWindow(HWND hwnd);
// The focus as a click gives it: through the dialog manager when the parent is a dialog, so
// that the default button follows, else SetFocus.
void FocusByClick(HWND control);
// A mouse message's client point.
POINT PointOf(LPARAM lParam);
bool InClient(HWND hwnd, POINT point);
// The button type of a Button window's style.
DWORD ButtonType(HWND hwnd);
// Whether the window is of the class named, the name compared as the system does, in any case.
bool IsOfClass(HWND hwnd, std::string_view className);
// Whether the Shift or Ctrl key is down for the message being handled.
bool ShiftDown();
bool CtrlDown();

} // namespace native
