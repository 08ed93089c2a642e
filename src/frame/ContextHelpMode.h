#pragma once

#include "platform/WinTypes.h"

class CMainFrame;

// The frame's Shift+F1 mode: the user points at something and gets its help topic instead
// of using it. Entering takes two passes so that the menu that asked for it closes first.
class ContextHelpMode {
public:
    enum State { Off, Entering, Active };

    explicit ContextHelpMode(CMainFrame& frame) : frame_(frame) {}

    State state() const { return state_; }
    bool InHelpMode() const { return state_ != Off; }
    // Command 57669.
    void OnContextHelp();
    void Leave() { state_ = Off; }
    // A menu or key command in help mode shows its topic; true when it was swallowed.
    bool SwallowCommand(UINT id);
    // A system command in help mode shows the topic of the command; true when handled.
    bool SwallowSysCommand(UINT command);

private:
    // Waits for a click or key; returns the help context, -1 for "no topic", 0 cancelled.
    DWORD Track();
    // Shows `context` from the module's help file; false when no help file is available.
    bool ShowTopic(DWORD context, const char* helpFile);

    CMainFrame& frame_;
    State state_ = Off;
};
