#include "DialogCommands.h"

#include "Console.h"
#include "MenuCommands.h"
#include "platform/Afx.h"
#include "platform/CommCtrl.h"
#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"
#include "platform/WinDialog.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace {

using Args = Console::Args;

enum class Kind { Label, Edit, Button, CheckBox, Radio, Group, ListBox, DropDown, UpDown, Other };

bool IsClass(HWND hwnd, const char* name) {
    return strcasecmp(native::GetClassNameOf(hwnd).c_str(), name) == 0;
}

Kind KindOf(HWND control) {
    if (IsClass(control, WC_BUTTON)) {
        switch (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_GROUPBOX:
            return Kind::Group;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return Kind::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return Kind::Radio;
        default:
            return Kind::Button;
        }
    }
    const std::pair<const char*, Kind> classes[] = {
        {WC_EDIT, Kind::Edit},         {WC_STATIC, Kind::Label},     {WC_LISTBOX, Kind::ListBox},
        {WC_COMBOBOX, Kind::DropDown}, {UPDOWN_CLASS, Kind::UpDown},
    };
    for (const auto& [name, kind] : classes) {
        if (IsClass(control, name))
            return kind;
    }
    return Kind::Other;
}

std::string KindName(HWND control) {
    switch (KindOf(control)) {
    case Kind::Label:
        return "label";
    case Kind::Edit:
        return "edit";
    case Kind::Button:
        return "button";
    case Kind::CheckBox:
        return "checkbox";
    case Kind::Radio:
        return "radio";
    case Kind::Group:
        return "group";
    case Kind::ListBox:
        return "listbox";
    case Kind::DropDown:
        return "dropdown";
    case Kind::UpDown:
        return "updown";
    default:
        return native::GetClassNameOf(control);
    }
}

std::string Quoted(Console& console, const std::string& text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            shown += "\\n";
            ++i;
        } else {
            shown += text[i];
        }
    }
    return "\"" + console.FromCodePage(shown) + "\"";
}

// What a list box and a drop-down list answer about their items.
struct ListMessages {
    UINT count, textLength, text, selection;
};
constexpr ListMessages listBoxMessages{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};
constexpr ListMessages dropDownMessages{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};

const ListMessages& MessagesOf(HWND control) {
    return KindOf(control) == Kind::ListBox ? listBoxMessages : dropDownMessages;
}

int ItemCount(HWND control) {
    return static_cast<int>(SendMessageA(control, MessagesOf(control).count, 0, 0));
}

std::string ItemText(HWND control, int index) {
    const ListMessages& messages = MessagesOf(control);
    auto length = SendMessageA(control, messages.textLength, static_cast<WPARAM>(index), 0);
    std::string item(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    item.resize(static_cast<size_t>(
        std::max<LRESULT>(SendMessageA(control, messages.text, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(item.data())),
                          0)));
    return item;
}

// The items, the selected one marked with '*'.
std::string Items(Console& console, HWND control) {
    auto selected = SendMessageA(control, MessagesOf(control).selection, 0, 0);
    std::string items;
    for (int i = 0; i < ItemCount(control); ++i) {
        items += (items.empty() ? "" : " ") + std::string(i == selected ? "*" : "") +
                 Quoted(console, ItemText(control, i));
    }
    return items.empty() ? "(empty)" : items;
}

std::string Value(Console& console, HWND control) {
    switch (KindOf(control)) {
    case Kind::ListBox:
    case Kind::DropDown:
        return Items(console, control);
    case Kind::UpDown: {
        int lower = 0;
        int upper = 0;
        SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                     reinterpret_cast<LPARAM>(&upper));
        auto position = SendMessageA(control, UDM_GETPOS32, 0, 0);
        return std::to_string(position) + " (" + std::to_string(lower) + ".." +
               std::to_string(upper) + ")";
    }
    default:
        return Quoted(console, native::GetWindowTextOf(control));
    }
}

std::string Marks(HWND control) {
    Kind kind = KindOf(control);
    auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    std::string marks;
    auto mark = [&](bool on, const char* name) {
        if (on)
            marks += (marks.empty() ? "" : " ") + std::string(name);
    };
    mark((kind == Kind::CheckBox || kind == Kind::Radio) &&
             SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED,
         "checked");
    mark(kind == Kind::Edit && (style & ES_READONLY) != 0, "read-only");
    mark((style & WS_DISABLED) != 0, "disabled");
    mark((style & WS_VISIBLE) == 0, "hidden");
    mark(GetFocus() == control, "focused");
    mark(kind == Kind::Button && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, "default");
    return marks;
}

void PrintDialog(Console& console, HWND dialog) {
    console.Print("dialog " + std::to_string(native::DialogTemplateId(dialog)) + " \"" +
                  console.FromCodePage(native::GetWindowTextOf(dialog)) + "\"");
    for (HWND control : native::ChildWindows(dialog)) {
        std::string line = std::to_string(GetDlgCtrlID(control)) + "\t" + KindName(control) + "\t" +
                           Value(console, control);
        std::string marks = Marks(control);
        console.Print(marks.empty() ? line : line + "\t" + marks);
    }
}

// The control an action names, when a user could reach it (a disabled one only when
// `disabledToo`: help can be asked on it); reports why not otherwise.
HWND UsableControl(Console& console, HWND dialog, const std::string& idText,
                   bool disabledToo = false) {
    long id = 0;
    if (!console.IntArg(idText, id))
        return nullptr;
    HWND control = GetDlgItem(dialog, static_cast<int>(id));
    if (control == nullptr) {
        console.Error("dialog " + std::to_string(native::DialogTemplateId(dialog)) +
                      " has no control " + idText);
        return nullptr;
    }
    if (!IsWindowVisible(control)) {
        console.Error("control " + idText + " is hidden");
        return nullptr;
    }
    if (!disabledToo && !IsWindowEnabled(control)) {
        console.Error("control " + idText + " is disabled");
        return nullptr;
    }
    return control;
}

// The id of the control a person names by its caption (its '&' and case aside). For the
// words that fill in a field (`fields`: set, select, spin) a label names the field after
// it, as it reads on screen; the words that click (`buttons`) look at buttons,
// check boxes and radio buttons only. Reports no match and several as errors; 0 then.
int ControlByCaption(Console& console, HWND dialog, const std::string& wanted, bool fields,
                     bool buttons) {
    std::vector<HWND> controls = native::ChildWindows(dialog);
    std::vector<std::string> captions;
    std::vector<std::string> shown;
    std::vector<int> ids;
    for (size_t i = 0; i < controls.size(); ++i) {
        std::string caption = console.FromCodePage(native::GetWindowTextOf(controls[i]));
        if (caption.empty())
            continue;
        HWND target = controls[i];
        Kind kind = KindOf(target);
        if (fields) {
            Kind next = i + 1 < controls.size() ? KindOf(controls[i + 1]) : Kind::Label;
            if (kind != Kind::Label || (next != Kind::Edit && next != Kind::ListBox &&
                                        next != Kind::DropDown && next != Kind::UpDown))
                continue;
            target = controls[i + 1];
        } else if (buttons && kind != Kind::Button && kind != Kind::CheckBox &&
                   kind != Kind::Radio) {
            continue;
        }
        captions.push_back(caption);
        ids.push_back(GetDlgCtrlID(target));
        shown.push_back("'" + caption + "' (" + std::to_string(ids.back()) + ")");
    }
    size_t index = 0;
    if (!console.PickName(wanted, "control", captions, index, shown))
        return 0;
    return ids[index];
}

bool KindIs(Console& console, HWND control, std::initializer_list<Kind> kinds, const char* wanted) {
    if (std::find(kinds.begin(), kinds.end(), KindOf(control)) != kinds.end())
        return true;
    console.Error("control " + std::to_string(GetDlgCtrlID(control)) + " is a " +
                  KindName(control) + ", not " + wanted);
    return false;
}

POINT Center(HWND control, int numerator = 1, int denominator = 2) {
    RECT rect{};
    GetClientRect(control, &rect);
    return POINT{rect.right / 2, rect.bottom * numerator / denominator};
}

// A click on the dialog over the control, for what the mouse does not reach (a disabled
// control) or goes through (the help button's click).
void ClickOver(HWND dialog, HWND control, native::MouseButton button) {
    POINT point = Center(control);
    ClientToScreen(control, &point);
    ScreenToClient(dialog, &point);
    bool left = button == native::MouseButton::Left;
    native::PostMouseInput(dialog, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
                           left ? MK_LBUTTON : MK_RBUTTON, point);
    native::PostMouseInput(dialog, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, point);
}

// A right click on the control, or on the dialog's title bar for "title".
void RightClick(Console& console, HWND dialog, const std::string& target) {
    if (target == "title") {
        RECT rect{};
        GetWindowRect(dialog, &rect);
        PostMessageA(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dialog),
                     static_cast<LPARAM>(MAKELONG(static_cast<WORD>(rect.left + 8),
                                                  static_cast<WORD>(rect.top - 8))));
        return;
    }
    HWND control = UsableControl(console, dialog, target, true);
    if (control == nullptr)
        return;
    if (IsWindowEnabled(control))
        native::ClickWindow(control, Center(control), native::MouseButton::Right);
    else
        ClickOver(dialog, control, native::MouseButton::Right);
}

// F1 on the control, which gets the focus first; what cannot take the focus (a label, a group
// box, a disabled control) is asked through the title-bar help button and a click on it.
void AskHelp(Console& console, HWND dialog, const std::string& target) {
    HWND control = UsableControl(console, dialog, target, true);
    if (control == nullptr)
        return;
    Kind kind = KindOf(control);
    if (IsWindowEnabled(control) && kind != Kind::Label && kind != Kind::Group) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        native::PressKey(control, VK_F1, false, false, false);
        return;
    }
    if (!native::PressHelpButton(dialog)) {
        console.Error("dialog " + std::to_string(native::DialogTemplateId(dialog)) +
                      " has no help button");
        return;
    }
    ClickOver(dialog, control, native::MouseButton::Left);
}

void Click(Console& console, HWND control) {
    if (!native::ClickWindow(control, Center(control)))
        console.Error("control " + std::to_string(GetDlgCtrlID(control)) + " cannot be clicked");
}

// The console's "\n" types a line break.
std::string Typed(Console& console, const std::string& text) {
    std::string typed;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\n") == 0) {
            typed += '\n';
            ++i;
        } else {
            typed += text[i];
        }
    }
    return console.ToCodePage(typed);
}

// A click into the field, Ctrl+A, then the text typed over the selection.
void SetText(Console& console, HWND control, const std::string& text) {
    if (!KindIs(console, control, {Kind::Edit}, "an edit field"))
        return;
    if ((GetWindowLongPtrA(control, GWL_STYLE) & ES_READONLY) != 0) {
        console.Error("control " + std::to_string(GetDlgCtrlID(control)) + " is read-only");
        return;
    }
    // Home, then Shift+End: the edit control of every Windows version selects all so.
    native::ClickWindow(control, POINT{1, Center(control).y});
    native::PressKey(control, VK_HOME, false, false, false);
    native::PressKey(control, VK_END, true, false, false);
    if (text.empty()) {
        native::PressKey(control, VK_DELETE, false, false, false);
        return;
    }
    // Return acts before the next character is typed, as it does for a person: on Windows the
    // line break a multi-line field inserts comes as the character the keystroke is
    // translated into, queued only when the keystroke is taken.
    std::string typed = Typed(console, text);
    for (std::size_t start = 0; start < typed.size();) {
        std::size_t end = std::min(typed.find('\n', start), typed.size() - 1) + 1;
        native::TypeText(control, typed.substr(start, end - start));
        if (typed[end - 1] == '\n')
            AfxPumpPending();
        start = end;
    }
}

void Check(Console& console, HWND control, bool check) {
    if (!KindIs(console, control, {Kind::CheckBox, Kind::Radio}, "a check box or radio button"))
        return;
    if (!check && KindOf(control) == Kind::Radio) {
        console.Error("a radio button is unchecked by checking another");
        return;
    }
    bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked != check)
        Click(console, control);
}

int FindItem(Console& console, HWND control, const std::string& wanted) {
    int count = ItemCount(control);
    bool number = !wanted.empty() && std::all_of(wanted.begin(), wanted.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
    if (number && wanted.size() < 10 && std::stoi(wanted) < count)
        return std::stoi(wanted);
    std::string text = console.ToCodePage(wanted);
    for (int i = 0; !number && i < count; ++i) {
        if (ItemText(control, i) == text)
            return i;
    }
    console.Error("control " + std::to_string(GetDlgCtrlID(control)) + " has no item '" + wanted +
                  "'");
    return -1;
}

// The user scrolls the item into view and clicks it; a drop-down list is opened first.
void Select(Console& console, HWND control, const std::string& wanted) {
    if (!KindIs(console, control, {Kind::ListBox, Kind::DropDown}, "a list"))
        return;
    int index = FindItem(console, control, wanted);
    if (index < 0)
        return;
    if (KindOf(control) == Kind::ListBox) {
        RECT client{};
        GetClientRect(control, &client);
        auto top = static_cast<int>(SendMessageA(control, LB_GETTOPINDEX, 0, 0));
        auto height = static_cast<int>(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
        if (index < top || (index - top + 1) * height > client.bottom)
            SendMessageA(control, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        RECT item{};
        SendMessageA(control, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        native::ClickWindow(control, POINT{2, (item.top + item.bottom) / 2});
        return;
    }
    // The list opens before the second click is queued: the open list holds the mouse, so
    // the click goes to it and not to the field.
    if (SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0) == FALSE) {
        native::ClickWindow(control, Center(control));
        AfxPumpPending();
    }
    // The item is scrolled to the top of the open list, which lies just below the field, as
    // far as the list scrolls (a list that shows every item does not).
    SendMessageA(control, CB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    auto top = static_cast<int>(SendMessageA(control, CB_GETTOPINDEX, 0, 0));
    RECT field{};
    GetClientRect(control, &field);
    auto height = static_cast<int>(SendMessageA(control, CB_GETITEMHEIGHT, 0, 0));
    native::ClickWindow(control, POINT{2, field.bottom + (index - top) * height + height / 2});
}

// An up-down control, or the field it is the buddy of.
void Spin(Console& console, HWND dialog, HWND control, const std::string& direction) {
    if (KindOf(control) != Kind::UpDown) {
        for (HWND each : native::ChildWindows(dialog)) {
            if (KindOf(each) == Kind::UpDown &&
                reinterpret_cast<HWND>(SendMessageA(each, UDM_GETBUDDY, 0, 0)) == control)
                control = each;
        }
    }
    if (!KindIs(console, control, {Kind::UpDown}, "an up-down control"))
        return;
    if (direction != "up" && direction != "down") {
        console.Error("usage: dlg spin ID up|down");
        return;
    }
    if (!native::ClickWindow(control, Center(control, direction == "up" ? 1 : 3, 4)))
        console.Error("control " + std::to_string(GetDlgCtrlID(control)) + " is disabled");
}

void PressDialogKey(Console& console, HWND dialog, const std::string& name) {
    WORD key = 0;
    native::Modifiers modifiers;
    if (!ParseKey(name, key, modifiers)) {
        console.Error("unknown key '" + name + "' (e.g. Enter, Escape, Tab, Shift+Tab, Space)");
        return;
    }
    HWND focus = GetFocus();
    HWND target = focus != nullptr && IsChild(dialog, focus) ? focus : dialog;
    native::PressKey(target, key, modifiers.shift, modifiers.ctrl, modifiers.alt);
}

void Act(Console& console, HWND dialog, const Args& args) {
    const std::string& word = args[0];
    struct Usage {
        const char* word;
        size_t count;
        const char* usage;
    };
    const Usage usages[] = {
        {"set", 3, "dlg set ID TEXT"},
        {"check", 2, "dlg check ID"},
        {"uncheck", 2, "dlg uncheck ID"},
        {"click", 2, "dlg click ID"},
        {"select", 3, "dlg select ID INDEX|TEXT"},
        {"spin", 3, "dlg spin ID up|down"},
        {"key", 2, "dlg key Enter|Escape|Tab|..."},
        {"rclick", 2, "dlg rclick ID|title"},
        {"help", 2, "dlg help ID"},
    };
    auto usage = std::find_if(std::begin(usages), std::end(usages),
                              [&](const Usage& u) { return word == u.word; });
    if (usage == std::end(usages)) {
        console.Error("unknown dialog action '" + word +
                      "' (set, check, uncheck, click, select, spin, key, rclick, help)");
        return;
    }
    if (!console.ArgCount(args, usage->count, usage->count, usage->usage))
        return;
    if (word == "key") {
        PressDialogKey(console, dialog, args[1]);
        return;
    }
    std::string target = args[1];
    bool title = word == "rclick" && target == "title" && !console.Quoted(1);
    if (!title && !console.IsNumber(args, 1)) {
        bool fields = word == "set" || word == "select" || word == "spin";
        bool buttons = word == "click" || word == "check" || word == "uncheck";
        int id = ControlByCaption(console, dialog, target, fields, buttons);
        if (id == 0)
            return;
        target = std::to_string(id);
    }
    if (word == "rclick") {
        RightClick(console, dialog, target);
        return;
    }
    if (word == "help") {
        AskHelp(console, dialog, target);
        return;
    }
    HWND control = UsableControl(console, dialog, target);
    if (control == nullptr)
        return;
    if (word == "set")
        SetText(console, control, args[2]);
    else if (word == "check" || word == "uncheck")
        Check(console, control, word == "check");
    else if (word == "click" &&
             KindIs(console, control, {Kind::Button, Kind::CheckBox, Kind::Radio}, "a button"))
        Click(console, control);
    else if (word == "select")
        Select(console, control, args[2]);
    else if (word == "spin")
        Spin(console, dialog, control, args[2]);
}

void Dialog(Console& console, const Args& args) {
    HWND dialog = console.Tracker().Dialog();
    if (dialog == nullptr) {
        console.Error("no dialog is open");
        return;
    }
    if (args.empty())
        PrintDialog(console, dialog);
    else
        Act(console, dialog, args);
}

} // namespace

void RegisterDialogCommands(Console& console) {
    console.Define("dlg", "dlg [set|check|uncheck|click|select|spin|key|rclick|help ...]",
                   "print the open dialog, or act on one of its controls",
                   [&console](const Args& a) { Dialog(console, a); });
}
