#include "ContextHelpMode.h"

#include "CMainFrame.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"
#include "platform/ResourceTypes.h"
#include "resources/CommandIds.h"
#include "service/HelpFiles.h"
#include "service/ResourceHelpers.h"

namespace {

constexpr DWORD kCommandHelpBase = 0x10000;
constexpr UINT kIdleMessage = 57345;
constexpr UINT kHelpModeMessage = 57346;

} // namespace

void ContextHelpMode::OnContextHelp() {
    if (state_ == Active)
        return;
    if (state_ == Off) {
        state_ = Entering;
        frame_.PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        return;
    }
    state_ = Active;
    std::string prompt;
    if (!inspLoadString(prompt, kHelpModeMessage))
        inspLoadString(prompt, kIdleMessage);
    std::string previousText = frame_.m_wndStatusBar.GetPaneText(0);
    frame_.m_wndStatusBar.SetPaneText(0, prompt.c_str());
    HWND previousCapture = SetCapture(frame_.m_hWnd);

    DWORD context = Track();

    state_ = Off;
    if (previousCapture != nullptr)
        SetCapture(previousCapture);
    else
        ReleaseCapture();
    frame_.m_wndStatusBar.SetPaneText(0, previousText.c_str());
    const char* helpFile = inspInspectorHelpFile();
    if (context != 0 && AfxGetApp() != nullptr && helpFile != nullptr) {
        if (context == static_cast<DWORD>(-1))
            frame_.SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
        else if (context != kCommandHelpBase + ID_CONTEXT_HELP)
            ShowTopic(context, helpFile);
    }
    frame_.PostMessage(WM_IDLEUPDATECMDUI);
}

DWORD ContextHelpMode::Track() {
    while (state_ == Active) {
        MSG msg;
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            return 0; // no more input, or the application is quitting
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) {
            for (HWND hwnd = msg.hwnd; hwnd != nullptr; hwnd = GetParent(hwnd)) {
                if (auto context =
                        static_cast<DWORD>(SendMessageA(hwnd, WM_HELPHITTEST, 0, msg.lParam)))
                    return context;
                if (hwnd == frame_.m_hWnd)
                    break;
            }
            return static_cast<DWORD>(-1);
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

bool ContextHelpMode::ShowTopic(DWORD context, const char* helpFile) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || helpFile == nullptr)
        return false;
    const char* saved = app->m_pszHelpFilePath;
    app->m_pszHelpFilePath = helpFile;
    app->WinHelp(context, HELP_CONTEXTPOPUP);
    app->m_pszHelpFilePath = saved;
    return true;
}

bool ContextHelpMode::SwallowCommand(UINT id) {
    if (state_ == Off || id == ID_HELP || id == ID_DEFAULT_HELP || id == ID_CONTEXT_HELP)
        return false;
    if (ShowTopic(kCommandHelpBase + id, inspInspectorHelpFile()))
        state_ = Off;
    return true;
}

bool ContextHelpMode::SwallowSysCommand(UINT command) {
    const UINT withTopics[] = {SC_SIZE,       SC_MOVE,  SC_MINIMIZE, SC_MAXIMIZE, SC_NEXTWINDOW,
                               SC_PREVWINDOW, SC_CLOSE, SC_RESTORE,  SC_TASKLIST};
    if (state_ == Off)
        return false;
    UINT base = command & 0xFFF0;
    for (UINT known : withTopics) {
        if (known != base)
            continue;
        CWinApp* app = AfxGetApp();
        if (app != nullptr)
            app->WinHelp(kCommandHelpBase + 0xEF00 + (base - 0xF000) / 16, HELP_CONTEXTPOPUP);
        state_ = Off;
        return true;
    }
    return false;
}
