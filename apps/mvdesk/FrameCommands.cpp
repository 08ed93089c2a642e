#include "FrameCommands.h"

#include "Console.h"
#include "platform/Afx.h"
#include "platform/CStatusBar.h"
#include "platform/NativeBackend.h"

#include <utility>

namespace {

using Args = Console::Args;

void Status(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (!console.ArgCount(args, 1, 1, "status N") || !console.FrameArg(args, 0, frame))
        return;
    auto* bar =
        dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(GetDlgItem(frame, AFX_IDW_STATUS_BAR)));
    if (bar == nullptr) {
        console.Error("frame " + args[0] + " has no status bar");
        return;
    }
    console.Print(console.FromCodePage(bar->GetPaneText(0)) + "\t" +
                  console.FromCodePage(bar->GetPaneText(1)));
}

void Window(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (!console.ArgCount(args, 1, 1, "window N") || !console.FrameArg(args, 0, frame))
        return;
    RECT rect{};
    GetWindowRect(frame, &rect);
    console.Print(
        "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
        std::to_string(rect.right - rect.left) + "," + std::to_string(rect.bottom - rect.top) +
        ") " + (IsWindowVisible(frame) ? "visible" : "hidden") + " " +
        (IsWindowEnabled(frame) ? "enabled" : "disabled") + (IsIconic(frame) ? " minimised" : "") +
        (GetActiveWindow() == frame ? " active" : ""));
}

void Close(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (console.ArgCount(args, 1, 1, "close N") && console.UserFrameArg(args, 0, frame))
        SendMessageA(frame, WM_CLOSE, 0, 0);
}

void Command(Console& console, const Args& args) {
    HWND frame = nullptr;
    long id = 0;
    if (!console.ArgCount(args, 2, 2, "cmd N ID") || !console.UserFrameArg(args, 0, frame) ||
        !console.IntArg(args[1], id))
        return;
    if (id <= 0 || id > 0xFFFF) {
        console.Error("a command id is a number from 1 to 65535");
        return;
    }
    SendMessageA(frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

// Where a person drags the title bar (and the borders) to.
void Move(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (!console.ArgCount(args, 3, 5, "move N X Y [W H]") || args.size() == 4 ||
        !console.UserFrameArg(args, 0, frame)) {
        if (args.size() == 4)
            console.Error("usage: move N X Y [W H]");
        return;
    }
    RECT rect{};
    GetWindowRect(frame, &rect);
    long numbers[4] = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    // The window system's own limits: positions of 16 bits, sizes of 1 to 32767.
    for (size_t i = 1; i < args.size(); ++i) {
        long low = i <= 2 ? -32768 : 1;
        if (!console.IntArg(args[i], numbers[i - 1], low, 32767))
            return;
    }
    MoveWindow(frame, static_cast<int>(numbers[0]), static_cast<int>(numbers[1]),
               static_cast<int>(numbers[2]), static_cast<int>(numbers[3]), TRUE);
}

// A system command as the window menu or the caption's buttons give it: posted, so that a
// message loop running meanwhile (help mode) takes it.
void SystemCommand(Console& console, const Args& args) {
    static const std::pair<const char*, UINT> names[] = {{"size", SC_SIZE},
                                                         {"move", SC_MOVE},
                                                         {"minimize", SC_MINIMIZE},
                                                         {"maximize", SC_MAXIMIZE},
                                                         {"nextwindow", SC_NEXTWINDOW},
                                                         {"prevwindow", SC_PREVWINDOW},
                                                         {"close", SC_CLOSE},
                                                         {"restore", SC_RESTORE},
                                                         {"tasklist", SC_TASKLIST}};
    HWND frame = nullptr;
    if (!console.ArgCount(args, 2, 2, "syscmd N NAME") || !console.UserFrameArg(args, 0, frame))
        return;
    for (const auto& [name, command] : names) {
        if (args[1] == name) {
            PostMessageA(frame, WM_SYSCOMMAND, command, 0);
            return;
        }
    }
    console.Error("unknown system command '" + args[1] +
                  "' (size, move, minimize, maximize, nextwindow, prevwindow, close, restore, "
                  "tasklist)");
}

} // namespace

void RegisterFrameCommands(Console& console) {
    console.Define("status", "status N", "the two status panes of frame N",
                   [&console](const Args& a) { Status(console, a); });
    console.Define("window", "window N", "frame N's rectangle and state",
                   [&console](const Args& a) { Window(console, a); });
    console.Define("close", "close N", "send WM_CLOSE to frame N",
                   [&console](const Args& a) { Close(console, a); });
    console.Define("cmd", "cmd N ID", "send command ID to frame N",
                   [&console](const Args& a) { Command(console, a); });
    console.Define("move", "move N X Y [W H]", "move (and size) frame N's window on the screen",
                   [&console](const Args& a) { Move(console, a); });
    console.Define("syscmd", "syscmd N NAME", "give frame N a system command, e.g. close",
                   [&console](const Args& a) { SystemCommand(console, a); });
}
