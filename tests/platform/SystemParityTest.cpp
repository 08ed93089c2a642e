// What the user's keys, clicks and typing make of windows, held alike on the native window
// system and on Windows (this program is built for both).

#include "SystemTestSupport.h"

#include "platform/NativeBackend.h"
#include "platform/ResourceTypes.h"

#include <gmock/gmock.h>

using namespace system_test;

namespace {

constexpr int kChildId = 42;

TEST_F(SystemTest, KeysAskForHelpAndTheContextMenuAsTheSystemAnswersThem) {
    struct Case {
        const char* name;
        WORD key;
        bool shift;
        bool played; // by the keyboard, not merely posted as a message
        std::vector<UINT> heardByParent;
    } cases[] = {
        {"F1", VK_F1, false, true, {WM_HELP}},
        {"Shift+F1 is the help mode's key", VK_F1, true, true, {}},
        {"a posted F1 is no keystroke", VK_F1, false, false, {}},
        {"the context-menu key", VK_APPS, false, true, {WM_CONTEXTMENU}},
        {"a posted context-menu key", VK_APPS, false, false, {}},
        {"a letter", 'A', false, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND top = Top();
        HWND child = Child(top, listenerClass, kChildId);
        heard.clear();
        if (c.played) {
            native::PressKey(child, c.key, c.shift, false, false);
        } else {
            PostMessageA(child, WM_KEYDOWN, c.key, 1);
            PostMessageA(child, WM_KEYUP, c.key, static_cast<LPARAM>(0xC0000001u));
        }
        Pump();
        std::vector<UINT> byParent;
        for (const Heard& each : heard) {
            if (each.hwnd != top)
                continue;
            byParent.push_back(each.message);
            if (each.message == WM_HELP) {
                EXPECT_EQ(each.helpId, kChildId) << "help on the window with the focus";
            }
            if (each.message == WM_CONTEXTMENU) {
                EXPECT_EQ(each.wParam, reinterpret_cast<WPARAM>(child));
                EXPECT_EQ(each.lParam, -1) << "asked from the keyboard";
            }
        }
        EXPECT_EQ(byParent, c.heardByParent) << "each request reaches the parent once";
        DestroyWindow(top);
    }
}

TEST_F(SystemTest, AKeystrokeLostWithItsWindowLeavesTheNextOnesTheirModifiers) {
    HWND gone = Top();
    native::PressKey(gone, VK_ESCAPE, false, false, false);
    DestroyWindow(gone);
    Pump();
    HWND top = Top();
    heard.clear();
    native::PressKey(top, 'B', true, false, false);
    Pump();
    std::vector<Heard> keys = HeardOf(WM_KEYDOWN);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_TRUE(keys[0].shift) << "Shift+B is read with Shift down";
}

TEST_F(SystemTest, TheHelpButtonAsksForHelpOnTheControlClickedNext) {
    HWND top = CreateWindowExA(WS_EX_CONTEXTHELP, listenerClass, "help",
                               WS_POPUP | WS_CAPTION | WS_SYSMENU, 10, 20, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
    windows.push_back(top);
    HWND child = Child(top, listenerClass, kChildId);
    EnableWindow(child, FALSE);
    ASSERT_TRUE(native::PressHelpButton(top));
    POINT over{10, 10};
    ClientToScreen(child, &over);
    ScreenToClient(top, &over);
    native::PostMouseInput(top, WM_LBUTTONDOWN, MK_LBUTTON, over);
    native::PostMouseInput(top, WM_LBUTTONUP, 0, over);
    Pump();
    std::vector<Heard> helps = HeardOf(WM_HELP);
    ASSERT_FALSE(helps.empty()) << "a disabled control is asked about too";
    EXPECT_EQ(helps[0].hwnd, child);
    EXPECT_EQ(helps[0].helpId, kChildId);
    EXPECT_EQ(helps.back().hwnd, top) << "and the request goes up to the window";

    heard.clear();
    native::PostMouseInput(top, WM_LBUTTONDOWN, MK_LBUTTON, over);
    native::PostMouseInput(top, WM_LBUTTONUP, 0, over);
    Pump();
    EXPECT_TRUE(HeardOf(WM_HELP).empty()) << "the mode ends with the click";
}

TEST_F(SystemTest, RightButtonReleasedOnAListViewAsksForTheContextMenu) {
    HWND top = Top();
    HWND list = Child(top, WC_LISTVIEWA, kChildId, LVS_REPORT);
    heard.clear();
    native::PostMouseInput(list, WM_RBUTTONUP, 0, POINT{20, 30});
    Pump();
    std::vector<Heard> menus = HeardOf(WM_CONTEXTMENU);
    ASSERT_EQ(menus.size(), 1u) << "a view that handles the right press itself must not pass "
                                   "the release on";
    EXPECT_EQ(menus[0].hwnd, top);
    EXPECT_EQ(menus[0].wParam, reinterpret_cast<WPARAM>(list));
    POINT screen{20, 30};
    ClientToScreen(list, &screen);
    EXPECT_EQ(static_cast<short>(LOWORD(menus[0].lParam)), screen.x);
    EXPECT_EQ(static_cast<short>(HIWORD(menus[0].lParam)), screen.y);
}

TEST_F(SystemTest, ReturnInAMultiLineFieldBreaksTheLineBeforeWhatIsTypedNext) {
    HWND top = Top();
    HWND edit = Child(top, "Edit", kChildId, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL);
    SetFocus(edit);
    // As the console types: Return acts before the next character is typed.
    native::TypeText(edit, "line\n");
    Pump();
    native::TypeText(edit, "second");
    Pump();
    EXPECT_EQ(TextOf(edit), "line\r\nsecond");
}

TEST_F(SystemTest, JapaneseTypedIntoAFieldArrivesWhole) {
    native::SetLanguage(Language::Japanese);
    if (native::ActiveCodePage() != 932) {
        native::SetLanguage(Language::English);
        GTEST_SKIP() << "the process does not run in code page 932";
    }
    HWND top = Top();
    HWND edit = Child(top, "Edit", kChildId, ES_AUTOHSCROLL);
    SetFocus(edit);
    // 日本 イ, and a half-width katakana, which is one byte.
    const std::string typed = "\x93\xFA\x96\x7B \x83\x43\xB6";
    native::TypeText(edit, typed);
    Pump();
    EXPECT_EQ(TextOf(edit), typed);
    native::SetLanguage(Language::English);
}

} // namespace

namespace {

// The objects the windows of the class below still carried at their WM_NCDESTROY.
std::vector<void*> objectsAtNcDestroy;

LRESULT CALLBACK ObjectReadingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY)
        objectsAtNcDestroy.push_back(native::WindowObject(hwnd));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The framework finds a window's object through its last message, WM_NCDESTROY, and never
// after: a dead handle, even one whose object nobody took back, names no object.
TEST_F(SystemTest, AWindowsObjectLastsThroughItsNcDestroyOnly) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ObjectReadingProc;
    wc.lpszClassName = "SystemTestObjectReader";
    RegisterClassA(&wc);
    objectsAtNcDestroy.clear();
    int parentObject = 0;
    int childObject = 0;
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND child = Child(parent, wc.lpszClassName, kChildId);
    native::SetWindowObject(parent, &parentObject);
    native::SetWindowObject(child, &childObject);
    EXPECT_EQ(native::WindowObject(child), &childObject);

    DestroyWindow(parent);
    EXPECT_THAT(objectsAtNcDestroy, ::testing::ElementsAre(&childObject, &parentObject));
    EXPECT_EQ(native::WindowObject(parent), nullptr);
    EXPECT_EQ(native::WindowObject(child), nullptr);
    native::SetWindowObject(parent, &parentObject);
    EXPECT_EQ(native::WindowObject(parent), nullptr) << "a dead handle takes no object";

    HWND next = Top();
    EXPECT_EQ(native::WindowObject(next), nullptr);
    native::SetWindowObject(next, &parentObject);
    native::SetWindowObject(next, nullptr);
    EXPECT_EQ(native::WindowObject(next), nullptr);
}

} // namespace
