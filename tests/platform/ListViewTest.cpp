#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

using namespace native_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// RECT lives in the global namespace, where comparisons must be found.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const RECT& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

constexpr int kId = 7;
constexpr int kHeader = 20;
constexpr int kRow = 17;
constexpr UINT SEL = LVIS_SELECTED;
constexpr UINT FOC = LVIS_FOCUSED;

struct Notice {
    UINT code;
    int item;
    UINT oldState;
    UINT newState;
    UINT changed;
    LPARAM data;
    HWND from;
    std::uintptr_t id;
    WPARAM wParam;
};

using StateNotice = std::tuple<UINT, int, UINT, UINT>;

class ListViewTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        parent = TopLevel();
        reply = [this](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (msg != WM_NOTIFY) {
                return std::nullopt;
            }
            if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_GETDISPINFOA) {
                LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
                Describe(item);
                if ((item.mask & LVIF_STATE) != 0) {
                    item.state = parentStates[item.iItem] & item.stateMask;
                }
                return 0;
            }
            if (reinterpret_cast<const NMHDR*>(lParam)->code == LVN_ODSTATECHANGED) {
                // A range: its first item, and its last one where `changed` stands.
                const auto& r = *reinterpret_cast<const NMLVODSTATECHANGE*>(lParam);
                notices.push_back({r.hdr.code, r.iFrom, r.uOldState, r.uNewState,
                                   static_cast<UINT>(r.iTo), 0, r.hdr.hwndFrom, r.hdr.idFrom,
                                   wParam});
                return 0;
            }
            const auto& n = *reinterpret_cast<const NMLISTVIEW*>(lParam);
            notices.push_back({n.hdr.code, n.iItem, n.uOldState, n.uNewState, n.uChanged, n.lParam,
                               n.hdr.hwndFrom, n.hdr.idFrom, wParam});
            return answer ? answer(n) : 0;
        };
    }

    // Columns of 100 and 50 pixels and `count` items "Item i" with data 100 + i.
    void Create(int count, DWORD style = 0, int height = kHeader + kRow * 5) {
        list = CreateWindowExA(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, 0, 0,
                               300, height, parent, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        AddColumn(0, "Label", 100);
        AddColumn(1, "Position", 50);
        if ((style & LVS_OWNERDATA) != 0) {
            Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count));
        }
        for (int i = 0; (style & LVS_OWNERDATA) == 0 && i < count; ++i) {
            ASSERT_EQ(Insert(i), i);
        }
        notices.clear();
    }

    // The states the parent of an owner-data list keeps, by item.
    std::map<int, UINT> parentStates;

    // What the parent of an owner-data list tells: "Item i" or "Item i.k", data 100 + i.
    static void Describe(LVITEMA& item) {
        std::string text = "Item " + std::to_string(item.iItem);
        if (item.iSubItem != 0) {
            text += "." + std::to_string(item.iSubItem);
        }
        if ((item.mask & LVIF_TEXT) != 0) {
            text.resize(std::min<size_t>(text.size(), static_cast<size_t>(item.cchTextMax - 1)));
            std::copy(text.c_str(), text.c_str() + text.size() + 1, item.pszText);
        }
        item.iImage = item.iItem % 3;
        item.lParam = 100 + item.iItem;
    }

    int AddColumn(int index, const char* text, int width, int fmt = LVCFMT_LEFT) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<char*>(text);
        column.cx = width;
        column.fmt = fmt;
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), &column));
    }

    int Insert(int index) {
        std::string text = "Item " + std::to_string(index);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index;
        item.pszText = text.data();
        item.lParam = 100 + index;
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, &item));
    }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(list, msg, wParam, lParam);
    }
    template <typename T> LRESULT Send(UINT msg, WPARAM wParam, T* data) {
        return Send(msg, wParam, reinterpret_cast<LPARAM>(data));
    }

    HIMAGELIST SetSmallImages(int cx, int cy, UINT flags = ILC_MASK) {
        HIMAGELIST images = ImageList_Create(cx, cy, flags, 1, 1);
        Send(LVM_SETIMAGELIST, LVSIL_SMALL, images);
        return images;
    }

    BOOL SetState(int index, UINT state, UINT mask) {
        LVITEMA item{};
        item.state = state;
        item.stateMask = mask;
        return static_cast<BOOL>(Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), &item));
    }

    std::vector<int> Having(UINT state) {
        std::vector<int> found;
        for (int i = 0; i < Send(LVM_GETITEMCOUNT); ++i) {
            if (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), state) != 0) {
                found.push_back(i);
            }
        }
        return found;
    }

    int Focused() { return static_cast<int>(Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)); }
    int Top() { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
    void ScrollRows(int rows) { Send(LVM_SCROLL, 0, rows * kRow); }

    std::vector<StateNotice> StateNotices() {
        std::vector<StateNotice> found;
        for (const Notice& n : notices) {
            found.emplace_back(n.code, n.item, n.oldState, n.newState);
        }
        return found;
    }

    std::vector<UINT> Codes() {
        std::vector<UINT> codes;
        for (const Notice& n : notices) {
            codes.push_back(n.code);
        }
        return codes;
    }

    RECT ItemRect(int index, int code) {
        RECT rect;
        rect.left = code;
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), &rect);
        return rect;
    }

    HWND parent = nullptr;
    HWND list = nullptr;
    std::vector<Notice> notices;
    std::function<LRESULT(const NMLISTVIEW&)> answer;
};

LPARAM At(int x, int y) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y)));
}

TEST_F(ListViewTest, ClassIsThereAfterResetAndInitialisingIsHarmless) {
    WNDCLASSA info;
    EXPECT_TRUE(GetClassInfoA(nullptr, WC_LISTVIEW, &info));
    InitCommonControls();
    INITCOMMONCONTROLSEX init;
    init.dwICC = ICC_LISTVIEW_CLASSES;
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
    // (item, old state, new state) of each change, in order.
    std::vector<std::tuple<int, UINT, UINT>> changes;
};

TEST_F(ListViewTest, EveryStateChangeIsAnnouncedBeforeAndAfter) {
    const UINT DROP = LVIS_DROPHILITED;
    const UINT CUT = LVIS_CUT;
    const StateCase cases[] = {
        {"select", {}, 1, SEL, SEL, {{1, 0, SEL}}},
        {"select again", {{1, SEL}}, 1, SEL, SEL, {}},
        {"focus moves", {{0, FOC | SEL}}, 2, FOC, FOC, {{0, FOC | SEL, SEL}, {2, 0, FOC}}},
        {"clear all", {{0, SEL}, {2, SEL | FOC}}, -1, 0, SEL, {{0, SEL, 0}, {2, SEL | FOC, FOC}}},
        {"focus all refused", {}, -1, FOC, FOC, {}},
        {"unfocus all", {{3, FOC}}, -1, 0, FOC, {{3, FOC, 0}}},
        {"highlight and cut", {{1, SEL}}, 1, DROP | CUT, DROP | CUT, {{1, SEL, SEL | DROP | CUT}}},
        {"mask limits", {{2, SEL}}, 2, FOC, FOC | SEL, {{2, SEL, FOC}}},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(4);
        for (auto [index, state] : c.initial) {
            SetState(index, state, state);
        }
        notices.clear();

        EXPECT_TRUE(SetState(c.index, c.state, c.mask));
        std::vector<StateNotice> expected;
        for (auto [item, before, after] : c.changes) {
            expected.emplace_back(LVN_ITEMCHANGING, item, before, after);
            expected.emplace_back(LVN_ITEMCHANGED, item, before, after);
        }
        EXPECT_EQ(StateNotices(), expected);
        DestroyWindow(list);
    }
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
    UINT expectedChanged; // 0: no notice
};

TEST_F(ListViewTest, SetItemAnnouncesTheFieldsThatChanged) {
    const FieldCase cases[] = {
        {"text", LVIF_TEXT, "New", 0, LVIF_TEXT},
        {"same text", LVIF_TEXT, "Item 1", 0, 0},
        {"several", LVIF_TEXT | LVIF_PARAM | LVIF_STATE, "X", 7,
         LVIF_TEXT | LVIF_PARAM | LVIF_STATE},
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
        if (c.expectedChanged == 0) {
            EXPECT_THAT(notices, IsEmpty());
        } else {
            ASSERT_EQ(notices.size(), 2u);
            EXPECT_EQ(notices[1].changed, c.expectedChanged);
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
    Create(40, LVS_OWNERDATA);
    char text[8];
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    EXPECT_EQ(Send(LVM_GETITEMTEXTA, 12, &item), 7);
    EXPECT_STREQ(text, "Item 12"); // "Item 12.1" cut to the caller's buffer
    item.mask = LVIF_PARAM | LVIF_IMAGE;
    item.iItem = 13;
    item.iSubItem = 0;
    ASSERT_TRUE(Send(LVM_GETITEMA, 0, &item));
    EXPECT_EQ(item.lParam, 113);
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(Insert(3), -1); // the count says how many items there are
    EXPECT_FALSE(Send(LVM_DELETEITEM, 3));

    SetState(3, SEL, SEL);
    SetState(30, SEL | FOC, SEL | FOC);
    Send(LVM_ENSUREVISIBLE, 30, FALSE);
    EXPECT_EQ(Top(), 26);
    Send(LVM_SETITEMCOUNT, 20); // states past the end go, the others stay where they are
    EXPECT_THAT(Having(SEL), ElementsAre(3));
    EXPECT_EQ(Focused(), -1);
    EXPECT_EQ(Top(), 15);
    Send(LVM_SETITEMCOUNT, 40);
    EXPECT_THAT(Having(SEL), ElementsAre(3));

    // A change of every item is one notice, for item -1; an owner-data list asks nobody
    // before it changes a state, so a refusal would not stop it.
    notices.clear();
    answer = [](const NMLISTVIEW&) { return 1; };
    SetState(-1, SEL, SEL);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, 0, SEL}));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 40);
    SetState(-1, 0, SEL);
    SetState(5, SEL, SEL);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, 0, SEL},
                                            StateNotice{LVN_ITEMCHANGED, -1, SEL, 0},
                                            StateNotice{LVN_ITEMCHANGED, 5, 0, SEL}));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 1);
}

// Clicks on an owner-data list change many items with few notices: a click deselects every
// item at once, a range selected with Shift is one LVN_ODSTATECHANGED.
TEST_F(ListViewTest, AnOwnerDataListTellsOfManyItemsInOneNotice) {
    Create(7, LVS_OWNERDATA, kHeader + kRow * 10);
    auto click = [&](int row, WPARAM keys) {
        Send(WM_LBUTTONDOWN, keys, At(50, kHeader + kRow * row + 5));
        Send(WM_LBUTTONUP, 0, 0);
    };
    click(1, 0);
    click(2, MK_CONTROL);
    notices.clear();
    click(4, 0);
    EXPECT_THAT(StateNotices(), ElementsAre(StateNotice{LVN_ITEMCHANGED, -1, SEL, 0},
                                            StateNotice{LVN_ITEMCHANGED, 2, FOC, 0},
                                            StateNotice{LVN_ITEMCHANGED, 4, 0, SEL | FOC}));
    notices.clear();
    click(6, MK_SHIFT);
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
        {"delete the focus", false, 3, TRUE, {1}, -1, -1},
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
        if (c.result != FALSE) {
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].code, c.insert ? LVN_INSERTITEM : LVN_DELETEITEM);
            EXPECT_EQ(notices[0].item, c.insert ? c.result : c.index);
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
            EXPECT_THAT(Codes(), ElementsAre(LVN_DELETEALLITEMS, LVN_DELETEITEM, LVN_DELETEITEM,
                                             LVN_DELETEITEM));
            EXPECT_EQ(notices[3].data, 102);
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

struct PageCase {
    DWORD style;
    int height;
    int iconHeight; // 0: no image list
    int page;
};

TEST_F(ListViewTest, CountPerPageIsWholeRowsBelowTheHeader) {
    const PageCase cases[] = {
        {0, 20, 0, 0},
        {0, 36, 0, 0},
        {0, 37, 0, 1},
        {0, 105, 0, 5},
        {0, 121, 0, 5},
        {0, 122, 0, 6},
        {LVS_NOCOLUMNHEADER, 17, 0, 1},
        {LVS_NOCOLUMNHEADER, 85, 0, 5},
        {0, 105, 16, 5},
        {0, 105, 24, 3}, // rows of 25
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " icons " << c.iconHeight);
        Create(10, c.style, c.height);
        if (c.iconHeight != 0) {
            SetSmallImages(16, c.iconHeight);
        }
        EXPECT_EQ(Send(LVM_GETCOUNTPERPAGE), c.page);
        DestroyWindow(list);
    }
}

struct ScrollCase {
    int startTop;
    int dy;
    int top;
};

TEST_F(ListViewTest, ScrollingMovesWholeRowsWithinTheItems) {
    Create(20);
    const ScrollCase cases[] = {
        {0, 8, 0},  {0, 9, 1},  {0, 17, 1},  {0, 25, 1},    {0, 26, 2},
        {3, -8, 3}, {3, -9, 2}, {3, -34, 1}, {0, 1000, 15}, {10, -1000, 0},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.startTop << " by " << c.dy);
        Send(LVM_SCROLL, 0, -10000);
        ScrollRows(c.startTop);
        ASSERT_EQ(Top(), c.startTop);
        EXPECT_TRUE(Send(LVM_SCROLL, 0, c.dy));
        EXPECT_EQ(Top(), c.top);
    }
}

TEST_F(ListViewTest, TopIndexFollowsEnsureVisibleAndStaysWithinAFullLastPage) {
    Create(20);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 10, FALSE));
    EXPECT_EQ(Top(), 6);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 8, FALSE));
    EXPECT_EQ(Top(), 6);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 2, FALSE));
    EXPECT_EQ(Top(), 2);
    EXPECT_FALSE(Send(LVM_ENSUREVISIBLE, 20, FALSE));

    ScrollRows(100);
    ASSERT_EQ(Top(), 15);
    MoveWindow(list, 0, 0, 300, kHeader + kRow * 10, TRUE);
    EXPECT_EQ(Top(), 10);
    for (int i = 19; i >= 12; --i) {
        Send(LVM_DELETEITEM, static_cast<WPARAM>(i));
    }
    EXPECT_EQ(Top(), 2);
}

struct RectCase {
    const char* name;
    int iconWidth; // 0: no image list
    int iconHeight;
    int indent;
    int code;
    RECT expected;
};

TEST_F(ListViewTest, ItemRectsStackUnderTheHeaderFromTheTopIndex) {
    // Item 3 with item 2 at the top: its row starts one row below the header.
    const RectCase cases[] = {
        {"bounds", 16, 16, 0, LVIR_BOUNDS, {0, 37, 150, 54}},
        {"icon", 16, 16, 0, LVIR_ICON, {0, 37, 16, 54}},
        {"label", 16, 16, 0, LVIR_LABEL, {16, 37, 100, 54}},
        {"select bounds", 16, 16, 0, LVIR_SELECTBOUNDS, {0, 37, 100, 54}},
        {"no image list", 0, 0, 0, LVIR_ICON, {0, 37, 0, 54}},
        {"no image list label", 0, 0, 0, LVIR_LABEL, {0, 37, 100, 54}},
        {"indented", 16, 16, 1, LVIR_ICON, {16, 37, 32, 54}},
        {"tall icons", 16, 24, 0, LVIR_BOUNDS, {0, 45, 150, 70}},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(8);
        if (c.iconWidth != 0) {
            SetSmallImages(c.iconWidth, c.iconHeight, 0);
        }
        LVITEMA indent{};
        indent.mask = LVIF_INDENT;
        indent.iItem = 3;
        indent.iIndent = c.indent;
        Send(LVM_SETITEMA, 0, &indent);
        Send(LVM_SCROLL, 0, 2 * std::max(kRow, c.iconHeight + 1));
        ASSERT_EQ(Top(), 2);
        EXPECT_EQ(ItemRect(3, c.code), c.expected);
        DestroyWindow(list);
    }
}

TEST_F(ListViewTest, PositionsSubItemsAndDragImageFollowTheRects) {
    Create(8, 0, kHeader + kRow * 5);
    SetSmallImages(16, 16);
    ScrollRows(2);

    POINT position;
    EXPECT_TRUE(Send(LVM_GETITEMPOSITION, 3, &position));
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, 37);
    EXPECT_EQ(ItemRect(1, LVIR_BOUNDS), (RECT{0, 3, 150, 20}));
    RECT sub;
    sub.top = 1;
    sub.left = LVIR_BOUNDS;
    EXPECT_TRUE(Send(LVM_GETSUBITEMRECT, 3, &sub));
    EXPECT_EQ(sub, (RECT{100, 37, 150, 54}));
    POINT origin{5, 5};
    EXPECT_FALSE(Send(LVM_GETORIGIN, 0, &origin));
    EXPECT_EQ(origin.x + origin.y, 0);

    POINT corner;
    auto image = reinterpret_cast<HIMAGELIST>(Send(LVM_CREATEDRAGIMAGE, 3, &corner));
    ASSERT_NE(image, nullptr);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(image, &cx, &cy);
    EXPECT_EQ(cx, 100);
    EXPECT_EQ(cy, kRow);
    EXPECT_EQ(ImageList_GetImageCount(image), 1);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 37);
    EXPECT_TRUE(ImageList_Destroy(image));
}

struct HitCase {
    const char* name;
    DWORD exStyle;
    POINT point;
    int item;
    UINT flags;
};

TEST_F(ListViewTest, HitTestFindsIconLabelOrWhereThePointLies) {
    // Client 300 x 105, columns 0-100 and 100-150, items 2 to 6 shown.
    const HitCase cases[] = {
        {"icon", 0, {5, 25}, 2, LVHT_ONITEMICON},
        {"label", 0, {50, 25}, 2, LVHT_ONITEMLABEL},
        {"last shown row", 0, {99, 103}, 6, LVHT_ONITEMLABEL},
        {"sub-item", 0, {120, 25}, -1, LVHT_NOWHERE},
        {"sub-item, full row", LVS_EX_FULLROWSELECT, {120, 25}, 2, LVHT_ONITEMLABEL},
        {"past the columns", LVS_EX_FULLROWSELECT, {200, 25}, -1, LVHT_NOWHERE},
        {"header", 0, {50, 10}, -1, LVHT_NOWHERE},
        {"left", 0, {-1, 25}, -1, LVHT_TOLEFT},
        {"right", 0, {300, 25}, -1, LVHT_TORIGHT},
        {"below", 0, {50, 105}, -1, LVHT_BELOW},
        {"above and left", 0, {-1, -3}, -1, LVHT_ABOVE | LVHT_TOLEFT},
    };
    Create(8);
    SetSmallImages(16, 16);
    ScrollRows(2);
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, c.exStyle);
        LVHITTESTINFO hit{};
        hit.pt = c.point;
        EXPECT_EQ(Send(LVM_HITTEST, 0, &hit), c.item);
        EXPECT_EQ(hit.iItem, c.item);
        EXPECT_EQ(hit.flags, c.flags);
    }

    for (int i = 7; i >= 3; --i) {
        Send(LVM_DELETEITEM, static_cast<WPARAM>(i));
    }
    LVHITTESTINFO below{};
    below.pt = POINT{50, kHeader + kRow * 4};
    EXPECT_EQ(Send(LVM_HITTEST, 0, &below), -1);
    EXPECT_EQ(below.flags, LVHT_NOWHERE);
}

struct Click {
    UINT message;
    WPARAM keys;
    int row; // -1: below the items
};

struct MouseCase {
    const char* name;
    DWORD style;
    std::vector<Click> clicks;
    std::vector<int> selected;
    int focus;
    int mark;
};

TEST_F(ListViewTest, ClicksSelectAsTheReportControlDoes) {
    const UINT L = WM_LBUTTONDOWN;
    const UINT R = WM_RBUTTONDOWN;
    const WPARAM C = MK_CONTROL;
    const WPARAM S = MK_SHIFT;
    const MouseCase cases[] = {
        {"click selects alone", 0, {{L, 0, 2}}, {2}, 2, 2},
        {"click moves the selection", 0, {{L, 0, 1}, {L, 0, 3}}, {3}, 3, 3},
        {"ctrl adds", 0, {{L, 0, 1}, {L, C, 3}}, {1, 3}, 3, 3},
        {"ctrl toggles off", 0, {{L, 0, 1}, {L, C, 1}}, {}, 1, 1},
        {"shift selects the range", 0, {{L, 0, 1}, {L, S, 3}}, {1, 2, 3}, 3, 1},
        {"shift upwards", 0, {{L, 0, 4}, {L, S, 2}}, {2, 3, 4}, 2, 4},
        {"shift clears the rest", 0, {{L, 0, 1}, {L, C, 5}, {L, S, 3}}, {3, 4, 5}, 3, 5},
        {"ctrl shift keeps the rest", 0, {{L, 0, 1}, {L, C, 4}, {L, C | S, 6}}, {1, 4, 5, 6}, 6, 6},
        {"click off the items clears", 0, {{L, 0, 1}, {L, C, 3}, {L, 0, -1}}, {}, 3, 3},
        {"ctrl click off the items keeps", 0, {{L, 0, 1}, {L, C, -1}}, {1}, 1, 1},
        {"right on a selected item keeps", 0, {{L, 0, 1}, {L, C, 3}, {R, 0, 1}}, {1, 3}, 1, 3},
        {"right on an unselected item", 0, {{L, 0, 1}, {R, 0, 2}}, {2}, 2, 2},
        {"ctrl right only focuses", 0, {{L, 0, 1}, {R, C, 2}}, {1}, 2, 1},
        {"right off the items clears", 0, {{L, 0, 1}, {R, 0, -1}}, {}, 1, 1},
        {"double click", 0, {{WM_LBUTTONDBLCLK, 0, 2}}, {2}, 2, 2},
        {"single selection ignores shift", LVS_SINGLESEL, {{L, 0, 1}, {L, S, 3}}, {3}, 3, 3},
        {"single selection ctrl", LVS_SINGLESEL, {{L, 0, 1}, {L, C, 3}}, {3}, 3, 3},
    };
    // An owner-data list tells of its changes otherwise, with the same outcome.
    for (DWORD data : {DWORD{0}, DWORD{LVS_OWNERDATA}})
        for (const MouseCase& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(data != 0 ? "owner data" : "items");
            Create(7, c.style | data, kHeader + kRow * 10);
            for (const Click& click : c.clicks) {
                int row = click.row >= 0 ? click.row : 8;
                Send(click.message, click.keys, At(50, kHeader + kRow * row + 5));
                Send(click.message == R ? WM_RBUTTONUP : WM_LBUTTONUP, 0, 0);
            }
            EXPECT_EQ(Having(SEL), c.selected);
            EXPECT_EQ(Focused(), c.focus);
            EXPECT_EQ(Send(LVM_GETSELECTIONMARK), c.mark);
            EXPECT_EQ(GetFocus(), list);
            DestroyWindow(list);
        }
}

struct DragCase {
    const char* name;
    UINT down;
    int row;
    bool upFirst;
    WPARAM moveKeys;
    POINT delta;
    std::vector<UINT> codes;
};

TEST_F(ListViewTest, DragStartsOnceWhenThePressedButtonMovesPastFourPixels) {
    const DragCase cases[] = {
        {"within four pixels", WM_LBUTTONDOWN, 2, false, MK_LBUTTON, {4, -4}, {}},
        {"left drag", WM_LBUTTONDOWN, 2, false, MK_LBUTTON, {5, 0}, {LVN_BEGINDRAG}},
        {"right drag", WM_RBUTTONDOWN, 2, false, MK_RBUTTON, {0, -5}, {LVN_BEGINRDRAG}},
        {"button not down", WM_LBUTTONDOWN, 2, false, 0, {9, 9}, {}},
        {"released", WM_LBUTTONDOWN, 2, true, MK_LBUTTON, {9, 9}, {}},
        {"off the items", WM_LBUTTONDOWN, 8, false, MK_LBUTTON, {9, 9}, {}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(7, 0, kHeader + kRow * 10);
        POINT start{50, kHeader + kRow * c.row + 5};
        Send(c.down, 0, At(start.x, start.y));
        if (c.upFirst) {
            Send(WM_LBUTTONUP, 0, At(start.x, start.y));
        }
        notices.clear();
        for (int repeat = 0; repeat < 2; ++repeat) {
            Send(WM_MOUSEMOVE, c.moveKeys, At(start.x + c.delta.x, start.y + c.delta.y));
        }
        EXPECT_EQ(Codes(), c.codes);
        if (!c.codes.empty()) {
            EXPECT_EQ(notices[0].item, c.row);
            EXPECT_EQ(notices[0].data, 100 + c.row);
        }
        DestroyWindow(list);
    }
}

struct WidthCase {
    Language language;
    const char* text;
    int width;
};

TEST_F(ListViewTest, StringWidthCountsDoubleByteCharactersOfTheCodePage) {
    const WidthCase cases[] = {
        {Language::English, "", 0},
        {Language::English, "Label", 30},
        {Language::Japanese, "Label", 30},
        {Language::Japanese, "\x83\x89\x83\x78\x83\x8b", 36}, // three double-byte characters
        {Language::Japanese, "A\x83\x41", 18},
        {Language::Japanese, "\xB1\xB2", 12}, // half-width katakana
        {Language::Japanese, "ab\x83", 18},   // a lead byte cut off its character
        {Language::English, "\x83\x89", 12},
    };
    Create(0);
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.text);
        native::SetLanguage(c.language);
        EXPECT_EQ(Send(LVM_GETSTRINGWIDTHA, 0, c.text), c.width);
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
    AddColumn(0, "Right", 10, LVCFMT_RIGHT);
    ASSERT_TRUE(Send(LVM_GETCOLUMNA, 0, &column));
    EXPECT_EQ(column.fmt, LVCFMT_LEFT) << "the label column is always left-aligned";
    Send(LVM_DELETECOLUMN, 0);

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

    EXPECT_TRUE(Send(LVM_SETCOLUMNWIDTH, 0, MAKELONG(static_cast<WORD>(LVSCW_AUTOSIZE), 0)));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 0), 6 * 6 + 12);
    EXPECT_TRUE(
        Send(LVM_SETCOLUMNWIDTH, 1, MAKELONG(static_cast<WORD>(LVSCW_AUTOSIZE_USEHEADER), 0)));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 1), 8 * 6 + 12);
}

} // namespace
