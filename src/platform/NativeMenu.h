#pragma once

// How a host or a test plays the user at menus and keys: answering popup menus, choosing from
// a menu bar, reading what a menu shows, and pressing keys with Shift, Ctrl and Alt.

#include "WinMenu.h"

#include <functional>
#include <string>
#include <vector>

namespace native {

// When a host is asked to answer a message box or a popup menu. The native window system asks
// `Now` and waits for the answer. The real one (Windows) keeps its boxes and menus live, so
// that the user can answer them too: it tells the host when one is `Shown` (what the handler
// gives is ignored) and then asks, `Waiting`, whenever input may have arrived (see
// InputArrived), until the handler or the user answers; the handler answers from the input
// at hand or gives no answer yet (kChoiceLater, or 0 for a box).
enum class Asking { Now, Shown, Waiting };

// Chooses a command of the popup that TrackPopupMenu shows for `owner` at screen point `pt`;
// 0 chooses nothing. Every popup in the menu has had its WM_INITMENUPOPUP when it is asked.
// Without a handler nothing is ever chosen.
using PopupMenuHandler = std::function<UINT(HMENU menu, HWND owner, POINT pt, Asking asking)>;
// A handler's "no choice yet" (menu ids are 16 bits).
inline constexpr UINT kChoiceLater = 0xFFFFFFFFu;
void SetPopupMenuHandler(PopupMenuHandler handler);

// Where the shown popup menu has its item `id` (among its own items) on the screen; false
// when no popup menu is shown as a window (the native window system shows none) or it has no
// such item.
bool PopupItemRect(UINT id, RECT& rect);

// WM_INITMENUPOPUP to the owner for every popup nested in the menu, each before the popups
// inside it, positions read again after each message as a handler may change the menu.
void InitNestedPopups(HWND owner, HMENU menu);
// Whether `id` is an enabled command of the menu reached through enabled popups only.
bool IsChoosable(HMENU menu, UINT id);

// One item of a menu as the user sees it.
struct MenuItemInfo {
    UINT id = 0;      // 0 for separators and popups
    std::string text; // as stored, with its '&' marks
    bool separator = false;
    bool popup = false;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuItemInfo> children; // a popup's items
};

// The items of a menu and of its popups, as they are now.
std::vector<MenuItemInfo> DescribeMenu(HMENU menu);
// The menu bar of the window as a user opening every popup would see it: WM_INITMENU, then
// WM_INITMENUPOPUP for each popup (its nested popups after it) before its items are read.
std::vector<MenuItemInfo> ReadMenuBar(HWND hwnd);

// The text a user reads: '&' marks removed, "&&" shown as one '&'.
std::string MenuDisplayText(const std::string& text);

enum class MenuChoice { Chosen, Disabled, NotFound };
// Plays a user choosing from the window's menu bar through items named by their display
// texts, e.g. {"Tools", "Option", "Update"}: WM_INITMENU, WM_INITMENUPOPUP for each popup
// along the path (each looked up after the one before it was initialised), WM_ENTERIDLE, and
// then, if the last item is an enabled command, WM_COMMAND(id, 0) sent to the window.
// A disabled window, popup or item is Disabled and runs nothing.
MenuChoice ChooseMenuPath(HWND hwnd, const std::vector<std::string>& path);

// How often DrawMenuBar was called for the window.
int MenuBarDrawCount(HWND hwnd);

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};
// Keys held down between keystrokes, e.g. Ctrl during a mouse click.
void SetHeldModifiers(Modifiers held);
Modifiers HeldModifiers();

// Posts one keystroke, WM_KEYDOWN then WM_KEYUP (the WM_SYS... pair with Alt or F10), to
// `target`, or to the focus window (else the active window) when it is null. GetKeyState
// reports the given modifiers from the moment the key-down is taken from the queue until the
// key-up is. False when there is no window to receive it.
bool PressKey(HWND target, WORD virtualKey, bool shift, bool ctrl, bool alt);

} // namespace native
