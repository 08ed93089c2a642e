#pragma once

// The hooks through which the Windows backend learns of the thread's windows as they come
// and go: the framework's creation hook, the host's window observer, the top-level windows
// in creation order and the templates of the framework's dialogs.

#include "Win32Api.h"

#include <vector>

namespace win32 {

// Installs the thread's creation hook once, through which every window of the thread is
// subclassed to be watched; every function below calls it.
void EnsureHooks();

// The dialog about to be created comes from this template; 0 when the framework is not
// creating a dialog.
void SetPendingDialogTemplate(UINT id);
// The template of a framework dialog, 0 for any other window (a message box among them).
UINT DialogTemplateOf(HWND hwnd);

// Top-level windows of the thread still alive, in creation order.
std::vector<HWND> CreatedTopLevels();

// A loop of the system's own (the menu bar's, a modal dialog box's) waits with nothing
// queued: the host's input waiter feeds input until something is queued; when no input can
// come any more the menu closes, or the dialog box ends as cancelled. As the application's own
// loops do in Win32GetMessageA.
void FeedIdleLoop(HWND owner, HWND dialog = nullptr);
// Gives a top-level window with WS_EX_CONTEXTHELP the title-bar help button where the window
// system has none of its own (Wine): drawn, hit-tested and starting the help mode.
void AddHelpButton(HWND hwnd);
// The help button's part of the subclass (HelpButton.cpp): whether the system has a button of
// its own; a message the button answers before the window's procedure (true, with its
// result); the button drawn again after a message that drew the frame.
bool SystemDrawsHelpButton(HWND hwnd);
bool HelpButtonMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
void HelpButtonAfter(HWND hwnd, UINT msg);
// A popup menu shown and not answered yet asks the host's handler for a choice from the
// input at hand; false when there is no such menu.
bool AnswerPopup();
// Watches the menu loops: popups for the host's popup handler, the menu bar for FeedIdleLoop.
void EnsureMenuHook();
// A message to a window of the thread, seen before the window's procedure (the backend
// subclasses every window at its creation); the menu loops are followed from it once
// EnsureMenuHook was called.
void FollowMenuMessage(const CWPSTRUCT& message);
// A window of the thread created before the hooks were installed is watched from now on,
// as those created after them are.
void EnsureWatched(HWND hwnd);
// The window is gone (its WM_NCDESTROY was handled) or its handle is being given to a new
// window: the framework object kept for it is forgotten.
void ForgetWindowObject(HWND hwnd);

} // namespace win32
