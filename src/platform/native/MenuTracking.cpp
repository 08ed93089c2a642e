// The user's side of popup menus: answered by the host's handler.

#include "platform/native/WindowManager.h"

using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

WPARAM AsWParam(HMENU menu) {
    return reinterpret_cast<WPARAM>(menu);
}

// LOWORD the popup's position in the menu that holds it, HIWORD FALSE: not the system menu.
LPARAM PopupParam(int position) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(position), FALSE));
}
} // namespace

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!IsMenu(menu) || !IsWindow(owner)) {
        return FALSE;
    }
    bool notify = (flags & TPM_NONOTIFY) == 0;
    if (notify) {
        // TRUE: the loop of a popup menu, not of the menu bar.
        SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageA(owner, WM_INITMENU, AsWParam(menu), 0);
        SendMessageA(owner, WM_INITMENUPOPUP, AsWParam(menu), PopupParam(0));
        native::InitNestedPopups(owner, menu);
        SendMessageA(owner, WM_ENTERIDLE, MSGF_MENU, 0);
    }
    auto handler = Manager().popupMenuHandler;
    UINT chosen =
        handler && IsMenu(menu) ? handler(menu, owner, POINT{x, y}, native::Asking::Now) : 0;
    if (chosen != 0 && !native::IsChoosable(menu, chosen)) {
        chosen = 0;
    }
    if (notify && IsWindow(owner)) {
        SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
    }
    if ((flags & TPM_RETURNCMD) != 0) {
        return static_cast<BOOL>(chosen);
    }
    if (notify && chosen != 0) {
        PostMessageA(owner, WM_COMMAND, chosen, 0);
    }
    // Without TPM_RETURNCMD a menu closed with no choice is still a success.
    return TRUE;
}

namespace native {

bool PopupItemRect(UINT, RECT&) {
    return false;
}

void SetPopupMenuHandler(PopupMenuHandler handler) {
    Manager().popupMenuHandler = std::move(handler);
}

} // namespace native
