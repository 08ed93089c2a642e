#pragma once

#include "platform/WinTypes.h"

class CWnd;

// Context help in the Inspector's dialogs: every control answers F1, the title-bar help
// button and "What's This?" with the pop-up topic of its control id from the Inspector's
// help file.

// Shows the topic of control `id`, asked through `window`'s WinHelp, or the application's
// when `window` is null, with the module's resources selected; the application's help file
// is its own again afterwards. False, showing nothing, without an application object or a
// help directory.
bool inspShowControlTopic(CWnd* window, int id);

// The Insert/Replace dialog's radio buttons under a client point of the dialog, tested in
// the order 1070, 1071, 1072, 1082, 1081, 1080, 1083, 1089, 1090, 1088, 1091: they lie inside
// group boxes, which the framework's own test would report first. -1 when none holds it.
int InsertReplaceToolHit(HWND dialog, POINT point);
