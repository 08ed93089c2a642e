#include "MouseCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "DesktopSession.h"
#include "platform/Afx.h"
#include "platform/CommCtrl.h"

namespace {

using Args = Console::Args;

struct Click {
    UINT down;
    UINT up;
};

// A point inside the label of list item `index`, scrolled into view first as a person
// would; false when there is no such item.
bool PointOfItem(HWND list, int index, POINT& point) {
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    if (index < 0 || index >= count)
        return false;
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    point = {rect.left + 2, (rect.top + rect.bottom) / 2};
    return true;
}

void ClickRow(Console& console, const Args& args, Click click, bool modifiers) {
    const char* usage = modifiers ? "click|rclick N ROW [ctrl] [shift]" : "dblclick N ROW";
    if (!console.ArgCount(args, 2, modifiers ? 4 : 2, usage))
        return;
    HWND frame = nullptr;
    long row = 0;
    if (!console.UserFrameArg(args, 0, frame) || !console.IntArg(args[1], row))
        return;
    WPARAM keys = click.down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "ctrl") {
            keys |= MK_CONTROL;
        } else if (args[i] == "shift") {
            keys |= MK_SHIFT;
        } else {
            console.Error(std::string("usage: ") + usage);
            return;
        }
    }
    HWND list = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    POINT point;
    if (!PointOfItem(list, static_cast<int>(row), point)) {
        console.Error("frame " + args[0] + " has no row " + args[1]);
        return;
    }
    LPARAM where =
        static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
    SendMessageA(list, click.down, keys, where);
    SendMessageA(list, click.up, keys & ~WPARAM{MK_LBUTTON | MK_RBUTTON}, where);
}

void Activate(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (console.ArgCount(args, 1, 1, "activate N") && console.UserFrameArg(args, 0, frame))
        SetActiveWindow(frame);
}

void PrintProperties(Console& console) {
    const PadPropertyState& state = console.Session().Host().PadProperty();
    std::string line = "props " + std::to_string(state.calls) + " calls";
    if (state.title)
        line += ", title \"" + console.FromCodePage(*state.title) + "\", open " +
                std::to_string(state.open);
    console.Print(line);
    for (MvSimplePad* pad : state.pads) {
        const char* name = pad->get_own_name();
        console.Print("  #" + std::to_string(pad->GetCreatePadID()) + " " +
                      console.FromCodePage(name ? name : ""));
    }
}

} // namespace

void RegisterMouseCommands(Console& console) {
    console.Define("click", "click N ROW [ctrl] [shift]", "left-click list row ROW of frame N",
                   [&console](const Args& a) {
                       ClickRow(console, a, {WM_LBUTTONDOWN, WM_LBUTTONUP}, true);
                   });
    console.Define("dblclick", "dblclick N ROW", "double-click list row ROW of frame N",
                   [&console](const Args& a) {
                       ClickRow(console, a, {WM_LBUTTONDBLCLK, WM_LBUTTONUP}, false);
                   });
    console.Define("rclick", "rclick N ROW [ctrl] [shift]", "right-click list row ROW of frame N",
                   [&console](const Args& a) {
                       ClickRow(console, a, {WM_RBUTTONDOWN, WM_RBUTTONUP}, true);
                   });
    console.Define("activate", "activate N", "activate frame N",
                   [&console](const Args& a) { Activate(console, a); });
    console.Define("props", "props", "what the pad-property window last received",
                   [&console](const Args&) { PrintProperties(console); });
}
