#include "WhereCommand.h"

#include "Console.h"
#include "platform/Afx.h"
#include "platform/CommCtrl.h"
#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"

#include <utility>

namespace {

using Args = Console::Args;

constexpr char kUsage[] = "where N ROW | where dlg ID|help | where box ok|cancel|yes|no | "
                          "where popup ID";

void PrintRect(Console& console, const RECT& rect) {
    console.Print("(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
                  std::to_string(rect.right - rect.left) + "," +
                  std::to_string(rect.bottom - rect.top) + ")");
}

// The label of a list row, scrolled into view first as `click` does.
bool RowRect(Console& console, const Args& args, RECT& rect) {
    HWND frame = nullptr;
    long row = 0;
    if (!console.FrameArg(args, 0, frame) || !console.IntArg(args[1], row))
        return false;
    HWND list = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    if (row < 0 || row >= count) {
        console.Error("frame " + args[0] + " has no row " + args[1]);
        return false;
    }
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    rect.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ClientToScreen(list, &corners[0]);
    ClientToScreen(list, &corners[1]);
    rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return true;
}

bool DialogRect(Console& console, const std::string& target, RECT& rect) {
    HWND dialog = console.Tracker().Dialog();
    if (dialog == nullptr) {
        console.Error("no dialog is open");
        return false;
    }
    std::string name = "dialog " + std::to_string(native::DialogTemplateId(dialog));
    if (target == "help") {
        if (native::HelpButtonRect(dialog, rect))
            return true;
        console.Error(name + " has no help button");
        return false;
    }
    long id = 0;
    if (!console.IntArg(target, id))
        return false;
    HWND control = GetDlgItem(dialog, static_cast<int>(id));
    if (control == nullptr) {
        console.Error(name + " has no control " + target);
        return false;
    }
    return GetWindowRect(control, &rect) != FALSE;
}

// The message box shown last, where the window system shows them as windows.
bool BoxRect(Console& console, const std::string& button, RECT& rect) {
    const std::pair<const char*, int> buttons[] = {
        {"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};
    int id = 0;
    for (const auto& [word, each] : buttons) {
        if (button == word)
            id = each;
    }
    if (id == 0) {
        console.Error(std::string("usage: ") + kUsage);
        return false;
    }
    HWND box = nullptr;
    for (HWND hwnd : native::TopLevelWindows()) {
        if (native::GetClassNameOf(hwnd) == "#32770" && native::DialogTemplateId(hwnd) == 0 &&
            IsWindowVisible(hwnd))
            box = hwnd;
    }
    if (box == nullptr) {
        console.Error("no message box is shown");
        return false;
    }
    HWND control = GetDlgItem(box, id);
    if (control == nullptr || !IsWindowVisible(control)) {
        console.Error("the message box has no button '" + button + "'");
        return false;
    }
    return GetWindowRect(control, &rect) != FALSE;
}

bool PopupRect(Console& console, const std::string& item, RECT& rect) {
    long id = 0;
    if (!console.IntArg(item, id, 1, 0xFFFF))
        return false;
    if (native::PopupItemRect(static_cast<UINT>(id), rect))
        return true;
    console.Error("no context menu with item " + item + " is shown");
    return false;
}

void Where(Console& console, const Args& args) {
    if (!console.ArgCount(args, 2, 2, kUsage))
        return;
    RECT rect{};
    bool found = args[0] == "dlg"     ? DialogRect(console, args[1], rect)
                 : args[0] == "box"   ? BoxRect(console, args[1], rect)
                 : args[0] == "popup" ? PopupRect(console, args[1], rect)
                                      : RowRect(console, args, rect);
    if (found)
        PrintRect(console, rect);
}

} // namespace

void RegisterWhereCommand(Console& console) {
    console.Define("where", kUsage,
                   "the screen rectangle of a row, a dialog's control or help button, a message "
                   "box's button or a context menu's item",
                   [&console](const Args& a) { Where(console, a); });
}
