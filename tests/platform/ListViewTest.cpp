#include "ListViewTestSupport.h"

using namespace list_view_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

TEST_F(ListViewTest, ClassIsThereAfterResetAndInitialisingIsHarmless) {
    WNDCLASSA info;
    EXPECT_TRUE(GetClassInfoA(nullptr, WC_LISTVIEW, &info));
    InitCommonControls();
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    EXPECT_TRUE(InitCommonControlsEx(&init));
    init.dwSize = 0;
    EXPECT_FALSE(InitCommonControlsEx(&init));
    Create(1);
    EXPECT_EQ(native::GetClassNameOf(list), "SysListView32");
}

struct StateCase {
    const char* name;
    std::vector<std::pair<int, UINT>> initial;
    int index;
    UINT state;
    UINT mask;
    BOOL result;
    std::vector<StateNotice> notices;
};

// The parent is asked before each item's change and told after it; an item given what it
// has already is asked about and not told of. The item that loses the focus is told of
// between the two notices of the item that takes it.
TEST_F(ListViewTest, EveryStateChangeIsAskedBeforeAndToldAfter) {
    const UINT DROP = LVIS_DROPHILITED;
    const UINT CUT = LVIS_CUT;
    const UINT ING = LVN_ITEMCHANGING;
    const UINT ED = LVN_ITEMCHANGED;
    const StateCase cases[] = {
        {"select", {}, 1, SEL, SEL, TRUE, {{ING, 1, 0, SEL}, {ED, 1, 0, SEL}}},
        {"select again", {{1, SEL}}, 1, SEL, SEL, TRUE, {{ING, 1, SEL, SEL}}},
        {"focus moves",
         {{0, FOC | SEL}},
         2,
         FOC,
         FOC,
         TRUE,
         {{ING, 2, 0, FOC}, {ING, 0, FOC | SEL, SEL}, {ED, 0, FOC | SEL, SEL}, {ED, 2, 0, FOC}}},
        {"clear all",
         {{0, SEL}, {2, SEL | FOC}},
         -1,
         0,
         SEL,
         TRUE,
         {{ING, 0, SEL, 0},
          {ED, 0, SEL, 0},
          {ING, 1, 0, 0},
          {ING, 2, SEL | FOC, FOC},
          {ED, 2, SEL | FOC, FOC},
          {ING, 3, 0, 0}}},
        {"clear all, none selected", {{1, FOC}}, -1, 0, SEL, TRUE, {}},
        {"focus all refused", {}, -1, FOC, FOC, FALSE, {}},
        {"unfocus all",
         {{3, FOC}},
         -1,
         0,
         FOC,
         TRUE,
         {{ING, 0, 0, 0}, {ING, 1, 0, 0}, {ING, 2, 0, 0}, {ING, 3, FOC, 0}, {ED, 3, FOC, 0}}},
        {"highlight and cut",
         {{1, SEL}},
         1,
         DROP | CUT,
         DROP | CUT,
         TRUE,
         {{ING, 1, SEL, SEL | DROP | CUT}, {ED, 1, SEL, SEL | DROP | CUT}}},
        {"mask limits",
         {{2, SEL}},
         2,
         FOC,
         FOC | SEL,
         TRUE,
         {{ING, 2, SEL, FOC}, {ED, 2, SEL, FOC}}},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(4);
        for (auto [index, state] : c.initial) {
            SetState(index, state, state);
        }
        notices.clear();

        EXPECT_EQ(SetState(c.index, c.state, c.mask), c.result);
        EXPECT_EQ(StateNotices(), c.notices);
        DestroyWindow(list);
    }
    // A single-selection list refuses to select every item.
    Create(3, LVS_SINGLESEL);
    EXPECT_FALSE(SetState(-1, SEL, SEL));
    EXPECT_THAT(Having(SEL), IsEmpty());
}

TEST_F(ListViewTest, NoticeNamesControlItemDataAndWhatChanged) {
    Create(3);
    SetState(1, SEL, SEL);
    ASSERT_EQ(notices.size(), 2u);
    const Notice& n = notices[1];
    EXPECT_EQ(n.from, list);
    EXPECT_EQ(n.id, static_cast<std::uintptr_t>(kId));
    EXPECT_EQ(n.wParam, static_cast<WPARAM>(kId));
    EXPECT_EQ(n.changed, LVIF_STATE);
    EXPECT_EQ(n.data, 101);
}

TEST_F(ListViewTest, ParentMayRefuseAChange) {
    Create(3);
    answer = [](const NMLISTVIEW& n) { return n.hdr.code == LVN_ITEMCHANGING ? 1 : 0; };
    EXPECT_FALSE(SetState(1, SEL, SEL));
    EXPECT_THAT(Having(SEL), IsEmpty());
    EXPECT_THAT(Codes(), ElementsAre(LVN_ITEMCHANGING));
}

struct FieldCase {
    const char* name;
    UINT mask;
    const char* text;
    LPARAM data;
    UINT changed; // 0: asked about, not told of
};

TEST_F(ListViewTest, SetItemTellsOfTheFieldsThatChanged) {
    const FieldCase cases[] = {
        {"text", LVIF_TEXT, "New", 0, LVIF_TEXT},
        {"same text", LVIF_TEXT, "Item 1", 0, 0},
        {"several", LVIF_TEXT | LVIF_PARAM | LVIF_STATE, "X", 7,
         LVIF_TEXT | LVIF_PARAM | LVIF_STATE},
        {"one of several", LVIF_TEXT | LVIF_PARAM, "Item 1", 7, LVIF_PARAM},
    };
    Create(3);
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        Send(LVM_DELETEALLITEMS);
        Insert(0);
        Insert(1);
        notices.clear();
        LVITEMA item{};
        item.mask = c.mask;
        item.iItem = 1;
        item.pszText = const_cast<char*>(c.text);
        item.lParam = c.data;
        item.state = SEL;
        item.stateMask = SEL;
        EXPECT_TRUE(Send(LVM_SETITEMA, 0, &item));
        if (c.changed == 0) {
            EXPECT_THAT(Codes(), ElementsAre(LVN_ITEMCHANGING));
            EXPECT_EQ(notices[0].changed, c.mask) << "the fields given";
        } else {
            ASSERT_THAT(Codes(), ElementsAre(LVN_ITEMCHANGING, LVN_ITEMCHANGED));
            EXPECT_EQ(notices[0].changed, c.changed);
            EXPECT_EQ(notices[1].changed, c.changed);
        }
    }
}

struct NextCase {
    int start;
    UINT flags;
    int expected;
};

TEST_F(ListViewTest, GetNextItemSearchesByDirectionAndStates) {
    for (DWORD style : {DWORD{0}, static_cast<DWORD>(LVS_OWNERDATA)}) {
        SCOPED_TRACE(style != 0 ? "owner data" : "items");
        Create(6, style);
        SetState(0, FOC, FOC);
        SetState(1, SEL, SEL);
        SetState(3, SEL | LVIS_CUT, SEL | LVIS_CUT);
        SetState(4, LVIS_DROPHILITED, LVIS_DROPHILITED);
        SetState(5, SEL, SEL);
        if (style != 0) {
            // An owner-data list keeps selection and focus only: its parent holds the rest.
            EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_DROPHILITED), -1);
            parentStates = {{3, LVIS_CUT}, {4, LVIS_DROPHILITED}};
            Send(LVM_SETCALLBACKMASK, LVIS_CUT | LVIS_DROPHILITED);
            EXPECT_EQ(Send(LVM_GETITEMSTATE, 3, SEL | LVIS_CUT | FOC), SEL | LVIS_CUT);
        }
        const NextCase cases[] = {
            {-1, LVNI_ALL, 0},
            {0, LVNI_ALL, 1},
            {5, LVNI_ALL, -1},
            {-1, LVNI_SELECTED, 1},
            {1, LVNI_SELECTED, 3},
            {3, LVNI_SELECTED, 5},
            {5, LVNI_SELECTED, -1},
            {-1, LVNI_FOCUSED, 0},
            {-1, LVNI_SELECTED | LVNI_CUT, 3},
            {-1, LVNI_DROPHILITED, 4},
            {4, LVNI_ABOVE | LVNI_SELECTED, 3},
            {3, LVNI_ABOVE, 2},
            {0, LVNI_ABOVE, -1},
            {-1, LVNI_ABOVE, -1},
            {2, LVNI_BELOW | LVNI_SELECTED, 3},
            {2, LVNI_TORIGHT, -1},
        };
        for (const NextCase& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "start " << c.start << " flags 0x" << std::hex << c.flags);
            EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(c.start), c.flags), c.expected);
        }
        EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 3);
        DestroyWindow(list);
    }
}

TEST_F(ListViewTest, AnOwnerDataListAsksForItsItemsAndKeepsStatesAtTheirIndexes) {
    Create(40, LVS_OWNERDATA, 200);
    char text[8];
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    EXPECT_EQ(Send(LVM_GETITEMTEXTA, 12, &item), 7);
    EXPECT_STREQ(text, "Item 12"); // "Item 12.1" cut to the caller's buffer
    item.mask = LVIF_IMAGE;
    item.iItem = 13;
    item.iSubItem = 0;
    ASSERT_TRUE(Send(LVM_GETITEMA, 0, &item));
    EXPECT_EQ(item.iImage, 1);
    // States go through LVM_SETITEMSTATE only.
    item.mask = LVIF_STATE;
    item.state = SEL;
    item.stateMask = SEL;
    EXPECT_FALSE(Send(LVM_SETITEMA, 0, &item));
    EXPECT_THAT(Having(SEL), IsEmpty());

    SetState(3, SEL, SEL);
    SetState(30, SEL | FOC, SEL | FOC);
    Send(LVM_ENSUREVISIBLE, 30, FALSE);
    const int page = Page();
    EXPECT_EQ(Top(), 30 - page + 1);
    Send(LVM_SETITEMCOUNT, 20); // states past the end go, the others stay where they are
    EXPECT_THAT(Having(SEL), ElementsAre(3));
    EXPECT_EQ(Focused(), -1);
    EXPECT_EQ(Top(), 20 - page);
    Send(LVM_SETITEMCOUNT, 40);
    EXPECT_THAT(Having(SEL), ElementsAre(3));

    // A change of every item is one notice, for item -1; an owner-data list asks nobody
    // before it changes a state, so a refusal would not stop it.
    notices.clear();
    answer = [](const NMLISTVIEW&) { return 1; };
    SetState(-1, SEL, SEL);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, 0, SEL}));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 40);
    SetState(-1, SEL, SEL); // told again, though every item is selected already
    SetState(-1, 0, SEL);
    SetState(5, SEL, SEL);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, 0, SEL},
                                            StateNotice{LVN_ITEMCHANGED, -1, 0, SEL},
                                            StateNotice{LVN_ITEMCHANGED, -1, SEL, 0},
                                            StateNotice{LVN_ITEMCHANGED, 5, 0, SEL}));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 1);

    // An insertion counts one item more.
    answer = nullptr;
    DestroyWindow(list);
    Create(0, LVS_OWNERDATA);
    EXPECT_EQ(Insert(0), 0);
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 1);
}

// Clicks on an owner-data list change many items with few notices: a click deselects every
// item at once, a range selected with Shift is one LVN_ODSTATECHANGED.
TEST_F(ListViewTest, AnOwnerDataListTellsOfManyItemsInOneNotice) {
    Create(7, LVS_OWNERDATA);
    Click(1, 0);
    Click(2, MK_CONTROL);
    notices.clear();
    Click(4, 0);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, SEL, 0},
                                            StateNotice{LVN_ITEMCHANGED, 2, FOC, 0},
                                            StateNotice{LVN_ITEMCHANGED, 4, 0, SEL | FOC}));
    notices.clear();
    Click(6, MK_SHIFT);
    ASSERT_GE(notices.size(), 2u);
    EXPECT_EQ(notices[0].code, LVN_ITEMCHANGED);
    EXPECT_EQ(notices[0].item, -1);
    EXPECT_EQ(notices[1].code, LVN_ODSTATECHANGED);
    EXPECT_EQ(notices[1].item, 4);
    EXPECT_EQ(notices[1].changed, 6u);
    EXPECT_EQ(notices[1].newState, SEL);
    EXPECT_EQ(Having(SEL), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(std::count_if(notices.begin(), notices.end(),
                            [](const Notice& n) { return n.code == LVN_ITEMCHANGING; }),
              0);
}

struct ShiftCase {
    const char* name;
    bool insert;
    int index;
    int result;
    std::vector<int> selected;
    int focus;
    int mark;
};

TEST_F(ListViewTest, FocusSelectionAndMarkMoveWithTheirItems) {
    const ShiftCase cases[] = {
        {"insert at front", true, 0, 0, {2, 4}, 4, 4},
        {"insert between", true, 2, 2, {1, 4}, 4, 4},
        {"append past the end", true, 99, 5, {1, 3}, 3, 3},
        {"delete before", false, 0, TRUE, {0, 2}, 2, 2},
        {"delete the focus", false, 3, TRUE, {1}, 3, 3}, // to the next item
        {"delete after", false, 4, TRUE, {1, 3}, 3, 3},
        {"delete nothing", false, 5, FALSE, {1, 3}, 3, 3},
    };
    for (const ShiftCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(5);
        SetState(1, SEL, SEL);
        SetState(3, SEL | FOC, SEL | FOC);
        Send(LVM_SETSELECTIONMARK, 0, 3);
        notices.clear();

        LRESULT result = c.insert ? Insert(c.index) : Send(LVM_DELETEITEM, c.index);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(Having(SEL), c.selected);
        EXPECT_EQ(Focused(), c.focus);
        EXPECT_EQ(Send(LVM_GETSELECTIONMARK), c.mark);
        // An item deleted first gives up its states, with their notices.
        if (c.result != FALSE) {
            ASSERT_FALSE(notices.empty());
            EXPECT_EQ(notices.back().code, c.insert ? LVN_INSERTITEM : LVN_DELETEITEM);
            EXPECT_EQ(notices.back().item, c.insert ? c.result : c.index);
        }
        DestroyWindow(list);
    }
}

TEST_F(ListViewTest, DeletingAllNoticesEachItemUnlessTheParentDeclines) {
    for (LRESULT declines : {0, 1}) {
        SCOPED_TRACE(declines);
        Create(3);
        Send(LVM_SETSELECTIONMARK, 0, 1);
        answer = [&](const NMLISTVIEW& n) {
            return n.hdr.code == LVN_DELETEALLITEMS ? declines : 0;
        };
        EXPECT_TRUE(Send(LVM_DELETEALLITEMS));
        if (declines != 0) {
            EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS));
        } else {
            // Each item once, in an order of the list's choosing.
            EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM,
                                             LVN_DELETEITEM));
            std::vector<LPARAM> data;
            for (std::size_t i = 1; i < notices.size(); ++i) {
                data.push_back(notices[i].data);
            }
            EXPECT_THAT(data, UnorderedElementsAre(100, 101, 102));
        }
        EXPECT_EQ(Send(LVM_GETITEMCOUNT), 0);
        EXPECT_EQ(Send(LVM_GETSELECTIONMARK), -1);
        answer = nullptr;
        DestroyWindow(list);
    }
}

TEST_F(ListViewTest, DestroyingDeletesItemsAndImageListsUnlessShared) {
    for (DWORD style : {DWORD{0}, DWORD{LVS_SHAREIMAGELISTS}}) {
        SCOPED_TRACE(style);
        Create(2, style);
        HIMAGELIST images = SetSmallImages(16, 16);
        DestroyWindow(list);
        EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM));
        EXPECT_EQ(ImageList_Destroy(images), style != 0 ? TRUE : FALSE);
    }
}

TEST_F(ListViewTest, ColumnsKeepTheirSettingsAndSubItemsMoveWithThem) {
    Create(1);
    EXPECT_EQ(AddColumn(99, "Size", 70, LVCFMT_RIGHT), 2);
    EXPECT_EQ(AddColumn(0, "First", 40, LVCFMT_RIGHT), 0);
    EXPECT_TRUE(Send(LVM_DELETECOLUMN, 0));

    char text[8];
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(Send(LVM_GETCOLUMNA, 2, &column));
    EXPECT_STREQ(text, "Size");
    EXPECT_EQ(column.cx, 70);
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);

    auto setText = [&](int subItem, const char* value) {
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = const_cast<char*>(value);
        return Send(LVM_SETITEMTEXTA, 0, &item);
    };
    auto getText = [&](int subItem) {
        char buffer[32];
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        Send(LVM_GETITEMTEXTA, 0, &item);
        return std::string(buffer);
    };
    EXPECT_TRUE(setText(1, "p"));
    EXPECT_TRUE(setText(2, "s"));
    EXPECT_FALSE(setText(3, "no column"));
    AddColumn(1, "Inserted", 30);
    EXPECT_EQ(getText(0) + "|" + getText(1) + "|" + getText(2) + "|" + getText(3), "Item 0||p|s");
    Send(LVM_DELETECOLUMN, 1);
    EXPECT_EQ(getText(1) + "|" + getText(2), "p|s");

    // Fitted to the widest label and the room left after it; with the header, to the
    // heading where that is wider.
    auto widthOf = [&](const char* text) {
        return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, text));
    };
    EXPECT_EQ(widthOf(""), 0);
    EXPECT_GT(widthOf("Item 0"), 0);
    EXPECT_EQ(widthOf("Item 0Item 0"), 2 * widthOf("Item 0"));
    auto fit = [&](int column, int how) {
        EXPECT_TRUE(Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                         MAKELONG(static_cast<WORD>(how), 0)));
        return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    };
    EXPECT_EQ(fit(0, LVSCW_AUTOSIZE), widthOf("Item 0") + 12);
    EXPECT_EQ(fit(1, LVSCW_AUTOSIZE), widthOf("p") + 12);
    EXPECT_GT(fit(1, LVSCW_AUTOSIZE_USEHEADER), widthOf("Position"));
}

} // namespace
