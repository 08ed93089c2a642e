#pragma once

#include "platform/WinTypes.h"

class CMainFrame;

// What the Inspector's commands do. Each acts on the frame's view and its selection and asks
// the host for other tools; a command whose view or list is missing does nothing.
namespace CommandActions {

void SelectOnDesktop(CMainFrame& frame, bool select);
void PadProperties(CMainFrame& frame);
// Runs the Insert/Replace dialog on the two selected rows, then selects them again unless
// the Inspector lost its root pad.
void InsertReplace(CMainFrame& frame);
void ConnectionEditor(CMainFrame& frame);
void DocumentGenerator(CMainFrame& frame);
void InspectSelected(CMainFrame& frame);
void InspectParentOfTop(CMainFrame& frame);
void InspectDesktop(CMainFrame& frame);
void ActivateDesktop(CMainFrame& frame);
void CloseAllTools();
void OtherWindows(CMainFrame& frame);
void HelpTopics(CMainFrame& frame);
void ContextHelpTopic(CMainFrame& frame);
void HelpKeyword();
void Exit(CMainFrame& frame);
// Rebuilds the Window menu's list of tool windows (popup `windowMenu`).
void BuildWindowList(CMainFrame& frame, HMENU windowMenu);

} // namespace CommandActions
