// Popup menus shown by TrackPopupMenu, answered by the host's handler or by the user,
// whichever comes first: once the real menu is up and waiting (WM_ENTERIDLE), its nested
// popups are initialised as their owner would see them and the handler is told of it; then
// and whenever input arrives the handler may choose, and then the menu closes and the chosen
// command is posted to the owner, as the menu does when a person clicks an item. A menu bar
// opened from the keyboard waits for the host's input like any modal loop.

#include "../NativeBackend.h"
#include "../NativeMenu.h"
#include "WindowHooks.h"

namespace {

struct Tracking {
    bool watching = false;
    native::PopupMenuHandler handler;
    bool menuLoop = false;
    bool popupLoop = false;
    HMENU popup = nullptr;
    HWND owner = nullptr;
    POINT point{};
    bool shown = false;
    bool answered = false;
};

Tracking& Track() {
    static Tracking tracking;
    return tracking;
}

// Where the popup shows: the top-left corner of its menu window.
POINT MenuPoint(HWND menuWindow) {
    RECT rect{};
    if (menuWindow != nullptr)
        GetWindowRect(menuWindow, &rect);
    return POINT{rect.left, rect.top};
}

// The menu is told to the handler once it is up and waiting, and asked for a choice from the
// input at hand then and whenever more arrives (win32::AnswerPopup).
void Show(HWND owner, HWND menuWindow) {
    Tracking& tracking = Track();
    tracking.shown = true;
    tracking.owner = owner;
    tracking.point = MenuPoint(menuWindow);
    native::InitNestedPopups(owner, tracking.popup);
    native::PopupMenuHandler handler = tracking.handler;
    handler(tracking.popup, owner, tracking.point, native::Asking::Shown);
    win32::AnswerPopup();
}

} // namespace

namespace win32 {

void FollowMenuMessage(const CWPSTRUCT& message) {
    Tracking& tracking = Track();
    if (!tracking.watching)
        return;
    switch (message.message) {
    case WM_ENTERMENULOOP:
        // TRUE: a popup of TrackPopupMenu rather than the menu bar.
        tracking.menuLoop = true;
        tracking.popupLoop = message.wParam != FALSE;
        tracking.popup = nullptr;
        tracking.shown = false;
        tracking.answered = false;
        break;
    case WM_INITMENUPOPUP:
        if (tracking.popupLoop && tracking.popup == nullptr)
            tracking.popup = reinterpret_cast<HMENU>(message.wParam);
        break;
    case WM_ENTERIDLE:
        if (message.wParam == MSGF_DIALOGBOX) {
            win32::FeedIdleLoop(message.hwnd, reinterpret_cast<HWND>(message.lParam));
            break;
        }
        if (message.wParam != MSGF_MENU || !tracking.menuLoop)
            break;
        if (!tracking.popupLoop)
            win32::FeedIdleLoop(message.hwnd);
        else if (tracking.handler && !tracking.shown && tracking.popup != nullptr)
            Show(message.hwnd, reinterpret_cast<HWND>(message.lParam));
        break;
    case WM_EXITMENULOOP:
        tracking.menuLoop = false;
        tracking.popupLoop = false;
        tracking.popup = nullptr;
        tracking.shown = false;
        break;
    default:
        break;
    }
}

bool AnswerPopup() {
    Tracking& tracking = Track();
    if (!tracking.popupLoop || !tracking.shown || tracking.answered || !tracking.handler)
        return false;
    HMENU menu = tracking.popup;
    native::PopupMenuHandler handler = tracking.handler;
    UINT chosen = handler(menu, tracking.owner, tracking.point, native::Asking::Waiting);
    if (chosen == native::kChoiceLater)
        return true;
    tracking.answered = true;
    bool choosable = chosen != 0 && native::IsChoosable(menu, chosen);
    EndMenu();
    if (choosable)
        PostMessageA(tracking.owner, WM_COMMAND, chosen, 0);
    return true;
}

void EnsureMenuHook() {
    // Every window's subclass passes the menu loops' messages to FollowMenuMessage.
    EnsureHooks();
    Track().watching = true;
}

} // namespace win32

namespace native {

bool PopupItemRect(UINT id, RECT& rect) {
    constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU
    for (HWND hwnd : TopLevelWindows()) {
        if (GetClassNameOf(hwnd) != "#32768" || !IsWindowVisible(hwnd))
            continue;
        auto menu = reinterpret_cast<HMENU>(SendMessageA(hwnd, kGetMenuHandle, 0, 0));
        for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
            if (GetMenuItemID(menu, i) == id)
                return GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect) != FALSE;
        }
    }
    return false;
}

void SetPopupMenuHandler(PopupMenuHandler handler) {
    Track().handler = std::move(handler);
    win32::EnsureMenuHook();
}

} // namespace native

HMENU native::LoadMenuInLanguage(HINSTANCE module, UINT id, Language language) {
    // The module's resource script gives every menu in each language it has.
    WORD wanted = language == Language::Japanese ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                                                 : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    // Resource type 4 is RT_MENU, named here in its ANSI form.
    HRSRC found = FindResourceExA(module, MAKEINTRESOURCEA(4), MAKEINTRESOURCEA(id), wanted);
    HGLOBAL data = found != nullptr ? LoadResource(module, found) : nullptr;
    return data != nullptr ? LoadMenuIndirectA(LockResource(data)) : nullptr;
}
