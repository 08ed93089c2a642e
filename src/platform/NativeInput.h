#pragma once

// How a host or a test plays the user with the mouse and the keyboard's characters: clicks
// on windows, typed text and the title-bar help button. Input is posted, as the user's is,
// and taken by whatever message loop runs next.

#include "Win.h"

#include <string>

namespace native {

enum class MouseButton { Left, Right };

// One mouse message at a client point of `hwnd`, with the keys and buttons held (MK_...): as
// in Win32 it goes to the window holding the mouse capture, with the point in that window's
// client co-ordinates, when one does. The cursor moves there. False when there is no window.
bool PostMouseInput(HWND hwnd, UINT message, WPARAM keys, POINT point);
// A click (button down and up) at a client point of the window. The mouse reaches no window
// that is hidden or disabled, or whose parents or top-level window are: false then.
bool ClickWindow(HWND hwnd, POINT point, MouseButton button = MouseButton::Left,
                 bool doubleClick = false);
// Whether the mouse reaches the window: it exists, and neither it nor a parent up to its
// top-level window is hidden or disabled.
bool ReachedByMouse(HWND hwnd);
// Characters typed into the window (WM_CHAR; a double-byte character as lead and trail byte);
// a line feed is the Return key. False when there is no such window.
bool TypeText(HWND hwnd, const std::string& text);
// The title-bar help button of a top-level window with WS_EX_CONTEXTHELP; the next click then
// asks for help on what it hits (WM_HELP). False for a window without the button.
bool PressHelpButton(HWND hwnd);
// Where that button is on the screen; false for a window without it.
bool HelpButtonRect(HWND hwnd, RECT& rect);

} // namespace native
