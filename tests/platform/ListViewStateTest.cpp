#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace native_test;

namespace {

// Every step asks the control for every item's state: under Wine each question is a round
// trip, so the Windows build takes fewer steps.
#ifdef _WIN32
constexpr int kSteps = 600;
#else
constexpr int kSteps = 4000;
#endif

class ListViewState : public NativeTest {
protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(list, msg, wParam, lParam);
    }

    void Insert(int index, UINT state) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = index;
        item.pszText = const_cast<char*>("x");
        item.state = state;
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    void SetState(int index, UINT state, UINT mask) {
        LVITEMA item{};
        item.state = state;
        item.stateMask = mask;
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }

    // What GetNextItem must answer, found by asking every item for its state. The one
    // focused item is found wherever it lies, unless the search starts from it.
    int Scan(int start, UINT flags, UINT state) {
        int count = static_cast<int>(Send(LVM_GETITEMCOUNT));
        if ((flags & LVNI_FOCUSED) != 0) {
            for (int i = 0; i < count; ++i) {
                if (static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), state)) ==
                    state)
                    return i == start ? -1 : i;
            }
            return -1;
        }
        int step = (flags & LVNI_ABOVE) != 0 ? -1 : 1;
        int first = start < 0 ? (step < 0 ? -1 : 0) : start + step;
        for (int i = first; i >= 0 && i < count; i += step) {
            if (static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), state)) == state)
                return i;
        }
        return -1;
    }

    // A shown report list of one column, `height` pixels high, whose items can be clicked.
    void CreateShownReport(int height) {
        list = CreateWindowExA(0, WC_LISTVIEW, "", DWORD{WS_CHILD | WS_VISIBLE} | LVS_REPORT, 0, 0,
                               300, height, TopLevel(), nullptr, nullptr, nullptr);
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = 200;
        Send(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    }

    // The middle of the left edge of an item's label, where a click lands on the item.
    LPARAM ItemPoint(int index) {
        RECT rect{};
        rect.left = LVIR_LABEL;
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return static_cast<LPARAM>(MAKELONG(rect.left + 2, (rect.top + rect.bottom) / 2));
    }

    // An item a letter: S selected, F selected and focused, f focused only, . neither.
    std::string States(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            auto state = static_cast<UINT>(
                Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_FOCUSED));
            text += (state & LVIS_SELECTED) != 0 ? ((state & LVIS_FOCUSED) != 0 ? 'F' : 'S')
                                                 : ((state & LVIS_FOCUSED) != 0 ? 'f' : '.');
        }
        return text;
    }

    HWND list = nullptr;
};

} // namespace

// The control keeps its focused item and selected count as it goes instead of looking at
// every item; after any mix of insertions, deletions and state changes, the answers must
// be those of a look at every item.
TEST_F(ListViewState, KeptFocusAndSelectionAgreeWithTheItems) {
    for (DWORD style : {DWORD{0}, DWORD{LVS_SINGLESEL}}) {
        list = CreateWindowExA(0, WC_LISTVIEW, "", DWORD{WS_CHILD} | LVS_REPORT | style, 0, 0, 300,
                               200, TopLevel(), nullptr, nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        std::mt19937 rng(style + 5);
        for (int step = 0; step < kSteps; ++step) {
            int count = static_cast<int>(Send(LVM_GETITEMCOUNT));
            int index = static_cast<int>(rng() % static_cast<unsigned>(count + 2)) - 1;
            UINT state = static_cast<UINT>(rng() % 4) & (LVIS_SELECTED | LVIS_FOCUSED);
            switch (rng() % 8) {
            case 0:
            case 1:
                Insert(std::max(index, 0), state);
                break;
            case 2:
                Send(LVM_DELETEITEM, static_cast<WPARAM>(index));
                break;
            case 3:
                if (rng() % 40 == 0)
                    Send(LVM_DELETEALLITEMS);
                break;
            default:
                SetState(index, state, rng() % 2 ? LVIS_FOCUSED : LVIS_SELECTED | LVIS_FOCUSED);
            }
            SCOPED_TRACE("style " + std::to_string(style) + " step " + std::to_string(step));
            int start = static_cast<int>(Send(LVM_GETITEMCOUNT)) / 2 - 1;
            for (UINT flags :
                 {UINT{LVNI_FOCUSED}, UINT{LVNI_SELECTED}, UINT{LVNI_SELECTED | LVNI_ABOVE}}) {
                SCOPED_TRACE("flags " + std::to_string(flags) + " from " + std::to_string(start));
                UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED);
                ASSERT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flags),
                          Scan(-1, flags, wanted));
                ASSERT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags),
                          Scan(start, flags, wanted));
            }
            int selected = 0;
            int focused = 0;
            for (int i = 0; i < Send(LVM_GETITEMCOUNT); ++i) {
                selected += Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) != 0;
                focused += Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_FOCUSED) != 0;
            }
            ASSERT_EQ(Send(LVM_GETSELECTEDCOUNT), selected);
            ASSERT_LE(focused, 1);
        }
        DestroyWindow(list);
    }
}

// A plain press on an item selected beside others only focuses it, so that a drag of the
// selection can begin there; the release over that item leaves it the only one selected,
// a release over another item leaves the selection as it was.
TEST_F(ListViewState, APressOnASelectedItemWaitsForTheRelease) {
    CreateShownReport(200);
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 4; ++i)
        Insert(i, 0);
    for (int release : {2, 3}) {
        SCOPED_TRACE("released over " + std::to_string(release));
        SetState(-1, 0, LVIS_SELECTED);
        SetState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SetState(2, LVIS_SELECTED, LVIS_SELECTED);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, ItemPoint(2));
        EXPECT_EQ(States(4), ".SF.");
        Send(WM_LBUTTONUP, 0, ItemPoint(release));
        EXPECT_EQ(States(4), release == 2 ? "..F." : ".SF.");
    }
    DestroyWindow(list);
}

// Clicks with Ctrl and Shift on a list of eight items, each case from no selection, as the
// system's list view answers them: Shift selects from the selection mark alone, Ctrl+Shift
// adds that range and moves the mark, unless the last Ctrl click deselected (then it selects
// only the item).
TEST_F(ListViewState, ClicksWithCtrlAndShiftSelectAsTheSystemDoes) {
    struct Click {
        int item;
        WPARAM keys;
    };
    struct Case {
        const char* name;
        std::vector<Click> clicks;
        const char* states; // S selected, F focused and selected, f focused only
        int mark;
    };
    const WPARAM ctrl = MK_CONTROL, shift = MK_SHIFT, both = MK_CONTROL | MK_SHIFT;
    const Case cases[] = {
        {"Shift from a click", {{1, 0}, {4, shift}}, ".SSSF...", 1},
        {"Shift back from a click", {{5, 0}, {2, shift}}, "..FSSS..", 5},
        {"Shift, then Shift elsewhere", {{1, 0}, {4, shift}, {2, shift}}, ".SF.....", 1},
        {"Ctrl adds and moves the mark", {{1, 0}, {3, ctrl}, {5, shift}}, "...SSF..", 3},
        {"Ctrl+Shift adds a range", {{1, 0}, {3, ctrl}, {6, both}}, ".S.SSSF.", 6},
        {"Ctrl+Shift moves the mark", {{1, 0}, {3, ctrl}, {6, both}, {4, shift}}, "....FSS.", 6},
        {"Ctrl+Shift after a Ctrl that deselected",
         {{1, 0}, {4, shift}, {3, ctrl}, {6, both}},
         ".SS.S.F.",
         6},
        {"Ctrl+Shift with no mark", {{2, both}}, "..F.....", 2},
    };
    CreateShownReport(300);
    ASSERT_NE(list, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Send(LVM_DELETEALLITEMS);
        for (int i = 0; i < 8; ++i)
            Insert(i, 0);
        for (const Click& click : c.clicks) {
            LPARAM at = ItemPoint(click.item);
            Send(WM_LBUTTONDOWN, MK_LBUTTON | click.keys, at);
            Send(WM_LBUTTONUP, click.keys, at);
        }
        EXPECT_EQ(States(8), c.states);
        EXPECT_EQ(Send(LVM_GETSELECTIONMARK), c.mark);
    }
    DestroyWindow(list);
}
