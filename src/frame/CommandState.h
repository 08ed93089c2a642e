#pragma once

#include "listview/SelectionFacts.h"
#include "platform/WinTypes.h"

class CInspectrView;

// What the enabling rules of the Inspector's commands look at, taken from a view at one
// moment, so that menus, toolbar, context menus and keys all get the same answer.
struct ViewSnapshot {
    using Selected = SelectedFacts;
    // The facts of the selected list items, counted.
    SelectionTally selection;
    bool hasRoot = false;
    bool listEmpty = true;
    bool topIsDesktop = false;
    bool topIsPadRow = false;
    bool topParentOpenable = false; // the top pad has a parent not protected by 0x20000
    int autoUpdate = 1;
    int nestedLabels = 0;
    bool hasSelectedPads = false;
    bool contextHelpChecked = false;
};

struct CommandStatus {
    bool enabled = true;
    int checked = 0;
};

ViewSnapshot TakeSnapshot(const CInspectrView& view);
// The state of command `id` under the Inspector's rules; commands without a rule are enabled.
CommandStatus EvaluateCommand(UINT id, const ViewSnapshot& snapshot);
