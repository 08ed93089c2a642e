// Where the list puts its rows and what lies under a point, and what the mouse does there.
// The header and the rows are as tall as the list's font and icons make them, so the
// places are taken from the list: its header's height and its rows' as it reports them.

#include "ListViewTestSupport.h"

#include <cstdlib>

using namespace list_view_test;

namespace {

struct PageCase {
    DWORD style;
    int iconHeight; // 0: no image list
    int rows;
    int extra; // pixels below the last whole row
};

TEST_F(ListViewTest, CountPerPageIsWholeRowsBelowTheHeader) {
    Create(10);
    const int textRow = RowHeight();
    DestroyWindow(list);
    const PageCase cases[] = {
        {0, 0, 1, 0},
        {0, 0, 1, -1},
        {0, 0, 5, 0},
        {0, 0, 5, -1},
        {0, 0, 6, 0},
        {LVS_NOCOLUMNHEADER, 0, 1, 0},
        {LVS_NOCOLUMNHEADER, 0, 5, -1},
        {0, 16, 5, 0},
        {0, 24, 3, 0},
        {0, 24, 3, -1},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "rows " << c.rows << " extra " << c.extra << " icons " << c.iconHeight);
        Create(10, c.style);
        if (c.iconHeight != 0) {
            SetSmallImages(16, c.iconHeight);
        }
        // A row is as tall as the text's or as the icons and one pixel more.
        EXPECT_EQ(RowHeight(), std::max(textRow, c.iconHeight + 1));
        if ((c.style & LVS_NOCOLUMNHEADER) != 0) {
            EXPECT_EQ(HeaderHeight(), 0);
        } else {
            EXPECT_GT(HeaderHeight(), 0);
        }
        // -1: all but a pixel of the next row.
        int extra = c.extra >= 0 ? c.extra : RowHeight() - 1;
        ResizeToRows(c.rows, extra);
        EXPECT_EQ(Page(), c.rows);
        DestroyWindow(list);
    }
}

struct ScrollCase {
    int startTop;
    int rows;   // upwards when negative
    int halves; // -1, 0 or 1: a pixel short of half a row more, nothing, half a row more
    int top;    // -1: the top of the last page
};

// Vertical scrolling moves whole rows, half a row or more counting as one.
TEST_F(ListViewTest, ScrollingMovesWholeRowsWithinTheItems) {
    Create(20, 0, 120);
    const int row = RowHeight();
    const int half = row - row / 2;
    const ScrollCase cases[] = {
        {0, 0, -1, 0},  {0, 0, 1, 1},  {0, 1, 0, 1},  {0, 1, -1, 1},  {0, 1, 1, 2},
        {3, -0, -1, 3}, {3, -0, 1, 2}, {3, -2, 0, 1}, {0, 60, 0, -1}, {10, -60, 0, 0},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.startTop << " by " << c.rows << " rows "
                                        << c.halves << " halves");
        Send(LVM_SCROLL, 0, -100 * row);
        ScrollRows(c.startTop);
        ASSERT_EQ(Top(), c.startTop);
        // The cases from a later top go upwards.
        int sign = c.startTop > 0 ? -1 : 1;
        int offset = c.halves == 0 ? 0 : (c.halves < 0 ? half - 1 : half);
        EXPECT_TRUE(Send(LVM_SCROLL, 0, sign * (std::abs(c.rows) * row + offset)));
        EXPECT_EQ(Top(), c.top >= 0 ? c.top : 20 - Page());
    }
}

TEST_F(ListViewTest, TopIndexFollowsEnsureVisibleAndStaysWithinAFullLastPage) {
    Create(20, 0, 120);
    const int page = Page();
    ASSERT_GE(page, 3);
    ASSERT_LT(page, 10);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 10, FALSE));
    EXPECT_EQ(Top(), 10 - page + 1);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 8, FALSE));
    EXPECT_EQ(Top(), 10 - page + 1);
    EXPECT_TRUE(Send(LVM_ENSUREVISIBLE, 2, FALSE));
    EXPECT_EQ(Top(), 2);
    EXPECT_FALSE(Send(LVM_ENSUREVISIBLE, 20, FALSE));

    ScrollRows(100);
    ASSERT_EQ(Top(), 20 - page);
    ResizeToRows(10);
    EXPECT_EQ(Page(), 10);
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
};

// An item's row spans the columns, from one row below the header for the item after the
// top one; its icon, as wide as the image list's and moved right by a width of it for each
// step of indent, starts the first column after a margin, and its label fills that column
// after the icon.
TEST_F(ListViewTest, ItemRectsStackUnderTheHeaderFromTheTopIndex) {
    const RectCase cases[] = {
        {"icons", 16, 16, 0},
        {"no image list", 0, 0, 0},
        {"indented", 16, 16, 1},
        {"tall icons", 16, 24, 0},
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
        ResizeToRows(5);
        ScrollRows(2);
        ASSERT_EQ(Top(), 2);
        const int row = RowHeight();
        const int top = HeaderHeight() + row;
        EXPECT_EQ(ItemRect(3, LVIR_BOUNDS), (RECT{0, top, 150, top + row}));
        RECT icon = ItemRect(3, LVIR_ICON);
        RECT plainIcon = ItemRect(2, LVIR_ICON);
        RECT label = ItemRect(3, LVIR_LABEL);
        RECT select = ItemRect(3, LVIR_SELECTBOUNDS);
        EXPECT_EQ(icon.right - icon.left, c.iconWidth);
        EXPECT_EQ(plainIcon.left, 2) << "a margin before the icon";
        EXPECT_EQ(icon.left, plainIcon.left + c.indent * c.iconWidth);
        if (c.iconWidth != 0) {
            EXPECT_GE(icon.top, top);
            EXPECT_LE(icon.bottom, top + row);
        }
        EXPECT_EQ(label, (RECT{icon.right, top, 100, top + row}));
        EXPECT_EQ(select.left, icon.left);
        EXPECT_GT(select.right, label.left);
        EXPECT_LE(select.right, label.right);
        DestroyWindow(list);
    }
}

TEST_F(ListViewTest, PositionsSubItemsAndDragImageFollowTheRects) {
    Create(8);
    SetSmallImages(16, 16);
    ResizeToRows(5);
    ScrollRows(2);
    const int row = RowHeight();
    const int top = HeaderHeight() + row;

    POINT position;
    EXPECT_TRUE(Send(LVM_GETITEMPOSITION, 3, &position));
    EXPECT_EQ(position.x, 2) << "the item's margin";
    EXPECT_EQ(position.y, top);
    EXPECT_EQ(ItemRect(1, LVIR_BOUNDS), (RECT{0, top - 2 * row, 150, top - row}));
    RECT sub;
    sub.top = 1;
    sub.left = LVIR_BOUNDS;
    EXPECT_TRUE(Send(LVM_GETSUBITEMRECT, 3, &sub));
    EXPECT_EQ(sub, (RECT{100, top, 150, top + row}));
    POINT origin{};
    EXPECT_FALSE(Send(LVM_GETORIGIN, 0, &origin)) << "a report list has no origin";

    // An image of the item's row, where the row is.
    POINT corner;
    auto image = reinterpret_cast<HIMAGELIST>(Send(LVM_CREATEDRAGIMAGE, 3, &corner));
    ASSERT_NE(image, nullptr);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(image, &cx, &cy);
    EXPECT_GE(cx, ItemRect(3, LVIR_SELECTBOUNDS).right - ItemRect(3, LVIR_SELECTBOUNDS).left);
    EXPECT_LE(cx, 150);
    EXPECT_EQ(cy, row);
    EXPECT_EQ(ImageList_GetImageCount(image), 1);
    EXPECT_LE(corner.x, ItemRect(3, LVIR_ICON).left);
    EXPECT_EQ(corner.y, top);
    EXPECT_TRUE(ImageList_Destroy(image));
}

struct HitCase {
    const char* name;
    DWORD exStyle;
    int item;  // the item of the row; -3: the last one shown
    int where; // 0: icon, 1: label, 2: the second column, 3: past the columns
    int hit;   // the item hit, -1 none, -3 the last one shown
    UINT flags;
};

TEST_F(ListViewTest, HitTestFindsIconLabelOrWhereThePointLies) {
    const DWORD FULL = LVS_EX_FULLROWSELECT;
    const HitCase cases[] = {
        {"icon", 0, 2, 0, 2, LVHT_ONITEMICON},
        {"label", 0, 2, 1, 2, LVHT_ONITEMLABEL},
        {"last shown row", 0, -3, 1, -3, LVHT_ONITEMLABEL},
        {"sub-item", 0, 2, 2, -1, LVHT_NOWHERE},
        {"past the columns", FULL, 2, 3, -1, LVHT_NOWHERE},
    };
    Create(8);
    SetSmallImages(16, 16);
    ResizeToRows(5);
    ScrollRows(2);
    const int lastShown = Top() + Page() - 1;
    RECT client;
    GetClientRect(list, &client);
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, c.exStyle);
        int item = c.item == -3 ? lastShown : c.item;
        RECT row = ItemRect(item, LVIR_BOUNDS);
        RECT icon = ItemRect(item, LVIR_ICON);
        RECT label = ItemRect(item, LVIR_LABEL);
        const int xs[] = {(icon.left + icon.right) / 2, label.left + 2, 120, 200};
        LVHITTESTINFO hit{};
        hit.pt = POINT{xs[c.where], (row.top + row.bottom) / 2};
        int expected = c.hit == -3 ? lastShown : c.hit;
        EXPECT_EQ(Send(LVM_HITTEST, 0, &hit), expected);
        EXPECT_EQ(hit.iItem, expected);
        EXPECT_EQ(hit.flags, c.flags);
    }

    // A full row's other columns are on the item.
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, FULL);
    LVHITTESTINFO full{};
    full.pt = POINT{120, HeaderHeight() + RowHeight() / 2};
    EXPECT_EQ(Send(LVM_HITTEST, 0, &full), 2);
    EXPECT_NE(full.flags & LVHT_ONITEM, 0u);
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, 0);

    // Outside the client area, whichever side.
    struct Outside {
        POINT point;
        UINT flags;
    } outside[] = {
        {{-5, 40}, LVHT_TOLEFT},
        {{client.right + 5, 40}, LVHT_TORIGHT},
        {{50, client.bottom + 5}, LVHT_BELOW},
        {{-5, -5}, LVHT_ABOVE | LVHT_TOLEFT},
    };
    for (const Outside& o : outside) {
        SCOPED_TRACE(testing::Message() << o.point.x << "," << o.point.y);
        LVHITTESTINFO hit{};
        hit.pt = o.point;
        EXPECT_EQ(Send(LVM_HITTEST, 0, &hit), -1);
        EXPECT_EQ(hit.flags, o.flags);
    }

    // Below the last item, within the list.
    for (int i = 7; i >= 3; --i) {
        Send(LVM_DELETEITEM, static_cast<WPARAM>(i));
    }
    LVHITTESTINFO below{};
    below.pt = POINT{50, HeaderHeight() + RowHeight() * 4};
    ASSERT_LT(below.pt.y, client.bottom);
    EXPECT_EQ(Send(LVM_HITTEST, 0, &below), -1);
    EXPECT_EQ(below.flags, LVHT_NOWHERE);
}

struct Press {
    UINT message;
    WPARAM keys;
    int row; // -1: below the items
};

struct MouseCase {
    const char* name;
    DWORD style;
    std::vector<Press> clicks;
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
            Create(7, c.style | data);
            for (const Press& press : c.clicks) {
                Click(press.row, press.keys, press.message == R, press.message == WM_LBUTTONDBLCLK);
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
    bool right;
    int row; // -1: below the items
    bool upFirst;
    POINT delta;
    std::vector<UINT> codes;
};

// Moves as far as the system's drag distance from the press, on either side, are no drag.
TEST_F(ListViewTest, DragStartsOnceWhenThePressedButtonMovesPastTheDragDistance) {
    const int dx = GetSystemMetrics(SM_CXDRAG);
    const int dy = GetSystemMetrics(SM_CYDRAG);
    const DragCase cases[] = {
        {"within the distance", false, 2, false, {-dx, -dy}, {}},
        {"left drag", false, 2, false, {dx + 1, 0}, {LVN_BEGINDRAG}},
        {"right drag", true, 2, false, {0, -dy - 1}, {LVN_BEGINRDRAG}},
        {"released", false, 2, true, {2 * dx, 2 * dy}, {}},
        {"off the items", false, -1, false, {2 * dx, 2 * dy}, {}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        Create(7);
        POINT start = PointOn(c.row);
        WPARAM button = c.right ? MK_RBUTTON : MK_LBUTTON;
        Mouse(c.right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, button, start);
        if (c.upFirst) {
            Mouse(WM_LBUTTONUP, 0, start);
            button = 0;
        }
        for (int repeat = 0; repeat < 2; ++repeat) {
            Mouse(WM_MOUSEMOVE, button, POINT{start.x + c.delta.x, start.y + c.delta.y});
        }
        if (!c.upFirst) {
            Mouse(c.right ? WM_RBUTTONUP : WM_LBUTTONUP, 0,
                  POINT{start.x + c.delta.x, start.y + c.delta.y});
        }
        Pump();
        std::vector<UINT> drags;
        for (const Notice& n : notices) {
            if (n.code == LVN_BEGINDRAG || n.code == LVN_BEGINRDRAG) {
                drags.push_back(n.code);
                EXPECT_EQ(n.item, c.row);
            }
        }
        EXPECT_EQ(drags, c.codes);
        DestroyWindow(list);
    }
}

} // namespace
