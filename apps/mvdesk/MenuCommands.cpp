#include "MenuCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopSession.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CToolBar.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"

#include <map>
#include <sstream>

namespace {

using Args = Console::Args;

// Splits a path of display texts at '/', keeping a '/' that belongs to an item's own text
// ("Edit/Insert/Replace..."): at each level the shortest run of parts naming an item wins.
std::vector<std::string> ResolvePath(const std::vector<native::MenuItemInfo>& bar,
                                     const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '/'))
        parts.push_back(part);
    std::vector<std::string> resolved;
    const std::vector<native::MenuItemInfo>* level = &bar;
    for (size_t i = 0; i < parts.size();) {
        const native::MenuItemInfo* hit = nullptr;
        std::string text;
        size_t j = i;
        for (; j < parts.size() && hit == nullptr; ++j) {
            text += (j == i ? "" : "/") + parts[j];
            for (const native::MenuItemInfo& item : *level) {
                if (!item.separator && native::MenuDisplayText(item.text) == text)
                    hit = &item;
            }
        }
        if (hit == nullptr)
            return parts; // let the menu report what it cannot find
        resolved.push_back(text);
        level = &hit->children;
        i = j;
    }
    return resolved;
}

std::string ItemLine(Console& console, const native::MenuItemInfo& item, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    if (item.separator)
        return indent + "-----";
    std::string line = indent + console.FromCodePage(native::MenuDisplayText(item.text));
    if (!item.popup)
        line += "\t" + std::to_string(item.id);
    line += item.enabled ? "" : "\tdisabled";
    line += item.checked ? "\tchecked" : "";
    return line;
}

void PrintMenu(Console& console, const std::vector<native::MenuItemInfo>& items, int depth) {
    for (const native::MenuItemInfo& item : items) {
        console.Print(ItemLine(console, item, depth));
        PrintMenu(console, item.children, depth + 1);
    }
}

void ChooseMenu(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (args.size() < 2) {
        console.Error("usage: menu N PATH");
        return;
    }
    if (!console.FrameArg(args, 0, frame))
        return;
    std::string text = args[1];
    for (size_t i = 2; i < args.size(); ++i)
        text += " " + args[i];
    std::vector<std::string> path =
        ResolvePath(native::ReadMenuBar(frame), console.ToCodePage(text));
    switch (native::ChooseMenuPath(frame, path)) {
    case native::MenuChoice::Chosen:
        break;
    case native::MenuChoice::Disabled:
        console.Error("'" + text + "' is disabled");
        break;
    case native::MenuChoice::NotFound:
        console.Error("no menu item '" + text + "'");
        break;
    }
}

void PrintMenus(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (console.ArgCount(args, 1, 1, "menus N") && console.FrameArg(args, 0, frame))
        PrintMenu(console, native::ReadMenuBar(frame), 0);
}

// Key names of the console and their virtual-key codes.
const std::map<std::string, WORD>& KeyNames() {
    static const std::map<std::string, WORD> keys = {
        {"Down", VK_DOWN},     {"Up", VK_UP},          {"Left", VK_LEFT},     {"Right", VK_RIGHT},
        {"Home", VK_HOME},     {"End", VK_END},        {"PageDown", VK_NEXT}, {"PageUp", VK_PRIOR},
        {"Space", VK_SPACE},   {"Enter", VK_RETURN},   {"Escape", VK_ESCAPE}, {"Delete", VK_DELETE},
        {"Insert", VK_INSERT}, {"Backspace", VK_BACK}, {"F1", VK_F1},         {"F6", VK_F6},
        {"F12", VK_F12},       {"Tab", VK_TAB},        {"F4", VK_F4},         {"F10", VK_F10},
        {"Apps", VK_APPS},
    };
    return keys;
}

} // namespace

bool ParseKey(const std::string& text, WORD& key, native::Modifiers& modifiers) {
    std::string rest = text;
    for (;;) {
        size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size())
            break;
        std::string modifier = rest.substr(0, plus);
        if (modifier == "Shift")
            modifiers.shift = true;
        else if (modifier == "Ctrl")
            modifiers.ctrl = true;
        else if (modifier == "Alt")
            modifiers.alt = true;
        else
            return false;
        rest = rest.substr(plus + 1);
    }
    auto it = KeyNames().find(rest);
    if (it != KeyNames().end()) {
        key = it->second;
        return true;
    }
    if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
        key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(rest[0])));
        return true;
    }
    return false;
}

namespace {

void PressKeys(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (args.size() < 2) {
        console.Error("usage: key N KEY...");
        return;
    }
    if (!console.UserFrameArg(args, 0, frame))
        return;
    HWND view = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    for (size_t i = 1; i < args.size(); ++i) {
        WORD key = 0;
        native::Modifiers modifiers;
        if (!ParseKey(args[i], key, modifiers)) {
            console.Error("unknown key '" + args[i] + "' (e.g. Down, Shift+Down, Ctrl+A, F1)");
            return;
        }
        native::PressKey(view != nullptr ? view : frame, key, modifiers.shift, modifiers.ctrl,
                         modifiers.alt);
        console.Pump();
    }
}

void ClickButton(Console& console, const Args& args) {
    HWND frame = nullptr;
    long id = 0;
    if (!console.ArgCount(args, 2, 2, "button N ID") || !console.UserFrameArg(args, 0, frame) ||
        !console.IntArg(args[1], id))
        return;
    auto* bar =
        dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(GetDlgItem(frame, AFX_IDW_TOOLBAR)));
    int index = bar ? bar->CommandToIndex(static_cast<UINT>(id)) : -1;
    if (index < 0) {
        console.Error("frame " + args[0] + " has no button " + args[1]);
        return;
    }
    AfxIdleUpdate(dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(frame)));
    // A person's click: a window holding the mouse (help mode) takes it instead of the bar,
    // disabled button or not.
    HWND capture = GetCapture();
    if ((capture == nullptr || capture == bar->m_hWnd) &&
        !(bar->GetButtonState(index) & TBSTATE_ENABLED)) {
        console.Error("button " + args[1] + " is disabled");
        return;
    }
    RECT rect{};
    bar->GetItemRect(index, &rect);
    POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    native::PostMouseInput(bar->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    native::PostMouseInput(bar->m_hWnd, WM_LBUTTONUP, 0, middle);
    console.Pump();
}

void PrintTools(Console& console) {
    DesktopHost& host = console.Session().Host();
    int count = host.TOOLSGetToolCount();
    console.Print(std::to_string(count) + " tools");
    for (int i = 0; i < count; ++i) {
        CWnd* tool = host.TOOLSGetTool(i);
        if (tool == nullptr)
            continue;
        int number = console.Tracker().Number(tool->m_hWnd);
        console.Print(std::to_string(i) + "\t" + (number ? std::to_string(number) : "-") + "\t\"" +
                      console.FromCodePage(tool->GetWindowText()) + "\"");
    }
}

// A context menu: its items are printed and the next input line chooses one by text or id.
// A menu that stays live meanwhile may be answered by the user first.
UINT AnswerPopup(Console& console, HMENU menu, native::Asking asking) {
    std::vector<native::MenuItemInfo> items = native::DescribeMenu(menu);
    if (asking != native::Asking::Waiting) {
        console.Print("popup:");
        PrintMenu(console, items, 1);
    }
    if (asking == native::Asking::Shown)
        return native::kChoiceLater;
    std::optional<InputSource::Input> input = console.Ask("choose> ", asking);
    while (input && input->kind == InputSource::Input::Line && console.RanAside(input->line))
        input = console.Ask("choose> ", asking);
    if (!input)
        return native::kChoiceLater;
    const std::string* answer = input->kind == InputSource::Input::Line ? &input->line : nullptr;
    if (!answer || *answer == "none")
        return 0;
    std::string wanted = console.ToCodePage(*answer);
    std::function<UINT(const std::vector<native::MenuItemInfo>&)> find =
        [&](const std::vector<native::MenuItemInfo>& level) -> UINT {
        for (const native::MenuItemInfo& item : level) {
            if (item.popup) {
                if (UINT id = find(item.children))
                    return id;
                continue;
            }
            bool named =
                native::MenuDisplayText(item.text) == wanted || std::to_string(item.id) == wanted;
            if (!item.separator && named) {
                if (!item.enabled) {
                    console.Error("'" + *answer + "' is disabled");
                    return 0;
                }
                return item.id;
            }
        }
        return 0;
    };
    UINT id = find(items);
    if (id == 0 && console.errorCount() >= 0 && *answer != "none")
        console.Print("nothing chosen");
    return id;
}

} // namespace

void RegisterMenuCommands(Console& console) {
    console.Define("menu", "menu N PATH", "choose a menu item, e.g. Tools/Option/Update",
                   [&console](const Args& a) { ChooseMenu(console, a); });
    console.Define("menus", "menus N", "print frame N's menu bar with every item's state",
                   [&console](const Args& a) { PrintMenus(console, a); });
    console.Define("key", "key N KEY...", "press keys, e.g. Down Shift+Down Ctrl+A F1",
                   [&console](const Args& a) { PressKeys(console, a); });
    console.Define("button", "button N ID", "click toolbar button ID of frame N",
                   [&console](const Args& a) { ClickButton(console, a); });
    console.Define("tools", "tools", "the desktop's tool windows",
                   [&console](const Args&) { PrintTools(console); });
    native::SetPopupMenuHandler([&console](HMENU menu, HWND, POINT, native::Asking asking) {
        return AnswerPopup(console, menu, asking);
    });
}
