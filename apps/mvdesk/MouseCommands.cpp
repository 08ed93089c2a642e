#include "MouseCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "DesktopSession.h"
#include "platform/Afx.h"
#include "platform/CommCtrl.h"
#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"

#include <algorithm>

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
    if (!console.UserFrameArg(args, 0, frame) || !console.RowArg(args, 1, frame, row))
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
    // As the user's input: a window holding the mouse capture (help mode, a drag) gets it.
    native::PostMouseInput(list, click.down, keys, point);
    native::PostMouseInput(list, click.up, keys & ~WPARAM{MK_LBUTTON | MK_RBUTTON}, point);
    console.Pump();
}

LPARAM MousePoint(POINT point) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

// Mouse input goes to the window holding the capture, else to the list under the cursor.
void SendMouse(HWND list, UINT message, WPARAM keys, POINT point) {
    HWND target = GetCapture() != nullptr ? GetCapture() : list;
    SendMessageA(target, message, keys, MousePoint(point));
}

// The first or the last row the list shows.
int VisibleEdgeItem(HWND list, bool top) {
    int first = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    if (top)
        return first;
    int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    return std::max(0, std::min(first + page, count) - 1);
}

// Presses on row FROM and moves sideways past the drag distance, then over the rows up to
// TO and releases there; or holds the cursor on the first or last visible row, inside the
// list's scroll zones, for MS milliseconds of the window system's clock before releasing.
void DragRow(Console& console, const Args& args) {
    const char* usage = "drag N FROM TO [right] | drag N FROM hold top|bottom MS";
    HWND frame = nullptr;
    long from = 0;
    if (!console.ArgCount(args, 3, 5, usage) || !console.UserFrameArg(args, 0, frame) ||
        !console.RowArg(args, 1, frame, from))
        return;
    bool hold = args[2] == "hold" && !console.Quoted(2);
    long to = 0;
    long holdMs = 0;
    bool right = false;
    if (hold) {
        if (args.size() != 5 || (args[3] != "top" && args[3] != "bottom")) {
            console.Error(std::string("usage: ") + usage);
            return;
        }
        if (!console.IntArg(args[4], holdMs, 0, Console::kLongestWait))
            return;
    } else {
        if (!console.RowArg(args, 2, frame, to))
            return;
        right = args.size() == 4 && args[3] == "right";
        if (args.size() > 4 || (args.size() == 4 && !right)) {
            console.Error(std::string("usage: ") + usage);
            return;
        }
    }
    HWND list = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    POINT point;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (long row : {from, hold ? from : to}) {
        if (row < 0 || row >= count) {
            console.Error("frame " + args[0] + " has no row " + std::to_string(row));
            return;
        }
    }
    PointOfItem(list, static_cast<int>(from), point);
    WPARAM keys = right ? MK_RBUTTON : MK_LBUTTON;
    // Queued, so that the press sees the move that follows it, as a person's drag comes.
    PostMessageA(list, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, keys, MousePoint(point));
    PostMessageA(list, WM_MOUSEMOVE, keys, MousePoint({point.x + 8, point.y}));
    AfxPumpPending();
    if (hold) {
        PointOfItem(list, VisibleEdgeItem(list, args[3] == "top"), point);
        SendMouse(list, WM_MOUSEMOVE, keys, point);
        console.LetTimePass(holdMs);
    } else {
        for (long row = from; row != to;) {
            row += to > from ? 1 : -1;
            PointOfItem(list, static_cast<int>(row), point);
            SendMouse(list, WM_MOUSEMOVE, keys, point);
        }
    }
    SendMouse(list, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, point);
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
    console.Define("drag", "drag N FROM TO [right] | drag N FROM hold top|bottom MS",
                   "drag list row FROM of frame N onto row TO, or hold it in a scroll zone",
                   [&console](const Args& a) { DragRow(console, a); });
    console.Define("activate", "activate N", "activate frame N",
                   [&console](const Args& a) { Activate(console, a); });
    console.Define("props", "props", "what the pad-property window last received",
                   [&console](const Args&) { PrintProperties(console); });
}
