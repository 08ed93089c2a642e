// mvdeskw.exe: the desktop for a person at Windows, started from Explorer without a console.
// It takes mvdesk's start options (no script or commands: there is no console to read), and
// works by mouse and keys alone: the desktop window's menu bar and mouse, the Inspectors, and
// the system's own message boxes, menus and dialogs, which no console answers here. Errors
// the desktop would print are shown in a message box; File > Exit or closing the desktop
// window ends it.

#include "DesktopHost.h"
#include "DesktopSession.h"
#include "InspectorModule.h"
#include "StartOptions.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CodePage.h"
#include "platform/NativeBackend.h"

#include <string>

namespace {

constexpr char kTitle[] = "Mosvane Desktop";

void ShowError(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kTitle, MB_OK | MB_ICONEXCLAMATION);
}

// The framework's idle work once the queue is empty: the active frame's bars follow what
// changed, and windows closed meanwhile are freed.
void Idle() {
    if (auto* active = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetActiveWindow())))
        AfxIdleUpdate(active);
    AfxIdleCleanup();
}

} // namespace

int main(int argc, char** argv) {
    StartOptions start;
    std::string error;
    if (!start.Parse(argc, argv, error) || !start.script.empty() || !start.startup.empty()) {
        ShowError(nullptr, error.empty() ? "usage: mvdeskw [--lang en|ja] [--scene FILE] "
                                           "[--registry FILE] [--help-dir DIR]"
                                         : error);
        return 2;
    }
    DesktopSession session;
    if (!session.Start(start.session, argv[0], error)) {
        ShowError(nullptr, error);
        return 1;
    }
    DesktopHost& host = session.Host();
    HWND main = session.MainWindow();
    host.SetLineListener([main](const std::string& line, bool failed) {
        if (failed)
            ShowError(main, codepage::FromUtf8(line, native::ActiveCodePage()));
    });
    host.SetQuitListener([] { PostQuitMessage(0); });
    for (;;) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            Idle();
        if (AfxPumpMessage() <= 0)
            break;
    }
    host.SetLineListener({});
    host.SetQuitListener({});
    session.Module().AlldeleteInspector();
    AfxPumpPending();
    AfxIdleCleanup();
    session.Close();
    return 0;
}
