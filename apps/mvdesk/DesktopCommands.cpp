#include "DesktopCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopMouse.h"
#include "DesktopSession.h"
#include "platform/Afx.h"
#include "platform/NativeInput.h"

#include <cstdlib>

namespace {

using Args = Console::Args;

void SaveOrLoad(Console& console, const Args& args, bool save) {
    if (!console.ArgCount(args, 1, 1, save ? "save FILE" : "load FILE"))
        return;
    std::string line;
    DesktopHost& host = console.Session().Host();
    if (save ? host.SaveScene(args[0], line) : host.LoadScene(args[0], line))
        console.Print(line);
    else
        console.Error(line);
}

bool Points(Console& console, const Args& args, size_t from, size_t count, long* out) {
    for (size_t i = 0; i < count; ++i) {
        if (!console.IntArg(args[from + i], out[i], -32768, 32767))
            return false;
    }
    return true;
}

// The mouse on the desktop window, through the window system's input as a person's comes;
// points are the window's client coordinates, which are the desktop's positions.
void DeskMouse(Console& console, const Args& args) {
    const char* usage =
        "desk click X Y [ctrl] | desk dblclick X Y | desk drag X Y TOX TOY | desk help | "
        "desk window";
    HWND window = console.Session().MainWindow();
    long v[4];
    if (args.empty()) {
        console.Error(std::string("usage: ") + usage);
        return;
    }
    const std::string& word = args[0];
    if (word == "help" && args.size() == 1) {
        console.Session().Host().ShowHelpTopics();
    } else if (word == "window" && args.size() == 1) {
        // Where a person's mouse finds the desktop's points: the client area on the screen.
        RECT client{};
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        console.Print("desktop client (" + std::to_string(origin.x) + "," +
                      std::to_string(origin.y) + "," + std::to_string(client.right) + "," +
                      std::to_string(client.bottom) + ")");
        return;
    } else if (word == "click" && (args.size() == 3 || (args.size() == 4 && args[3] == "ctrl"))) {
        if (!Points(console, args, 1, 2, v))
            return;
        WPARAM keys = MK_LBUTTON | (args.size() == 4 ? WPARAM{MK_CONTROL} : WPARAM{0});
        native::PostMouseInput(window, WM_LBUTTONDOWN, keys, {int(v[0]), int(v[1])});
        native::PostMouseInput(window, WM_LBUTTONUP, keys & ~WPARAM{MK_LBUTTON},
                               {int(v[0]), int(v[1])});
    } else if (word == "dblclick" && args.size() == 3) {
        if (!Points(console, args, 1, 2, v))
            return;
        POINT point{int(v[0]), int(v[1])};
        native::PostMouseInput(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
        native::PostMouseInput(window, WM_LBUTTONUP, 0, point);
        native::PostMouseInput(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        native::PostMouseInput(window, WM_LBUTTONUP, 0, point);
    } else if (word == "drag" && args.size() == 5) {
        if (!Points(console, args, 1, 4, v))
            return;
        // Pressed, then moved in steps as a hand moves, so that each step is a move.
        constexpr int kSteps = 4;
        native::PostMouseInput(window, WM_LBUTTONDOWN, MK_LBUTTON, {int(v[0]), int(v[1])});
        for (int step = 1; step <= kSteps; ++step) {
            POINT point{int(v[0] + (v[2] - v[0]) * step / kSteps),
                        int(v[1] + (v[3] - v[1]) * step / kSteps)};
            native::PostMouseInput(window, WM_MOUSEMOVE, MK_LBUTTON, point);
        }
        native::PostMouseInput(window, WM_LBUTTONUP, 0, {int(v[2]), int(v[3])});
    } else {
        console.Error(std::string("usage: ") + usage);
        return;
    }
    console.Pump();
}

} // namespace

void RegisterDesktopCommands(Console& console) {
    console.Define("save", "save FILE", "write the desktop as a scene file",
                   [&console](const Args& a) { SaveOrLoad(console, a, true); });
    console.Define("load", "load FILE", "replace the desktop's pads by a scene file's",
                   [&console](const Args& a) { SaveOrLoad(console, a, false); });
    console.Define(
        "desk",
        "desk click X Y [ctrl] | desk dblclick X Y | desk drag X Y TOX TOY | desk help | "
        "desk window",
        "click, double-click or drag on the desktop window at its point X, Y; its "
        "Help Topics; where its client area lies on the screen",
        [&console](const Args& a) { DeskMouse(console, a); });
}
