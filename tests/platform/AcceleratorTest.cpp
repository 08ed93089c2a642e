#include "NativeTestSupport.h"

#include "platform/WinInput.h"
#include "platform/WinMenu.h"

#include <gmock/gmock.h>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

constexpr WORD kF5 = 0x74;
// WM_KEYF1: the system's own message for F1, which Windows' headers leave unnamed.
constexpr UINT kKeyF1 = 0x004D;

WPARAM Accelerated(UINT command) {
    return MAKELONG(static_cast<WORD>(command), 1);
}

class PlatformAcceleratorTest : public NativeTest {
protected:
    // A message loop that offers every key to the table first.
    static void Pump(HWND hwnd, HACCEL table) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!TranslateAcceleratorA(hwnd, table, &msg)) {
                DispatchMessageA(&msg);
            }
        }
    }
};

TEST_F(PlatformAcceleratorTest, KeysMatchWithExactlyTheirModifiers) {
    ACCEL entries[] = {
        {FVIRTKEY | FCONTROL, 'A', 100},
        {FVIRTKEY | FNOINVERT, 'A', 101},
        {FVIRTKEY | FSHIFT, 'A', 102},
        {FVIRTKEY | FALT, VK_RETURN, 103},
        {FVIRTKEY, VK_F1, 104},
        {FVIRTKEY | FSHIFT | FCONTROL, 'B', 105},
        {0, 'C', 106}, // a character entry, which no keystroke matches
    };
    HACCEL table = CreateAcceleratorTableA(entries, 7);
    ASSERT_NE(table, nullptr);
    HWND hwnd = TopLevel();
    struct Case {
        WORD key;
        bool shift, ctrl, alt;
        UINT command; // 0: the key reaches the window
    } cases[] = {
        {'A', false, true, false, 100},       {'A', false, false, false, 101},
        {'A', true, false, false, 102},       {'A', true, true, false, 0},
        {VK_RETURN, false, false, true, 103}, {VK_RETURN, false, false, false, 0},
        {VK_F1, false, false, false, 104},    {VK_F1, false, true, false, 0},
        {'B', true, true, false, 105},        {'B', false, true, false, 0},
        {'C', false, false, false, 0},        {'Z', false, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " shift " << c.shift << " ctrl "
                                        << c.ctrl << " alt " << c.alt);
        received.clear();
        ASSERT_TRUE(native::PressKey(hwnd, c.key, c.shift, c.ctrl, c.alt));
        Pump(hwnd, table);
        UINT down = c.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        UINT up = c.alt ? WM_SYSKEYUP : WM_KEYUP;
        std::vector<UINT> expected{c.command != 0 ? WM_COMMAND : down, up};
        // The system asks for help on a plain F1 whatever the accelerators made of the key.
        if (c.key == VK_F1 && !c.shift && !c.ctrl && !c.alt)
            expected.insert(expected.end(), {kKeyF1, WM_HELP});
        EXPECT_EQ(MessagesTo(hwnd), expected);
        if (c.command != 0) {
            EXPECT_THAT(Only({WM_COMMAND}),
                        ElementsAre(Received{hwnd, WM_COMMAND, Accelerated(c.command), 0}));
        }
    }
    EXPECT_TRUE(DestroyAcceleratorTable(table));
    MSG msg{hwnd, WM_KEYDOWN, 'A', 1, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(hwnd, table, &msg), 0);
}

TEST_F(PlatformAcceleratorTest, KeyStateHoldsFromKeyDownToKeyUp) {
    HWND hwnd = TopLevel();
    std::vector<std::pair<UINT, bool>> ctrlSeen;
    std::vector<LPARAM> params;
    reply = [&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        ctrlSeen.emplace_back(msg, GetKeyState(VK_CONTROL) < 0);
        params.push_back(lParam);
        return std::nullopt;
    };
    native::PressKey(hwnd, 'A', false, true, false);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0) << "not before the key-down is taken";
    native_test::Pump();
    EXPECT_THAT(ctrlSeen, ElementsAre(std::pair<UINT, bool>{WM_KEYDOWN, true},
                                      std::pair<UINT, bool>{WM_KEYUP, false}));
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);

    native::SetHeldModifiers({true, false, false});
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    ctrlSeen.clear();
    params.clear();
    received.clear();
    native::PressKey(hwnd, VK_RETURN, false, false, true);
    native_test::Pump();
    EXPECT_THAT(MessagesTo(hwnd), ElementsAre(WM_SYSKEYDOWN, WM_SYSKEYUP));
    EXPECT_EQ(params[0] & 0x20000000, 0x20000000) << "Alt shows in the context bit";
    EXPECT_LT(GetKeyState(VK_SHIFT), 0) << "back to the held keys after the keystroke";
    EXPECT_GE(GetKeyState(VK_MENU), 0);
}

TEST_F(PlatformAcceleratorTest, MenuItemsGateTheirAccelerators) {
    ACCEL entries[] = {
        {FVIRTKEY, VK_DELETE, 200},
        {FVIRTKEY | FALT, VK_RETURN, 201},
        {FVIRTKEY, kF5, 202}, // in no menu
    };
    HACCEL table = CreateAcceleratorTableA(entries, 3);
    HMENU bar = CreateMenu();
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, 200, "&Delete");
    AppendMenuA(edit, MF_STRING, 201, "P&roperties");
    AppendMenuA(bar, MF_STRING, 199, "&Now");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<std::uintptr_t>(edit), "&Edit");
    HWND hwnd = TopLevel();
    SetMenu(hwnd, bar);
    bool grayDelete = false;
    reply = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_INITMENUPOPUP) {
            EnableMenuItem(edit, 200, grayDelete ? MF_GRAYED : MF_ENABLED);
        }
        return std::nullopt;
    };

    struct Case {
        const char* what;
        WORD key;
        bool alt;
        bool grayDelete, disableWindow, capture, minimize;
        UINT command; // 0: swallowed
    } cases[] = {
        {"enabled item", VK_DELETE, false, false, false, false, false, 200},
        {"item the update grays", VK_DELETE, false, true, false, false, false, 0},
        {"disabled window", VK_RETURN, true, false, true, false, false, 0},
        {"captured mouse", VK_RETURN, true, false, false, true, false, 0},
        {"minimised window", VK_RETURN, true, false, false, false, true, 0},
        {"outside the menu", kF5, false, false, false, false, false, 202},
        {"outside the menu, disabled window", kF5, false, false, true, false, false, 202},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        grayDelete = c.grayDelete;
        EnableWindow(hwnd, c.disableWindow ? FALSE : TRUE);
        if (c.capture) {
            SetCapture(hwnd);
        } else {
            ReleaseCapture();
        }
        ShowWindow(hwnd, c.minimize ? SW_MINIMIZE : SW_RESTORE);
        received.clear();
        native::PressKey(hwnd, c.key, false, false, c.alt);
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(TranslateAcceleratorA(hwnd, table, &msg), 1) << "a matched key is always taken";
        native_test::Pump();
        if (c.command != 0) {
            EXPECT_THAT(Only({WM_COMMAND}),
                        ElementsAre(Received{hwnd, WM_COMMAND, Accelerated(c.command), 0}));
        } else {
            EXPECT_THAT(Only({WM_COMMAND}), ElementsAre());
        }
    }

    EnableWindow(hwnd, TRUE);
    ReleaseCapture();
    ShowWindow(hwnd, SW_RESTORE);
    grayDelete = false;
    received.clear();
    MSG msg{hwnd, WM_KEYDOWN, VK_DELETE, 1, 0, {}};
    TranslateAcceleratorA(hwnd, table, &msg);
    EXPECT_THAT(Only({WM_INITMENU, WM_INITMENUPOPUP, WM_COMMAND}),
                ElementsAre(Received{hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0},
                            Received{hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit),
                                     MAKELONG(1, FALSE)},
                            Received{hwnd, WM_COMMAND, Accelerated(200), 0}))
        << "the command's popup is initialised as if it opened";
}

} // namespace
