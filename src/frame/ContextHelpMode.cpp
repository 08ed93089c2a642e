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
constexpr DWORD kControlHelpBase = 0x50000;
constexpr UINT kIdleMessage = 57345;
constexpr UINT kHelpModeMessage = 57346;

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR ||
           message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

} // namespace

bool ContextHelpMode::CanEnter() const {
    HWND hwnd = frame_.m_hWnd;
    HWND capture = GetCapture();
    return IsWindow(hwnd) && IsWindowEnabled(hwnd) && (capture == nullptr || capture == hwnd);
}

bool ContextHelpMode::ExitPending() const {
    MSG msg;
    return PeekMessageA(&msg, frame_.m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_NOREMOVE) !=
           FALSE;
}

void ContextHelpMode::OnContextHelp() {
    if (state_ == Active)
        return;
    if (!CanEnter() || ExitPending()) {
        state_ = Off;
        return;
    }
    if (state_ == Off) {
        state_ = Entering;
        frame_.PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        return;
    }
    state_ = Active;
    std::string prompt;
    if (!inspLoadString(prompt, kHelpModeMessage))
        inspLoadString(prompt, kIdleMessage);
    savedPaneText_ = frame_.m_wndStatusBar.GetPaneText(0);
    frame_.m_wndStatusBar.SetPaneText(0, prompt.c_str());
    SetCapture(frame_.m_hWnd);

    DWORD context = Track();

    // Left by Leave, the frame has been put back already and nothing was picked.
    if (state_ == Active) {
        state_ = Off;
        RestoreFrame();
    }
    if (context != 0 && context != kCommandHelpBase + ID_CONTEXT_HELP) {
        inspWithModuleHelp([&](CWinApp& app) {
            if (context == static_cast<DWORD>(-1))
                frame_.SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
            else
                app.WinHelp(context, HELP_CONTEXTPOPUP);
        });
    }
    frame_.PostMessage(WM_IDLEUPDATECMDUI);
}

void ContextHelpMode::Leave() {
    if (state_ == Off)
        return;
    bool active = state_ == Active;
    state_ = Off;
    if (!ExitPending())
        frame_.PostMessage(WM_EXITHELPMODE);
    if (active)
        RestoreFrame();
}

void ContextHelpMode::RestoreFrame() {
    if (GetCapture() == frame_.m_hWnd)
        ReleaseCapture();
    frame_.m_wndStatusBar.SetPaneText(0, savedPaneText_.c_str());
}

DWORD ContextHelpMode::Track() {
    bool idle = true;
    while (state_ == Active) {
        MSG msg;
        if (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Idle time, as in every message loop: the bars show the state of their commands.
            AfxIdleUpdate(nullptr);
            idle = false;
            continue;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            PostQuitMessage(static_cast<int>(msg.wParam));
        if (got <= 0)
            return 0; // no more input, or the application is quitting
        idle = true;
        if (msg.message == WM_EXITHELPMODE ||
            (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            return 0;
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) {
            // The click came to the window holding the capture; the window under it answers.
            POINT point{static_cast<short>(LOWORD(msg.lParam)),
                        static_cast<short>(HIWORD(msg.lParam))};
            ClientToScreen(msg.hwnd, &point);
            return ContextAt(point);
        }
        if (IsKeyMessage(msg.message)) {
            TranslateKey(msg);
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

DWORD ContextHelpMode::ContextAt(POINT screen) const {
    HWND hit = frame_.m_hWnd;
    for (;;) {
        POINT client = screen;
        ScreenToClient(hit, &client);
        HWND below = ChildWindowFromPointEx(hit, client, CWP_SKIPINVISIBLE);
        if (below == nullptr)
            return static_cast<DWORD>(-1); // outside the frame
        if (below == hit)
            break;
        hit = below;
    }
    // Each window up to the frame may answer; a child window that does not has the topic of
    // its control id.
    DWORD byId = 0;
    for (HWND hwnd = hit; hwnd != nullptr; hwnd = GetParent(hwnd)) {
        POINT client = screen;
        ScreenToClient(hwnd, &client);
        LPARAM where =
            static_cast<LPARAM>(MAKELONG(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
        if (auto context = static_cast<DWORD>(SendMessageA(hwnd, WM_HELPHITTEST, 0, where)))
            return context;
        if (byId == 0 && hwnd != frame_.m_hWnd && GetDlgCtrlID(hwnd) != 0)
            byId = kControlHelpBase + static_cast<DWORD>(GetDlgCtrlID(hwnd));
        if (hwnd == frame_.m_hWnd)
            break;
    }
    return byId != 0 ? byId : static_cast<DWORD>(-1);
}

void ContextHelpMode::TranslateKey(MSG& msg) {
    // Accelerators of menu items are not translated while the mouse is captured.
    if (GetCapture() == frame_.m_hWnd)
        ReleaseCapture();
    if (!frame_.PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        if (msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP)
            DispatchMessageA(&msg);
    }
    if (state_ == Active)
        SetCapture(frame_.m_hWnd);
}

bool ContextHelpMode::SwallowCommand(UINT id) {
    if (state_ == Off || id == ID_DEFAULT_HELP || id == ID_CONTEXT_HELP)
        return false;
    // F1 picks the help topics: they are shown and the mode ends.
    if (id == ID_HELP) {
        Leave();
        return false;
    }
    if (inspWithModuleHelp(
            [id](CWinApp& app) { app.WinHelp(kCommandHelpBase + id, HELP_CONTEXTPOPUP); }))
        Leave();
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
        if (CWinApp* app = AfxGetApp())
            app->WinHelp(kCommandHelpBase + 0xEF00 + (base - 0xF000) / 16, HELP_CONTEXTPOPUP);
        Leave();
        return true;
    }
    return false;
}
