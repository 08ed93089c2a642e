#include "dialogs/CustomizeRules.h"

#include <gtest/gtest.h>

namespace {

const char* const kHeaders[] = {"Label",        "Position",       "Size",     "Output Slot",
                                "Output Value", "Position(Rel.)", "Pad Name", "Connection",
                                "Group Depth",  "Pad ID"};

// A set of (id, width) pairs, and the lists the dialog opens with for it.
using Columns = std::vector<std::pair<int, int>>;

ColumnSet Set(const Columns& columns) {
    ColumnSet set;
    set.columnCount = static_cast<int>(columns.size());
    for (size_t i = 0; i < columns.size(); ++i) {
        set.columnIds[i] = columns[i].first;
        set.columnWidths[i] = columns[i].second;
    }
    return set;
}

CustomizeLists Lists(const Columns& shown) {
    CustomizeLists lists;
    InitCustomizeLists(lists, Set(shown), [](int id, std::string& text) {
        bool known = id >= 0 && id < kMaxColumns;
        text = known ? kHeaders[id] : text;
        return known;
    });
    return lists;
}

TEST(CustomizeRulesTest, ButtonStatesFollowBothSelections) {
    struct Case {
        Columns shown;
        int s, d;
        bool add, remove, up, down;
    } cases[] = {
        {{{0, 0}, {1, 0}}, 0, -1, false, false, false, false}, // Label is never addable
        {{{0, 0}, {1, 0}}, 1, -1, false, false, false, false}, // shown already
        {{{0, 0}, {1, 0}}, 6, -1, true, false, false, false},
        {{{0, 0}, {4, 0}}, -1, 1, false, true, false, false}, // the second of two
        {{{0, 0}, {4, 0}, {5, 0}}, -1, 1, false, true, false, true},
        {{{0, 0}, {4, 0}, {5, 0}}, -1, 2, false, true, true, false},
        {{{0, 0}, {4, 0}, {5, 0}}, -1, 0, false, false, false, false},
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

TEST(CustomizeRulesTest, ButtonsChangeTheDisplayedListAndOkTheSet) {
    const int current[] = {150, 80, 60};
    struct Case {
        const char* name;
        Columns before;
        std::vector<std::pair<CustomizeButton, int>> presses; // with the selection to press on
        int first;
        Columns after;
    } cases[] = {
        {"Clear", {{0, -1}, {2, -1}, {7, -1}}, {{CustomizeButton::Clear, -1}}, 0, {{0, 150}}},
        {"Reset",
         {{0, -1}, {2, -1}, {7, -1}},
         {{CustomizeButton::Reset, -1}},
         0,
         {{0, 150}, {1, -1}, {2, 80}, {3, -1}, {4, -1}}},
        // A results list keeps its first column; a stored identifier 10 has no width here.
        {"Results",
         {{0, -1}, {10, -1}, {9, -1}},
         {{CustomizeButton::Reset, -1}},
         1,
         {{0, -1}, {1, -1}, {2, -1}, {3, -1}, {4, -1}}},
    };
    for (const Case& c : cases) {
        CustomizeLists lists = Lists(c.before);
        for (auto [button, selection] : c.presses) {
            lists.itemSelection = button == CustomizeButton::Add ? selection : -1;
            if (button != CustomizeButton::Add)
                lists.displayedSelection = selection;
            PressCustomizeButton(lists, button);
        }
        ColumnSet set = Set(c.before);
        ASSERT_TRUE(ApplyDisplayedColumns(lists, current, c.first, set)) << c.name;
        Columns after;
        for (int i = 0; i < set.columnCount; ++i)
            after.emplace_back(set.columnIds[i], set.columnWidths[i]);
        EXPECT_EQ(after, c.after) << c.name;
    }
    // A header that does not load ends the filling; nothing displayed leaves the set alone.
    CustomizeLists partial = Lists({{0, -1}, {10, -1}, {2, -1}});
    EXPECT_EQ(partial.displayed, std::vector<std::string>{"Label"});
    partial.displayed.clear();
    ColumnSet set = Set({{0, 1}});
    EXPECT_FALSE(ApplyDisplayedColumns(partial, current, 0, set));
}

} // namespace
