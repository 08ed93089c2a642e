#pragma once

#include "CCmdTarget.h"
#include "Win.h"

#include <string>

// The application object. At most one exists; while it does, AfxGetApp() returns it.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(HINSTANCE instance = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    // The help file that WinHelp calls of the framework use; may be swapped for a call.
    const char* m_pszHelpFilePath = nullptr;
    std::string helpFilePath;

    void WinHelp(std::uintptr_t data, UINT command);
    // "Using Help": the help system's help on itself.
    void OnHelpUsing() { WinHelp(0, HELP_HELPONHELP); }
};
