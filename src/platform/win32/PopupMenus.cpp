// Popup menus shown by TrackPopupMenu, answered by the host's handler: once the real menu
// is up and waiting (WM_ENTERIDLE), its nested popups are initialised as their owner would
// see them, the handler chooses, the menu closes and the chosen command is posted to the
// owner, as the menu does when a person clicks an item. A menu bar opened from the keyboard
// waits for the host's input like any modal loop.

#include "../NativeMenu.h"
#include "WindowHooks.h"

namespace {

struct Tracking {
    HHOOK hook = nullptr;
    native::PopupMenuHandler handler;
    bool menuLoop = false;
    bool popupLoop = false;
    HMENU popup = nullptr;
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

void Answer(HWND owner, HWND menuWindow) {
    Tracking& tracking = Track();
    tracking.answered = true;
    HMENU menu = tracking.popup;
    native::InitNestedPopups(owner, menu);
    UINT chosen = tracking.handler ? tracking.handler(menu, owner, MenuPoint(menuWindow)) : 0;
    bool choosable = chosen != 0 && native::IsChoosable(menu, chosen);
    EndMenu();
    if (choosable)
        PostMessageA(owner, WM_COMMAND, chosen, 0);
}

LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    Tracking& tracking = Track();
    if (code == HC_ACTION) {
        switch (message->message) {
        case WM_ENTERMENULOOP:
            // TRUE: a popup of TrackPopupMenu rather than the menu bar.
            tracking.menuLoop = true;
            tracking.popupLoop = message->wParam != FALSE;
            tracking.popup = nullptr;
            tracking.answered = false;
            break;
        case WM_INITMENUPOPUP:
            if (tracking.popupLoop && tracking.popup == nullptr)
                tracking.popup = reinterpret_cast<HMENU>(message->wParam);
            break;
        case WM_ENTERIDLE:
            if (message->wParam != MSGF_MENU || !tracking.menuLoop)
                break;
            if (!tracking.popupLoop)
                win32::FeedIdleLoop();
            else if (tracking.handler && !tracking.answered && tracking.popup != nullptr)
                Answer(message->hwnd, reinterpret_cast<HWND>(message->lParam));
            break;
        case WM_EXITMENULOOP:
            tracking.menuLoop = false;
            tracking.popupLoop = false;
            tracking.popup = nullptr;
            break;
        default:
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

namespace win32 {

void EnsureMenuHook() {
    Tracking& tracking = Track();
    if (tracking.hook == nullptr)
        tracking.hook =
            SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, nullptr, GetCurrentThreadId());
}

} // namespace win32

namespace native {

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
