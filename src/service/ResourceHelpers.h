#pragma once

#include "platform/WinTypes.h"

#include <string>

class CWnd;
class CFrameWnd;

// Every load of a module resource happens with the module's resources selected; the
// previous selection is restored on every path.
HINSTANCE inspSelectModuleResources();
void inspRestoreResources(HINSTANCE previous);

// Selects the module's resources for the life of the object.
class ModuleResourceScope {
public:
    ModuleResourceScope() : previous_(inspSelectModuleResources()) {}
    ~ModuleResourceScope() { inspRestoreResources(previous_); }
    ModuleResourceScope(const ModuleResourceScope&) = delete;
    ModuleResourceScope& operator=(const ModuleResourceScope&) = delete;

private:
    HINSTANCE previous_;
};

// Loads a string of the module; a missing id leaves `text` unchanged and gives false.
bool inspLoadString(std::string& text, UINT id);
HICON inspLoadIcon(UINT id);
// Loads accelerator table 2 of the module into the frame.
bool inspLoadAccelerators(CFrameWnd& frame);
// Shows a message box whose text is the module's string `id`; the id travels with the box.
int inspShowMessage(HWND owner, UINT id, const std::string& text, const std::string& caption,
                    UINT style);
// Shows an error box with the module's text `id` and caption "Inspector", owned by `owner`;
// shows nothing when either string is missing.
void inspMessageBox(CWnd* owner, UINT id);
