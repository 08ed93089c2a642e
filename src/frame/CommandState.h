#pragma once

#include "platform/WinTypes.h"

#include <vector>

class CInspectrView;

// What the enabling rules of the Inspector's commands look at, taken from a view at one
// moment, so that menus, toolbar, context menus and keys all get the same answer.
struct ViewSnapshot {
    // One entry per selected list item, in list order.
    struct Selected {
        bool hasRow = false;
        bool padRow = false; // has a row, not gone, not the desktop row
        bool hasPad = false;
        int groupDepth = 0;
        bool desktopSelected = false;
        bool deleteProtected = false; // protection bit 0x10
        bool insertProtected = false; // isProtected2(0x10000)
        bool toolProtected = false;   // isProtected2(0x20000)
        bool excludedClass = false;
    };
    std::vector<Selected> selected;
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
// The pads of the four classes that stand for other pads take no tools and no re-paste.
bool IsExcludedClass(const char* className);
