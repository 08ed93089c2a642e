#pragma once

#include "platform/WinTypes.h"

#include <string>

class CMainFrame;

// The frame's Shift+F1 mode: the user points at something and gets its help topic instead
// of using it. Entering takes two passes so that the menu that asked for it closes first.
// While it is active a message loop of its own runs, with idle processing, until a click or
// key picks a topic, Escape cancels, or the mode is left (deactivation, closing).
class ContextHelpMode {
public:
    enum State { Off, Entering, Active };

    explicit ContextHelpMode(CMainFrame& frame) : frame_(frame) {}

    State state() const { return state_; }
    bool InHelpMode() const { return state_ != Off; }
    // False while the frame is disabled or another window holds the mouse (a drag, another
    // frame's help mode).
    bool CanEnter() const;
    // The 57669 button is checked while the mode is active or cannot be entered.
    bool ButtonChecked() const { return state_ == Active || !CanEnter(); }
    // Command 57669.
    void OnContextHelp();
    // Leaves the mode at once: a running loop ends (its exit message is posted; while that is
    // pending the mode cannot start again), the capture is released and the message pane
    // gets its text back.
    void Leave();
    // A menu or key command in help mode shows its topic; true when it was swallowed.
    bool SwallowCommand(UINT id);
    // A system command in help mode shows the topic of the command; true when handled.
    bool SwallowSysCommand(UINT command);

private:
    // Waits for a click or key; returns the help context, -1 for "no topic", 0 cancelled.
    DWORD Track();
    // The help context of the frame's window under a screen point: the deepest visible window
    // there and its parents are asked in turn (WM_HELPHITTEST); -1 outside the frame.
    DWORD ContextAt(POINT screen) const;
    // Keys go through the frame's accelerators; only system keys are dispatched.
    void TranslateKey(MSG& msg);
    bool ExitPending() const;
    void RestoreFrame();

    CMainFrame& frame_;
    State state_ = Off;
    std::string savedPaneText_;
};
