#pragma once

// Menus, popup menus and accelerator tables, with the names, arguments and results of their
// Win32 counterparts. Menu texts are in the active code page.

#ifdef _WIN32
#include "ResourceTypes.h"
#include "win32/Win32Api.h"
#else

#include "ResourceTypes.h"
#include "Win.h"

// How an item is named: by command (searching popups too) or by position in the menu.
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;

// TrackPopupMenu flags.
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

// WM_ENTERIDLE's wParam while a menu waits for the user.
inline constexpr WPARAM MSGF_MENU = 2;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and, with it, every popup it holds.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// A menu bar built from the module's menu resource; null when there is none.
HMENU LoadMenuA(HINSTANCE instance, UINT id);

// With MF_POPUP, `idOrPopup` is the popup's HMENU; MF_SEPARATOR ignores the text.
BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Inserts before the item named by `position`; by position, one past the end appends.
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Replaces the item; a popup it held is destroyed unless the new item keeps it.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Deletes the item and destroys the popup it holds.
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
// Removes the item but leaves its popup alive for the caller.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);

// -1 for an invalid menu.
int GetMenuItemCount(HMENU menu);
// The command id at that position: 0 for a separator, -1 for a popup or no item.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// Copies the text as stored (with its '&' marks); without a buffer, returns its length.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int bufferSize, UINT flags);
// The item's MF_ flags; for a popup the high byte holds its item count. -1 when absent.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Return the previous MF_GRAYED | MF_DISABLED or MF_CHECKED state, -1 when absent.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);

// The menu bar of a top-level window; the window destroys it when it goes.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);
BOOL DrawMenuBar(HWND hwnd);

// Shows the popup for the owner and lets the user choose (see native::SetPopupMenuHandler).
// With TPM_RETURNCMD returns the chosen command; otherwise posts WM_COMMAND for it to the
// owner and returns nonzero. 0 when nothing was chosen.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* excludeRect);

HACCEL LoadAcceleratorsA(HINSTANCE instance, UINT id);
HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count);
// Only for tables made by CreateAcceleratorTableA; loaded tables belong to their module.
BOOL DestroyAcceleratorTable(HACCEL table);
// Matches a WM_KEYDOWN or WM_SYSKEYDOWN against the table with the Shift, Ctrl and Alt state
// of GetKeyState, and sends WM_COMMAND(MAKELONG(cmd, 1), 0) to `hwnd`. A command that is an
// item of the window's menu bar is first initialised as if its menu opened, and is not sent
// while that item is disabled, the window is disabled or minimised, or the mouse is captured.
// Nonzero whenever a key matched, sent or not.
int TranslateAcceleratorA(HWND hwnd, HACCEL table, MSG* msg);

#endif
