#pragma once

#include "platform/WinTypes.h"

#include <string>

class MvSimplePad;
class MvSimpleModel;
class CFrameWnd;

// The Inspector module's entry points as the desktop calls them (standard calling
// convention). Loaded from the shared library by name, or filled in directly by a test that
// links the module statically.
struct InspectorModule {
    void(WINAPI* initInspector)() = nullptr;
    int(WINAPI* openInspector)(HWND window, MvSimplePad* pad) = nullptr;
    void(WINAPI* AlldeleteInspector)() = nullptr;
    void(WINAPI* ActivateInspector)() = nullptr;
    void(WINAPI* DeactivateInspector)() = nullptr;
    void(WINAPI* inspectorUpdateWindow)() = nullptr;
    int(WINAPI* inspectorGetInspectorCount)() = nullptr;
    // The frame is a CFrameWnd of the application framework.
    CFrameWnd*(WINAPI* inspectorGetInspector)(int index) = nullptr;

    void(WINAPI* inspectorChangedPaste)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedShow)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedHide)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedSize)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedPosition)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedConnect)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedSelect)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedDelete)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedOutput)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedSlotValue)(MvSimpleModel*, int slotIndex) = nullptr;
    void(WINAPI* inspectorChangedOwnname)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedGroup)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedLine)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedLower)(MvSimplePad*) = nullptr;
    void(WINAPI* inspectorChangedRaise)(MvSimplePad*) = nullptr;

    // Loads the shared library at `path` and resolves every entry point; on failure returns
    // false and sets `error`. The library stays loaded for the life of the process.
    bool Load(const std::string& path, std::string& error);
    bool Complete() const;
};
