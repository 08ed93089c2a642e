#include "dialogs/CustomizeRules.h"

#include <gtest/gtest.h>

namespace {

const char* const kHeaders[] = {"Label",        "Position",       "Size",     "Output Slot",
                                "Output Value", "Position(Rel.)", "Pad Name", "Connection",
                                "Group Depth",  "Pad ID"};

bool Header(int id, std::string& text) {
    if (id < 0 || id >= kMaxColumns)
        return false;
    text = kHeaders[id];
    return true;
}

ColumnSet Set(std::initializer_list<int> ids) {
    ColumnSet set;
    set.columnCount = static_cast<int>(ids.size());
    int i = 0;
    for (int id : ids)
        set.columnIds[i++] = id;
    return set;
}

CustomizeLists Lists(std::initializer_list<int> shown) {
    CustomizeLists lists;
    InitCustomizeLists(lists, Set(shown), Header);
    return lists;
}

std::vector<int> Ids(const ColumnSet& set) {
    return std::vector<int>(set.columnIds, set.columnIds + set.columnCount);
}
std::vector<int> Widths(const ColumnSet& set) {
    return std::vector<int>(set.columnWidths, set.columnWidths + set.columnCount);
}

TEST(CustomizeRulesTest, InitialisationStopsAtAHeaderThatDoesNotLoad) {
    CustomizeLists lists = Lists({0, 2, 10, 7});
    EXPECT_EQ(lists.items.size(), 10u);
    EXPECT_EQ(lists.displayed, (std::vector<std::string>{"Label", "Size"}));
    CustomizeButtons buttons = CustomizeButtonStates(lists);
    EXPECT_FALSE(buttons.add || buttons.remove || buttons.up || buttons.down);
}

TEST(CustomizeRulesTest, ButtonStatesFollowBothSelections) {
    struct Case {
        std::initializer_list<int> shown;
        int s, d;
        bool add, remove, up, down;
    } cases[] = {
        {{0, 1, 2}, 0, -1, false, false, false, false}, // Label is never addable
        {{0, 1, 2}, 1, -1, false, false, false, false}, // shown already
        {{0, 1, 2}, 6, -1, true, false, false, false},
        {{0, 4}, -1, 1, false, true, false, false}, // the second of two
        {{0, 4, 5, 6}, -1, 2, false, true, true, true},
        {{0, 4, 5, 6}, -1, 0, false, false, false, false},
        {{0, 4, 5, 6}, -1, 3, false, true, true, false},
    };
    for (const Case& c : cases) {
        CustomizeLists lists = Lists(c.shown);
        lists.itemSelection = c.s;
        lists.displayedSelection = c.d;
        CustomizeButtons b = CustomizeButtonStates(lists);
        EXPECT_EQ((std::vector<bool>{b.add, b.remove, b.up, b.down}),
                  (std::vector<bool>{c.add, c.remove, c.up, c.down}))
            << "s " << c.s << " d " << c.d;
    }
}

TEST(CustomizeRulesTest, ButtonsChangeTheDisplayedList) {
    CustomizeLists lists = Lists({0, 1});
    lists.itemSelection = 9;
    PressCustomizeButton(lists, CustomizeButton::Add);
    PressCustomizeButton(lists, CustomizeButton::Add); // refused the second time
    EXPECT_EQ(lists.displayed, (std::vector<std::string>{"Label", "Position", "Pad ID"}));
    lists.displayedSelection = 2;
    PressCustomizeButton(lists, CustomizeButton::Up);
    PressCustomizeButton(lists, CustomizeButton::Up); // nothing moves above Label
    EXPECT_EQ(lists.displayedSelection, 1);
    PressCustomizeButton(lists, CustomizeButton::Down);
    EXPECT_EQ(lists.displayed, (std::vector<std::string>{"Label", "Position", "Pad ID"}));
    PressCustomizeButton(lists, CustomizeButton::Delete);
    EXPECT_EQ(lists.displayed, (std::vector<std::string>{"Label", "Position"}));
    EXPECT_EQ(lists.displayedSelection, -1);
    lists.displayedSelection = 0;
    PressCustomizeButton(lists, CustomizeButton::Delete);
    EXPECT_EQ(lists.displayed.size(), 2u);
}

TEST(CustomizeRulesTest, OkKeepsTheWidthOfEveryColumnThatStays) {
    const int current[] = {150, 80, 60};
    ColumnSet set = Set({0, 2, 7});
    CustomizeLists lists = Lists({0, 2, 7});
    PressCustomizeButton(lists, CustomizeButton::Clear);
    ASSERT_TRUE(ApplyDisplayedColumns(lists, current, 0, set));
    EXPECT_EQ(Ids(set), std::vector<int>{0});
    EXPECT_EQ(Widths(set), std::vector<int>{150});

    set = Set({0, 2, 7});
    PressCustomizeButton(lists, CustomizeButton::Reset);
    ASSERT_TRUE(ApplyDisplayedColumns(lists, current, 0, set));
    EXPECT_EQ(Ids(set), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Widths(set), (std::vector<int>{150, -1, 80, -1, -1}));

    // A results list keeps its first column as it is; a stored identifier 10 has no width.
    set = Set({0, 10, 9});
    set.columnWidths[0] = -1;
    lists.displayed = {"Label", "Pad ID", "Size"};
    ASSERT_TRUE(ApplyDisplayedColumns(lists, current, 1, set));
    EXPECT_EQ(Ids(set), (std::vector<int>{0, 9, 2}));
    EXPECT_EQ(Widths(set), (std::vector<int>{-1, 60, -1}));

    lists.displayed.clear();
    EXPECT_FALSE(ApplyDisplayedColumns(lists, current, 0, set));
    EXPECT_EQ(set.columnCount, 3);
}

TEST(CustomizeRulesTest, AColumnIsFoundByTheBeginningOfItsText) {
    std::vector<std::string> items(std::begin(kHeaders), std::end(kHeaders));
    EXPECT_EQ(FindCustomizeItem(items, "Position"), 1);
    EXPECT_EQ(FindCustomizeItem(items, "position(rel"), 5);
    EXPECT_EQ(FindCustomizeItem(items, "Label"), 0);
    EXPECT_EQ(FindCustomizeItem(items, "Memo"), -1);
    std::vector<std::string> japanese = {"\xd7\xcd\xde\xd9\x96\xbc", "\x88\xca\x92\x75",
                                         "\x88\xca\x92\x75(\x91\x8a\x91\xce)"};
    EXPECT_EQ(FindCustomizeItem(japanese, "\x88\xca\x92\x75"), 1);
}

} // namespace
