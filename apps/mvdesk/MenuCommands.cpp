#include "MenuCommands.h"

#include "Console.h"
#include "DesktopHost.h"
#include "DesktopSession.h"
#include "NameMatch.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CToolBar.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "resources/ResourceIds.h"

#include <algorithm>
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
            // The exact text wins; otherwise the text folded (no '&', no trailing "...", any
            // case), when one item alone has it.
            const native::MenuItemInfo* folded = nullptr;
            int foldedCount = 0;
            std::string foldedText = FoldName(text);
            for (const native::MenuItemInfo& item : *level) {
                if (item.separator)
                    continue;
                std::string shown = native::MenuDisplayText(item.text);
                if (shown == text)
                    hit = &item;
                else if (FoldName(shown) == foldedText && ++foldedCount == 1)
                    folded = &item;
            }
            if (hit == nullptr && foldedCount == 1)
                hit = folded;
        }
        if (hit == nullptr)
            return parts; // let the menu report what it cannot find
        resolved.push_back(native::MenuDisplayText(hit->text));
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

// In a Japanese session an English path names the same command: the path is looked up in
// the English menus of the Inspector's frames and the item with that command is chosen by
// its Japanese path. Empty when the English menus have no such item.
// The commands of the Inspector's English menus, in a Japanese session; none otherwise.
std::vector<Leaf> EnglishLeaves(Console& console) {
    std::vector<Leaf> leaves;
    if (native::GetLanguage() != Language::Japanese)
        return leaves;
    HINSTANCE module = GetModuleHandleA("mvkinsp");
    for (UINT menuId : {UINT{IDR_MAINFRAME}, UINT{IDR_SEARCHFRAME}}) {
        HMENU english = native::LoadMenuInLanguage(module, menuId, Language::English);
        if (english == nullptr)
            continue;
        CollectLeaves(console, native::DescribeMenu(english), "", leaves);
        DestroyMenu(english);
    }
    return leaves;
}

std::vector<std::string> JapanesePathOf(Console& console, HWND frame, const std::string& text) {
    UINT command = 0;
    for (const Leaf& leaf : EnglishLeaves(console)) {
        if (command == 0 && FoldName(leaf.path) == FoldName(text))
            command = leaf.id;
    }
    std::vector<Leaf> shown;
    CollectLeaves(console, native::ReadMenuBar(frame), "", shown);
    for (const Leaf& leaf : shown) {
        if (command != 0 && leaf.id == command)
            return ResolvePath(native::ReadMenuBar(frame), console.ToCodePage(leaf.path));
    }
    return {};
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
    native::MenuChoice choice = native::ChooseMenuPath(frame, path);
    if (choice == native::MenuChoice::NotFound) {
        std::vector<std::string> japanese = JapanesePathOf(console, frame, text);
        if (!japanese.empty())
            choice = native::ChooseMenuPath(frame, japanese);
    }
    switch (choice) {
    case native::MenuChoice::Chosen:
        break;
    case native::MenuChoice::Disabled:
        console.Error("'" + text + "' is disabled");
        break;
    case native::MenuChoice::NotFound: {
        std::vector<Leaf> leaves;
        CollectLeaves(console, native::ReadMenuBar(frame), "", leaves);
        std::vector<std::string> paths;
        for (const auto& leaf : leaves)
            paths.push_back(leaf.path);
        console.Error("no menu item '" + text + "'" + DidYouMean(MatchName(text, paths), paths));
        break;
    }
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
        std::string modifier = FoldName(rest.substr(0, plus));
        if (modifier == "shift")
            modifiers.shift = true;
        else if (modifier == "ctrl")
            modifiers.ctrl = true;
        else if (modifier == "alt")
            modifiers.alt = true;
        else
            return false;
        rest = rest.substr(plus + 1);
    }
    auto it = KeyNames().find(rest);
    if (it == KeyNames().end()) {
        std::string folded = FoldName(rest);
        it = std::find_if(KeyNames().begin(), KeyNames().end(),
                          [&](const auto& entry) { return FoldName(entry.first) == folded; });
    }
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

std::vector<std::string> KeyNameList() {
    std::vector<std::string> names;
    for (const auto& entry : KeyNames())
        names.push_back(entry.first);
    return names;
}

namespace {

// "; did you mean 'Down'?" for a key name with a typo (the name after its modifiers).
std::string KeySuggestion(const std::string& text) {
    size_t plus = text.rfind('+');
    std::string name =
        plus == std::string::npos || plus + 1 == text.size() ? text : text.substr(plus + 1);
    std::vector<std::string> names = KeyNameList();
    return DidYouMean(MatchName(name, names), names);
}

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
            console.Error("unknown key '" + args[i] + "'" + KeySuggestion(args[i]) +
                          " (e.g. Down, Shift+Down, Ctrl+A, F1)");
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
    if (!console.ArgCount(args, 2, 2, "button N ID") || !console.UserFrameArg(args, 0, frame))
        return;
    auto* bar =
        dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(GetDlgItem(frame, AFX_IDW_TOOLBAR)));
    if (console.IsNumber(args, 1)) {
        if (!console.IntArg(args[1], id))
            return;
    } else {
        // A button by the name of its command: the text of the menu item giving the same
        // command, or that item's whole path.
        // In a Japanese session the English texts name the buttons as well.
        std::vector<Leaf> leaves;
        CollectLeaves(console, native::ReadMenuBar(frame), "", leaves);
        for (Leaf& leaf : EnglishLeaves(console))
            leaves.push_back(std::move(leaf));
        std::vector<std::string> names;
        std::vector<std::string> paths;
        std::vector<UINT> ids;
        for (const Leaf& leaf : leaves) {
            bool listed = std::find(paths.begin(), paths.end(), leaf.path) != paths.end();
            if (listed || bar == nullptr || bar->CommandToIndex(leaf.id) < 0)
                continue;
            names.push_back(leaf.path.substr(leaf.path.rfind('/') + 1));
            paths.push_back(leaf.path);
            ids.push_back(leaf.id);
        }
        NameMatch byPath = MatchName(args[1], paths);
        size_t index = 0;
        if (byPath.hits.size() == 1)
            index = byPath.hits.front();
        std::vector<std::string> shown;
        for (size_t i = 0; i < paths.size(); ++i)
            shown.push_back("'" + paths[i] + "' (" + std::to_string(ids[i]) + ")");
        if (byPath.hits.size() != 1 && !console.PickName(args[1], "button", names, index, shown))
            return;
        id = static_cast<long>(ids[index]);
    }
    int index = bar ? bar->CommandToIndex(static_cast<UINT>(id)) : -1;
    if (index < 0) {
        console.Error("frame " + args[0] + " has no button " + args[1]);
        return;
    }
    std::string shownId = std::to_string(id);
    AfxIdleUpdate(dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(frame)));
    // A person's click: a window holding the mouse (help mode) takes it instead of the bar,
    // disabled button or not.
    HWND capture = GetCapture();
    if ((capture == nullptr || capture == bar->m_hWnd) &&
        !(bar->GetButtonState(index) & TBSTATE_ENABLED)) {
        console.Error("button " + (console.IsNumber(args, 1) ? args[1] : shownId) + " is disabled");
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
    std::vector<Leaf> leaves;
    CollectLeaves(console, items, "", leaves);
    std::vector<std::string> names;
    for (const auto& leaf : leaves)
        names.push_back(leaf.path.substr(leaf.path.rfind('/') + 1));
    // An answer that names no item is a typo: the menu stays open and asks again.
    for (;;) {
        std::optional<InputSource::Input> input = console.Ask("choose> ", asking);
        if (!input)
            return native::kChoiceLater;
        if (input->kind != InputSource::Input::Line)
            return 0;
        const std::string& answer = input->line;
        if (console.RanAside(answer))
            continue;
        if (answer == "none")
            return 0;
        if (answer == "quit" || answer == "exit") {
            console.RequestQuit();
            return 0;
        }
        size_t index = 0;
        bool byId = false;
        for (size_t i = 0; i < leaves.size() && !byId; ++i) {
            if (std::to_string(leaves[i].id) == answer) {
                index = i;
                byId = true;
            }
        }
        if (!byId && !console.PickName(answer, "menu item", names, index, {}))
            continue;
        if (!leaves[index].enabled) {
            console.Error("'" + answer + "' is disabled");
            console.Print("nothing chosen");
            return 0;
        }
        return leaves[index].id;
    }
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

void CollectLeaves(Console& console, const std::vector<native::MenuItemInfo>& items,
                   const std::string& prefix, std::vector<Leaf>& leaves) {
    for (const native::MenuItemInfo& item : items) {
        if (item.separator)
            continue;
        std::string path = prefix + console.FromCodePage(native::MenuDisplayText(item.text));
        if (item.popup)
            CollectLeaves(console, item.children, path + "/", leaves);
        else
            leaves.push_back({path, item.id, item.enabled});
    }
}
