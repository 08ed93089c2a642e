#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class MvSimplePad;

// A request for a tool window, as the host received it.
struct ToolRequest {
    std::string tool; // "Inspector", "Connector" or "Documentor"
    HWND window = nullptr;
    unsigned padId = 0; // 0: no pad
    int padCount = 0;   // Documentor: pads in the list; -1 for no list
    int result = 0;
};

// A call into the help system: WinHelp (popup false) or MwPopupOnlineHelp.
struct HelpCall {
    std::string file;
    UINT command = 0;
    std::uintptr_t data = 0;
    std::string keyword;
    bool popup = false;
};

// What the pad-property window was last told.
struct PadPropertyState {
    std::vector<MvSimplePad*> pads; // pads freed since are dropped
    std::optional<std::string> title;
    int open = 0;
    int calls = 0;
};
