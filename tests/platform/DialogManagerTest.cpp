#include "DialogTestSupport.h"

#include "platform/DecimalText.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <climits>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

// The module reads its number fields as text and parses them itself (DecimalText): Wine's
// GetDlgItemInt takes trailing text, a sign on an unsigned field and refuses the exact limits,
// which Windows does not. So GetDlgItemInt is held only to what both agree on, and the
// module's reading to the whole rule.
TEST_F(DialogTest, NumberFieldsReadOnlyWholeDecimalNumbers) {
    struct Case {
        const char* text;
        bool signedOk;
        int signedValue;
        bool unsignedOk;
        UINT unsignedValue;
        bool systemAgrees; // GetDlgItemInt gives the same on every system
    } cases[] = {
        {"", false, 0, false, 0, true},
        {"-", false, 0, false, 0, true},
        {" \t12", true, 12, true, 12, true},
        {"-17", true, -17, false, 0, false},
        {"2147483646", true, INT_MAX - 1, true, 2147483646u, true},
        {"2147483648", false, 0, true, 2147483648u, true},
        {"-2147483647", true, INT_MIN + 1, false, 0, false},
        {"4294967294", false, 0, true, UINT_MAX - 1, true},
        {"4294967296", false, 0, false, 0, true},
        {"1 2", false, 0, false, 0, false},
        {"+5", true, 5, false, 0, false},
        {"-0", true, 0, false, 0, false},
        {"12a", false, 0, false, 0, false},
        {"12 ", false, 0, false, 0, false},
        {"2147483647", true, INT_MAX, true, 2147483647u, false},
        {"-2147483648", true, INT_MIN, false, 0, false},
        {"-2147483649", false, 0, false, 0, false},
        {"4294967295", false, 0, true, UINT_MAX, false},
    };
    HWND dialog = Open(SampleDialog());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        SetDlgItemTextA(dialog, 11, c.text);
        char text[64] = "";
        GetDlgItemTextA(dialog, 11, text, sizeof text);
        std::optional<std::int32_t> asSigned = ParseSignedDecimal(text);
        std::optional<std::uint32_t> asUnsigned = ParseUnsignedDecimal(text);
        EXPECT_EQ(asSigned.has_value(), c.signedOk);
        EXPECT_EQ(asSigned.value_or(0), c.signedValue);
        EXPECT_EQ(asUnsigned.has_value(), c.unsignedOk);
        EXPECT_EQ(asUnsigned.value_or(0), c.unsignedValue);
        if (!c.systemAgrees)
            continue;
        BOOL ok = -1;
        auto value = static_cast<int>(GetDlgItemInt(dialog, 11, &ok, TRUE));
        EXPECT_EQ(ok != FALSE, c.signedOk) << "signed";
        EXPECT_EQ(value, c.signedValue) << "signed";
        UINT unsignedValue = GetDlgItemInt(dialog, 11, &ok, FALSE);
        EXPECT_EQ(ok != FALSE, c.unsignedOk) << "unsigned";
        EXPECT_EQ(unsignedValue, c.unsignedValue) << "unsigned";
    }
    SetDlgItemInt(dialog, 11, static_cast<UINT>(-7), TRUE);
    EXPECT_EQ(native::GetWindowTextOf(GetDlgItem(dialog, 11)), "-7");
}

TEST_F(DialogTest, TabAndArrowsSkipDisabledAndHiddenControls) {
    struct Case {
        const char* name;
        std::vector<int> disabled;
        std::vector<int> hidden;
        WORD key;
        bool shift;
        std::vector<int> focusAfterEachKey;
    } cases[] = {
        {"tab order", {}, {}, VK_TAB, false, {20, 30, 31, 40, 41, 50, 51, 11}},
        {"skipping", {31, 41}, {30}, VK_TAB, false, {20, 40, 50, 51, 11}},
        {"backwards", {}, {51}, VK_TAB, true, {50, 41, 40, 31}},
        // From the first radio button the arrows run through its group and wrap within it.
        {"group", {21}, {}, VK_DOWN, false, {22, 20, 22}},
    };
    for (const Case& c : cases) {
        HWND dialog = Open(SampleDialog());
        for (int id : c.disabled)
            EnableWindow(GetDlgItem(dialog, id), FALSE);
        for (int id : c.hidden)
            ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
        SetFocus(GetDlgItem(dialog, c.key == VK_TAB ? 11 : 20));
        std::vector<int> focus;
        for (size_t i = 0; i < c.focusAfterEachKey.size(); ++i) {
            Key(dialog, c.key, c.shift);
            focus.push_back(Focused());
        }
        EXPECT_EQ(focus, c.focusAfterEachKey) << c.name;
        DestroyWindow(dialog);
    }
}

TEST_F(DialogTest, AutomaticRadioButtonsKeepOneCheckedAndTabEntersAtIt) {
    HWND dialog = Open(SampleDialog());
    CheckRadioButton(dialog, 20, 22, 20);
    EnableWindow(GetDlgItem(dialog, 21), FALSE);
    SendDlgItemMessageA(dialog, 21, BM_SETCHECK, BST_CHECKED, 0);
    heard.clear();

    Click(dialog, 22);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 22), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 20), BST_UNCHECKED);
    // The group is walked as the dialog manager walks it, which passes disabled buttons by.
    EXPECT_EQ(IsDlgButtonChecked(dialog, 21), BST_CHECKED) << "a disabled one keeps its check";
    EXPECT_THAT(HeardFrom(22), ElementsAre("command 22 0"));

    SetFocus(GetDlgItem(dialog, 11));
    Key(dialog, VK_TAB);
    EXPECT_EQ(Focused(), 22) << "the checked button is the group's tab stop";
    heard.clear();
    Key(dialog, VK_UP);
    EXPECT_EQ(Focused(), 20);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 20), BST_CHECKED) << "an arrow clicks what it reaches";
    EXPECT_THAT(heard, ElementsAre("command 20 0"));

    Click(dialog, 31);
    Click(dialog, 30);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 31), BST_UNCHECKED) << "not automatic";
    EXPECT_EQ(IsDlgButtonChecked(dialog, 30), BST_CHECKED);
}

TEST_F(DialogTest, EnterClicksTheFocusedOrDefaultButtonAndEscapeCancels) {
    struct Case {
        const char* name;
        int focus;
        bool withoutDefault;
        bool defaultDisabled;
        DWORD editStyle;
        std::vector<std::string> heard;
    } cases[] = {
        {"default button", 11, false, false, ES_AUTOHSCROLL, {"command 50 0"}},
        {"focused button", 51, false, false, ES_AUTOHSCROLL, {"command 51 0"}},
        {"disabled default", 11, false, true, ES_AUTOHSCROLL, {}},
        {"no default", 11, true, false, ES_AUTOHSCROLL, {"command 1 0"}},
        {"multi-line", 11, false, false, ES_MULTILINE, {"command 11 512", "command 50 0"}},
        {"line break",
         11,
         false,
         false,
         ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
         {"command 11 1024", "command 11 768"}},
    };
    for (const Case& c : cases) {
        DialogTemplate sample = SampleDialog(c.editStyle);
        if (c.withoutDefault)
            sample.items[10].style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
        sample.items[1].cy = 40; // room for a second line: no scrolling to tell of
        HWND dialog = Open(sample);
        EnableWindow(GetDlgItem(dialog, 50), c.defaultDisabled ? FALSE : TRUE);
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, c.focus)),
                     TRUE);
        heard.clear();
        Key(dialog, VK_RETURN);
        EXPECT_EQ(heard, c.heard) << c.name;
        DestroyWindow(dialog);
    }
    HWND dialog = Open(SampleDialog());
    Key(dialog, VK_ESCAPE);
    EXPECT_THAT(heard, ElementsAre("command 2 0"));
}

TEST_F(DialogTest, TheDefaultButtonsLookFollowsTheFocus) {
    HWND dialog = Open(SampleDialog());
    auto looksDefault = [&](int id) {
        return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK) ==
               BS_DEFPUSHBUTTON;
    };
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(50, DC_HASDEFID));
    SetFocus(GetDlgItem(dialog, 41));
    Key(dialog, VK_TAB);
    Key(dialog, VK_TAB);
    EXPECT_EQ(Focused(), 51);
    EXPECT_TRUE(looksDefault(51));
    EXPECT_FALSE(looksDefault(50));
    Key(dialog, VK_TAB);
    EXPECT_TRUE(looksDefault(50));
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(50, DC_HASDEFID));
}

TEST_F(DialogTest, UpDownStepsThroughItsRangeAndTheBuddysText) {
    struct Case {
        const char* name;
        int lower, upper, start;
        DWORD extraStyle;
        bool up;
        const char* buddyBefore; // null: as the position sets it
        const char* buddyAfter;
    } cases[] = {
        {"up", 1, 8192, 5, 0, true, nullptr, "6"},
        {"clamped", 1, 3, 3, 0, true, nullptr, "3"},
        {"wraps up", 1, 3, 3, UDS_WRAP, true, nullptr, "1"},
        {"wraps down", 1, 3, 1, UDS_WRAP, false, nullptr, "3"},
        {"reversed range", 5, 1, 3, 0, true, nullptr, "2"},
        {"reads the buddy", -16383, 16383, 0, 0, false, "-17", "-18"},
        {"bad buddy text", 1, 10, 4, 0, true, "x", "5"},
        {"thousands", 0, 5000, 999, UDS_SETBUDDYINT, true, nullptr, "1,000"},
    };
    for (const Case& c : cases) {
        DialogTemplate sample = SampleDialog();
        if (c.extraStyle == UDS_SETBUDDYINT)
            sample.items[2].style &= ~static_cast<DWORD>(UDS_NOTHOUSANDS);
        else
            sample.items[2].style |= c.extraStyle;
        HWND dialog = Open(sample);
        HWND spin = GetDlgItem(dialog, 12);
        SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(c.lower), c.upper);
        SendMessageA(spin, UDM_SETPOS32, 0, c.start);
        if (c.buddyBefore != nullptr)
            SetDlgItemTextA(dialog, 11, c.buddyBefore);
        RECT rect;
        GetClientRect(spin, &rect);
        Click(dialog, 12, POINT{rect.right / 2, c.up ? rect.bottom / 4 : rect.bottom * 3 / 4});
        EXPECT_EQ(native::GetWindowTextOf(GetDlgItem(dialog, 11)), c.buddyAfter) << c.name;
        DestroyWindow(dialog);
    }
}

TEST_F(DialogTest, UpDownAsksItsParentAndTakesTheBuddysArrowKeys) {
    HWND dialog = Open(SampleDialog());
    HWND spin = GetDlgItem(dialog, 12);
    SendMessageA(spin, UDM_SETRANGE, 0, MAKELONG(10, 1));
    SendMessageA(spin, UDM_SETPOS, 0, 4);
    EXPECT_EQ(SendMessageA(spin, UDM_GETBUDDY, 0, 0),
              reinterpret_cast<LRESULT>(GetDlgItem(dialog, 11)));
    RECT buddy;
    RECT self;
    GetWindowRect(GetDlgItem(dialog, 11), &buddy);
    GetWindowRect(spin, &self);
    EXPECT_EQ(buddy.right - self.left, 2) << "aligned to the right of its buddy, over its border";

    SetFocus(GetDlgItem(dialog, 11));
    Key(dialog, VK_UP);
    EXPECT_EQ(native::GetWindowTextOf(GetDlgItem(dialog, 11)), "5");
    refuseDelta = 1;
    Key(dialog, VK_UP);
    EXPECT_EQ(native::GetWindowTextOf(GetDlgItem(dialog, 11)), "5") << "the parent refused";
    std::string deltaPos = "notify 12 " + std::to_string(static_cast<int>(UDN_DELTAPOS));
    EXPECT_THAT(HeardFrom(12), ElementsAre(deltaPos, deltaPos));
    SetDlgItemTextA(dialog, 11, "abc");
    EXPECT_NE(HIWORD(static_cast<std::uintptr_t>(SendMessageA(spin, UDM_GETPOS, 0, 0))), 0);
}

TEST_F(DialogTest, EditFieldsTypeWithinTheirStylesAndNotify) {
    struct Case {
        const char* name;
        DWORD style;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"plain", ES_AUTOHSCROLL, "abc", "abc"},
        {"read-only", ES_AUTOHSCROLL | ES_READONLY, "abc", ""},
        // As many characters as the font fits in the field (the native count is pinned among
        // the internals): fewer than typed.
        {"no scrolling", 0, "12345678901234567890123", nullptr},
        {"line break", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, "a\nb", "a\r\nb"},
    };
    for (const Case& c : cases) {
        HWND dialog = Open(SampleDialog(c.style));
        HWND edit = GetDlgItem(dialog, 11);
        SetFocus(edit);
        native::TypeText(edit, c.typed);
        Pump(dialog);
        std::string text = native::GetWindowTextOf(edit);
        if (c.expected != nullptr) {
            EXPECT_EQ(text, c.expected) << c.name;
        } else {
            EXPECT_GE(text.size(), 10u) << c.name;
            EXPECT_LT(text.size(), std::string(c.typed).size()) << c.name;
            EXPECT_EQ(std::string(c.typed).substr(0, text.size()), text) << c.name;
        }
        DestroyWindow(dialog);
    }
    // A double-byte character is typed, measured and erased whole.
    // (Windows keeps the code page the process started in: the Japanese run has it.)
    native::SetLanguage(Language::Japanese);
    if (native::ActiveCodePage() == 932) {
        HWND narrow = GetDlgItem(Open(SampleDialog(0)), 11);
        SetFocus(narrow);
        native::TypeText(narrow, std::string(20, '\x83') + "A");
        native::PressKey(narrow, VK_BACK, false, false, false);
        Pump(GetParent(narrow));
        EXPECT_EQ(native::GetWindowTextOf(narrow), std::string(14, '\x83'));
    }
    native::SetLanguage(Language::English);

    HWND dialog = Open(SampleDialog());
    HWND edit = GetDlgItem(dialog, 11);
    SetDlgItemTextA(dialog, 11, "old");
    heard.clear();
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    native::TypeText(edit, "N");
    Pump(dialog);
    EXPECT_EQ(native::GetWindowTextOf(edit), "N") << "tabbing in selects the text";
    EXPECT_THAT(heard, ElementsAre("command 11 1024", "command 11 768"));
    // Space is a key that makes a character, with Ctrl held as well.
    native::PressKey(edit, VK_SPACE, false, false, false);
    native::PressKey(edit, VK_SPACE, false, true, false);
    Pump(dialog);
    EXPECT_EQ(native::GetWindowTextOf(edit), "N  ");
}

TEST_F(DialogTest, ListsNotifyTheUsersChoicesOnly) {
    HWND dialog = Open(SampleDialog());
    HWND list = GetDlgItem(dialog, 40);
    HWND combo = GetDlgItem(dialog, 41);
    for (const char* item : {"Label", "Position", "Size", "Pad ID"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>("pos")), 1);
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>("pos")), 1)
        << "searching wraps round";
    SendMessageA(list, LB_SETCURSEL, 3, 0);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(heard.empty());
    // Rows are as high as the font makes them.
    auto rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT rows;
    GetClientRect(list, &rows);
    int shown = std::max(static_cast<int>(rows.bottom) / rowHeight, 1);
    int top = 3 - shown + 1;
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), top) << "scrolled to the selection";

    Click(dialog, 40, POINT{2, rowHeight + 1});
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), top + 1);
    Click(dialog, 41);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    RECT field;
    GetClientRect(combo, &field);
    auto comboRow = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    Click(dialog, 41, POINT{2, field.bottom + comboRow + comboRow / 2});
    EXPECT_EQ(native::GetWindowTextOf(combo), "Position");
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_THAT(HeardFrom(40), ElementsAre("command 40 4", "command 40 1", "command 40 5"));
    // The list closes before the choice is told of.
    EXPECT_THAT(HeardFrom(41), ElementsAre("command 41 3", "command 41 7", "command 41 9",
                                           "command 41 8", "command 41 1"));
}

TEST_F(DialogTest, HelpAndContextMenuRequestsReachTheDialog) {
    HWND dialog = Open(SampleDialog());
    SetFocus(GetDlgItem(dialog, 11));
    Key(dialog, VK_F1);
    native::ClickWindow(GetDlgItem(dialog, 30), POINT{2, 2}, native::MouseButton::Right);
    Pump(dialog);
    std::vector<std::string> asked = heard;
    // The keyboard's menu key asks about the focused control; not an edit field, which
    // answers with a menu of its own.
    SetFocus(GetDlgItem(dialog, 40));
    heard.clear();
    native::PressKey(nullptr, VK_APPS, false, false, false);
    Pump(dialog);
    EXPECT_TRUE(native::PressHelpButton(dialog));
    native::ClickWindow(GetDlgItem(dialog, 51), POINT{2, 2});
    Pump(dialog);
    asked.insert(asked.end(), heard.begin(), heard.end());
    EXPECT_THAT(asked, ElementsAre("help 11", "menu 30", "menu 40", "help 51"));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 30), BST_UNCHECKED) << "a right click clicks nothing";

    DialogTemplate plain = SampleDialog();
    plain.exStyle = 0;
    EXPECT_FALSE(native::PressHelpButton(Open(plain))) << "no help button without the style";
}

TEST_F(DialogTest, DisabledControlsTakeNoClicks) {
    HWND dialog = Open(SampleDialog());
    EnableWindow(GetDlgItem(dialog, 30), FALSE);
    EXPECT_FALSE(native::ClickWindow(GetDlgItem(dialog, 30), POINT{2, 2}));
    EnableWindow(dialog, FALSE);
    EXPECT_FALSE(native::ClickWindow(GetDlgItem(dialog, 31), POINT{2, 2}))
        << "nor in a disabled dialog";
    Pump(dialog);
    EXPECT_TRUE(heard.empty());
}

INT_PTR CALLBACK EndOnCommand(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    EndDialog(hwnd, 100 + LOWORD(wParam));
    return TRUE;
}

TEST_F(DialogTest, DialogBoxRunsUntilEndDialogAndDisablesItsOwner) {
    HWND owner = TopLevel();
    DialogTemplate sample = SampleDialog();
    std::vector<std::function<void()>> input = {
        [&] { EXPECT_FALSE(IsWindowEnabled(owner)); },
        [&] { native::PressKey(nullptr, VK_RETURN, false, false, false); },
    };
    size_t next = 0;
    native::SetInputWaiter([&] {
        if (next == input.size())
            return false;
        input[next++]();
        return true;
    });
    EXPECT_EQ(RunFromTemplate(sample, owner, EndOnCommand), 150);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(RunFromTemplate(sample, owner, EndOnCommand), IDCANCEL)
        << "ended by the end of input";
}

TEST_F(DialogTest, DialogUnitsFollowTheFont) {
    DialogTemplate sample = SampleDialog();
    HWND dialog = Open(sample);
    // A dialog's base units are its font's height and a width among its characters': how wide
    // exactly depends on the fonts the system has (the native ones are pinned among the
    // internals).
    auto metricsOf = [](HGDIOBJ font) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ was = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, was);
        ReleaseDC(nullptr, dc);
        return metrics;
    };
    TEXTMETRICA font = metricsOf(reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, 4, 8};
    MapDialogRect(dialog, &rect);
    EXPECT_EQ(rect.bottom, font.tmHeight);
    EXPECT_GT(rect.right, 0);
    EXPECT_LE(rect.right, font.tmMaxCharWidth);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, rect.right * 50) << "200 units";
    TEXTMETRICA system = metricsOf(GetStockObject(SYSTEM_FONT));
    LONG units = GetDialogBaseUnits();
    EXPECT_EQ(HIWORD(units), system.tmHeight);
    EXPECT_GT(LOWORD(units), 0);
    EXPECT_LE(LOWORD(units), system.tmMaxCharWidth);
}

} // namespace
