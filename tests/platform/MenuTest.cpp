#include "NativeTestSupport.h"

#include "platform/WinMenu.h"

#include <gmock/gmock.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

constexpr UINT kNone = 0xFFFFFFFF;

std::uintptr_t AsId(HMENU menu) {
    return reinterpret_cast<std::uintptr_t>(menu);
}
WPARAM AsWParam(HMENU menu) {
    return reinterpret_cast<WPARAM>(menu);
}
LPARAM PopupAt(WORD position) {
    return static_cast<LPARAM>(MAKELONG(position, FALSE));
}

std::vector<UINT> Ids(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        ids.push_back(GetMenuItemID(menu, i));
    }
    return ids;
}

std::string Text(HMENU menu, UINT item, UINT flags) {
    char buffer[64] = "";
    GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
    return buffer;
}

class PlatformMenuTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        reply = [this](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            auto it = opening.find(reinterpret_cast<HMENU>(wParam));
            if (msg == WM_INITMENUPOPUP && it != opening.end())
                it->second();
            return std::nullopt;
        };
    }

    // &File: &Open 10, separator, &Recent (One 11, Two 12); &Edit: Cu&t 20, &Copy 21 (grayed).
    void Build() {
        bar = CreateMenu();
        file = CreatePopupMenu();
        recent = CreatePopupMenu();
        edit = CreatePopupMenu();
        AppendMenuA(recent, MF_STRING, 11, "One");
        AppendMenuA(recent, MF_STRING, 12, "Two");
        AppendMenuA(file, MF_STRING, 10, "&Open");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_POPUP, AsId(recent), "&Recent");
        AppendMenuA(edit, MF_STRING, 20, "Cu&t");
        AppendMenuA(edit, MF_STRING | MF_GRAYED, 21, "&Copy");
        AppendMenuA(bar, MF_POPUP, AsId(file), "&File");
        AppendMenuA(bar, MF_POPUP, AsId(edit), "&Edit");
    }

    HWND WindowWithBar() {
        Build();
        HWND hwnd = TopLevel();
        SetMenu(hwnd, bar);
        received.clear();
        return hwnd;
    }

    HMENU bar = nullptr;
    HMENU file = nullptr;
    HMENU recent = nullptr;
    HMENU edit = nullptr;
    // What the owner does to a popup as it opens.
    std::map<HMENU, std::function<void()>> opening;
};

TEST_F(PlatformMenuTest, ItemsReadBackAsBuilt) {
    Build();
    EXPECT_THAT(Ids(file), ElementsAre(10u, 0u, kNone)) << "separator 0, popup -1";
    EXPECT_EQ(GetSubMenu(file, 2), recent);
    EXPECT_EQ(Text(bar, 12, MF_BYCOMMAND), "Two") << "by command searches the popups";
    EXPECT_EQ(Text(bar, 12, MF_BYPOSITION), "") << "by position it does not";
    EXPECT_EQ(GetMenuStringA(bar, 20, nullptr, 0, MF_BYCOMMAND), 4);
    EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION), (2u << 8) | MF_POPUP);
}

TEST_F(PlatformMenuTest, EnableAndCheckReturnThePreviousState) {
    Build();
    struct Step {
        bool check; // CheckMenuItem, else EnableMenuItem
        UINT item;
        UINT flags;
        int previous;
        UINT stateAfter;
    } steps[] = {
        {false, 21, MF_ENABLED, static_cast<int>(MF_GRAYED), 0},
        {false, 20, MF_GRAYED, 0, MF_GRAYED},
        {false, 20, MF_GRAYED | MF_DISABLED, static_cast<int>(MF_GRAYED), MF_GRAYED | MF_DISABLED},
        {true, 11, MF_CHECKED, static_cast<int>(MF_UNCHECKED), MF_CHECKED},
        {true, 11, MF_CHECKED, static_cast<int>(MF_CHECKED), MF_CHECKED},
        {true, 11, MF_UNCHECKED, static_cast<int>(MF_CHECKED), 0},
        {false, 1, MF_BYPOSITION | MF_GRAYED, 0, (2u << 8) | MF_POPUP | MF_GRAYED},
        {false, 99, MF_GRAYED, -1, kNone},
        {true, 5, MF_BYPOSITION | MF_CHECKED, -1, kNone},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << (s.check ? "check " : "enable ") << s.item);
        int previous = s.check ? static_cast<int>(CheckMenuItem(bar, s.item, s.flags))
                               : EnableMenuItem(bar, s.item, s.flags);
        EXPECT_EQ(previous, s.previous);
        EXPECT_EQ(GetMenuState(bar, s.item, s.flags & MF_BYPOSITION), s.stateAfter);
    }
}

TEST_F(PlatformMenuTest, InsertModifyDeleteAndRemove) {
    Build();
    EXPECT_TRUE(InsertMenuA(file, 0, MF_BYPOSITION | MF_STRING, 9, "New"));
    EXPECT_TRUE(InsertMenuA(file, 99, MF_BYPOSITION | MF_STRING, 14, "Last"));
    EXPECT_THAT(Ids(file), ElementsAre(9u, 10u, 0u, kNone, 14u));
    EXPECT_TRUE(InsertMenuA(bar, 12, MF_BYCOMMAND | MF_STRING, 13, "Between"))
        << "by command: before that item, in the popup that holds it";
    EXPECT_THAT(Ids(recent), ElementsAre(11u, 13u, 12u));
    EXPECT_TRUE(InsertMenuA(edit, 77, MF_BYCOMMAND | MF_STRING, 15, "Nowhere"));
    EXPECT_THAT(Ids(edit), ElementsAre(20u, 21u, 15u)) << "before no item: appended";

    EXPECT_TRUE(ModifyMenuA(bar, 10, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 15, "Open..."));
    EXPECT_EQ(Text(file, 1, MF_BYPOSITION), "Open...");
    EXPECT_EQ(GetMenuState(file, 15, MF_BYCOMMAND), MF_CHECKED);
    // A popup item is replaced by deleting it: Wine keeps a popup that ModifyMenu replaces.
    EXPECT_TRUE(DeleteMenu(file, 3, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent)) << "a deleted popup is destroyed";
    EXPECT_TRUE(InsertMenuA(file, 3, MF_BYPOSITION | MF_STRING, 16, "Plain"));
    EXPECT_THAT(Ids(file), ElementsAre(9u, 15u, 0u, 16u, 14u));

    EXPECT_TRUE(RemoveMenu(bar, 1, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(edit)) << "a removed popup lives on";
    EXPECT_TRUE(DeleteMenu(bar, 16, MF_BYCOMMAND));
    EXPECT_THAT(Ids(file), ElementsAre(9u, 15u, 0u, 14u));
    EXPECT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(file)) << "a deleted popup is destroyed";
    EXPECT_EQ(GetMenuItemCount(bar), 0);
    EXPECT_FALSE(DeleteMenu(bar, 0, MF_BYPOSITION));

    AppendMenuA(bar, MF_POPUP, AsId(edit), "&Edit");
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(edit)) << "destroying a menu destroys its popups";
    EXPECT_FALSE(DestroyMenu(bar));
    EXPECT_FALSE(AppendMenuA(bar, MF_STRING, 1, "x"));
}

TEST_F(PlatformMenuTest, TheMenuBarBelongsToItsWindow) {
    Build();
    HWND top = TopLevel();
    HWND child = Child(top, 7);
    EXPECT_TRUE(SetMenu(top, bar));
    EXPECT_EQ(GetMenu(top), bar);
    EXPECT_FALSE(SetMenu(child, bar)) << "a child window has no menu bar";
    EXPECT_EQ(AsId(GetMenu(child)), 7u) << "a child's menu slot holds its id";
    EXPECT_TRUE(DrawMenuBar(top));

    HMENU other = CreateMenu();
    HWND created = CreateWindowExA(0, recorderClass, "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                   other, nullptr, nullptr);
    EXPECT_EQ(GetMenu(created), other) << "a top-level window's menu argument is its bar";
    EXPECT_TRUE(SetMenu(created, nullptr));
    DestroyWindow(created);
    EXPECT_TRUE(IsMenu(other)) << "taken off the window before it went";

    DestroyWindow(top);
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(edit));
}

TEST_F(PlatformMenuTest, TrackPopupMenuInitialisesEveryPopupBeforeAsking) {
    Build();
    HWND owner = TopLevel();
    received.clear();
    opening[file] = [&] { EnableMenuItem(file, 10, MF_GRAYED); };
    std::vector<Received> seenByHandler;
    POINT asked;
    native::SetPopupMenuHandler([&](HMENU shown, HWND from, POINT pt, native::Asking) -> UINT {
        EXPECT_EQ(shown, file);
        EXPECT_EQ(from, owner);
        seenByHandler = received;
        asked = pt;
        return 10;
    });

    EXPECT_TRUE(TrackPopupMenu(file, TPM_RIGHTBUTTON, 30, 40, 0, owner, nullptr));
    received.swap(seenByHandler);
    EXPECT_THAT(Only({WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP}),
                ElementsAre(Received{owner, WM_ENTERMENULOOP, TRUE, 0},
                            Received{owner, WM_INITMENU, AsWParam(file), 0},
                            Received{owner, WM_INITMENUPOPUP, AsWParam(file), PopupAt(0)},
                            Received{owner, WM_INITMENUPOPUP, AsWParam(recent), PopupAt(2)}));
    received.swap(seenByHandler);
    EXPECT_THAT(Only({WM_EXITMENULOOP}), ElementsAre(Received{owner, WM_EXITMENULOOP, TRUE, 0}));
    Pump();
    EXPECT_THAT(Only({WM_COMMAND}), ElementsAre()) << "the item the update disabled is not chosen";
    EXPECT_EQ(asked.x, 30);
    EXPECT_EQ(asked.y, 40);
}

// As the module shows its context menus: the choice comes back as a posted command. (A
// returned command, a quiet menu and one without a host to answer are the native system's
// alone: on Windows the host answers through the owner's menu messages.)
TEST_F(PlatformMenuTest, TrackPopupMenuPostsTheChoice) {
    HWND owner = TopLevel();
    HMENU menu = CreatePopupMenu();
    HMENU more = CreatePopupMenu();
    HMENU off = CreatePopupMenu();
    AppendMenuA(more, MF_STRING, 20, "Deep");
    AppendMenuA(off, MF_STRING, 30, "Hidden");
    AppendMenuA(menu, MF_STRING, 10, "Open");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 11, "Gray");
    AppendMenuA(menu, MF_POPUP, AsId(more), "More");
    AppendMenuA(menu, MF_POPUP | MF_GRAYED, AsId(off), "Off");
    struct Case {
        const char* what;
        UINT answer;
        UINT posted; // 0: no WM_COMMAND
    } cases[] = {
        {"chosen", 10, 10}, {"nested", 20, 20},           {"nothing", 0, 0},
        {"grayed", 11, 0},  {"in a grayed popup", 30, 0}, {"not in the menu", 99, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        received.clear();
        native::SetPopupMenuHandler([&](HMENU, HWND, POINT, native::Asking) { return c.answer; });
        EXPECT_TRUE(TrackPopupMenu(menu, TPM_RIGHTBUTTON, 0, 0, 0, owner, nullptr))
            << "closed with or without a choice, the menu was shown";
        received.clear();
        Pump();
        std::vector<Received> commands;
        if (c.posted != 0)
            commands.push_back({owner, WM_COMMAND, c.posted, 0});
        EXPECT_EQ(Only({WM_COMMAND}), commands);
    }
}

TEST_F(PlatformMenuTest, ChoosingWalksThePathAsAUserOpensTheMenus) {
    HWND hwnd = WindowWithBar();
    EXPECT_EQ(native::ChooseMenuPath(hwnd, {"File", "Recent", "Two"}), native::MenuChoice::Chosen);
    EXPECT_THAT(Only({WM_INITMENU, WM_INITMENUPOPUP, WM_ENTERIDLE, WM_COMMAND}),
                ElementsAre(Received{hwnd, WM_INITMENU, AsWParam(bar), 0},
                            Received{hwnd, WM_INITMENUPOPUP, AsWParam(file), PopupAt(0)},
                            Received{hwnd, WM_INITMENUPOPUP, AsWParam(recent), PopupAt(2)},
                            Received{hwnd, WM_ENTERIDLE, MSGF_MENU, 0},
                            Received{hwnd, WM_COMMAND, 12, 0}));
}

TEST_F(PlatformMenuTest, ChoosingTakesTheMenuAsTheUpdatesLeaveIt) {
    HWND hwnd = WindowWithBar();
    opening[file] = [&] { EnableMenuItem(file, 10, MF_GRAYED); };
    opening[edit] = [&] {
        DeleteMenu(edit, 40, MF_BYCOMMAND);
        AppendMenuA(edit, MF_STRING, 40, "&1 A&&B");
    };
    using native::MenuChoice;
    struct Case {
        std::vector<std::string> path;
        MenuChoice choice;
        UINT command;
    } cases[] = {
        {{"Edit", "Cut"}, MenuChoice::Chosen, 20},
        {{"Edit", "1 A&B"}, MenuChoice::Chosen, 40},
        {{"Edit", "Copy"}, MenuChoice::Disabled, 0},
        {{"File", "Open"}, MenuChoice::Disabled, 0},
        {{"Edit", "Paste"}, MenuChoice::NotFound, 0},
        {{"File", "Recent"}, MenuChoice::NotFound, 0},
        {{"&File", "&Open"}, MenuChoice::NotFound, 0},
        {{"Cut"}, MenuChoice::NotFound, 0},
        {{}, MenuChoice::NotFound, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path));
        received.clear();
        EXPECT_EQ(native::ChooseMenuPath(hwnd, c.path), c.choice);
        std::vector<Received> commands;
        if (c.command != 0)
            commands.push_back({hwnd, WM_COMMAND, c.command, 0});
        EXPECT_EQ(Only({WM_COMMAND}), commands);
    }

    EnableMenuItem(bar, 1, MF_BYPOSITION | MF_GRAYED);
    EXPECT_EQ(native::ChooseMenuPath(hwnd, {"Edit", "Cut"}), MenuChoice::Disabled);
    EnableMenuItem(bar, 1, MF_BYPOSITION | MF_ENABLED);
    EnableWindow(hwnd, FALSE);
    received.clear();
    EXPECT_EQ(native::ChooseMenuPath(hwnd, {"Edit", "Cut"}), MenuChoice::Disabled);
    EXPECT_THAT(Only({WM_INITMENU, WM_COMMAND}), ElementsAre()) << "a disabled window opens none";
}

TEST_F(PlatformMenuTest, ReadingTheBarShowsTheStatesTheUpdatesGave) {
    HWND hwnd = WindowWithBar();
    opening[file] = [&] { EnableMenuItem(file, 10, MF_GRAYED); };
    opening[recent] = [&] { CheckMenuItem(recent, 12, MF_CHECKED); };
    EXPECT_TRUE(native::DescribeMenu(bar)[0].children[0].enabled) << "describing updates nothing";

    std::vector<native::MenuItemInfo> items = native::ReadMenuBar(hwnd);
    EXPECT_THAT(Only({WM_INITMENU, WM_INITMENUPOPUP}),
                ElementsAre(Received{hwnd, WM_INITMENU, AsWParam(bar), 0},
                            Received{hwnd, WM_INITMENUPOPUP, AsWParam(file), PopupAt(0)},
                            Received{hwnd, WM_INITMENUPOPUP, AsWParam(recent), PopupAt(2)},
                            Received{hwnd, WM_INITMENUPOPUP, AsWParam(edit), PopupAt(1)}));
    ASSERT_EQ(items.size(), 2u);
    const auto& fileItems = items[0].children;
    ASSERT_EQ(fileItems.size(), 3u);
    EXPECT_FALSE(fileItems[0].enabled);
    EXPECT_TRUE(fileItems[2].children[1].checked);
    EXPECT_FALSE(fileItems[2].children[0].checked);
    EXPECT_FALSE(items[1].children[1].enabled);
    EXPECT_TRUE(native::ReadMenuBar(TopLevel()).empty());
}

TEST_F(PlatformMenuTest, DisplayTextDropsTheMnemonicMarks) {
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {{"&File", "File"}, {"A&&B", "A&B"}, {"&&&x", "&x"}, {"x&", "x"}, {"", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(native::MenuDisplayText(c.stored), c.shown) << c.stored;
    }
}

} // namespace
