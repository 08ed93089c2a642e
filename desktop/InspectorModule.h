#pragma once

#include "platform/WinTypes.h"

#include <string>

class MvSimplePad;
class MvSimpleModel;
class CFrameWnd;

// The Inspector module's entry points as the desktop calls them. Loaded from the shared
// library by name, or filled in directly by a test that links the module statically.
struct InspectorModule {
    void (*initInspector)() = nullptr;
    int (*openInspector)(HWND window, MvSimplePad* pad) = nullptr;
    void (*AlldeleteInspector)() = nullptr;
    void (*ActivateInspector)() = nullptr;
    void (*DeactivateInspector)() = nullptr;
    void (*inspectorUpdateWindow)() = nullptr;
    int (*inspectorGetInspectorCount)() = nullptr;
    // The frame is a CFrameWnd of the application framework.
    CFrameWnd* (*inspectorGetInspector)(int index) = nullptr;

    void (*inspectorChangedPaste)(MvSimplePad*) = nullptr;
    void (*inspectorChangedShow)(MvSimplePad*) = nullptr;
    void (*inspectorChangedHide)(MvSimplePad*) = nullptr;
    void (*inspectorChangedSize)(MvSimplePad*) = nullptr;
    void (*inspectorChangedPosition)(MvSimplePad*) = nullptr;
    void (*inspectorChangedConnect)(MvSimplePad*) = nullptr;
    void (*inspectorChangedSelect)(MvSimplePad*) = nullptr;
    void (*inspectorChangedDelete)(MvSimplePad*) = nullptr;
    void (*inspectorChangedOutput)(MvSimplePad*) = nullptr;
    void (*inspectorChangedSlotValue)(MvSimpleModel*, int slotIndex) = nullptr;
    void (*inspectorChangedOwnname)(MvSimplePad*) = nullptr;
    void (*inspectorChangedGroup)(MvSimplePad*) = nullptr;
    void (*inspectorChangedLine)(MvSimplePad*) = nullptr;
    void (*inspectorChangedLower)(MvSimplePad*) = nullptr;
    void (*inspectorChangedRaise)(MvSimplePad*) = nullptr;

    // Loads the shared library at `path` and resolves every entry point; on failure returns
    // false and sets `error`. The library stays loaded for the life of the process.
    bool Load(const std::string& path, std::string& error);
    bool Complete() const;
};
