#include "listview/Selection.h"
#include "InspectorFixture.h"
#include "listview/Mouse.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"

#include <algorithm>
#include <functional>
#include <random>

namespace {

class SelectionTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        BuildStage();
    }

    void BuildStage() {
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 300, 200);
        panel = desktop.AddPad(stage, "Panel", 5, 5, 100, 50);
        ok = desktop.AddPad(panel, "OK", 1, 1, 30, 10);
        cancel = desktop.AddPad(panel, "Cancel", 40, 1, 30, 10);
        logo = desktop.AddPad(stage, "Logo", 200, 5, 50, 50);
    }

    // Sends a mouse message at the label of list item `index`.
    void Mouse(CMainFrame* frame, UINT message, int index, WPARAM keys = 0) {
        CListCtrl& list = View(frame).List();
        RECT rect{};
        ASSERT_TRUE(list.GetItemRect(index, &rect, LVIR_LABEL));
        LPARAM where = static_cast<LPARAM>(
            MAKELONG(static_cast<WORD>(rect.left + 2), static_cast<WORD>(rect.top + 2)));
        SendMessageA(list.m_hWnd, message, keys, where);
    }
    // A press and a release there, as a click is.
    void Click(CMainFrame* frame, int index, WPARAM keys = 0) {
        Mouse(frame, WM_LBUTTONDOWN, index, keys);
        Mouse(frame, WM_LBUTTONUP, index, keys);
    }

    static std::string Selected(CMainFrame* frame) {
        CListCtrl& list = View(frame).List();
        std::string text;
        for (int i = 0; i < list.GetItemCount(); ++i)
            text += list.GetItemState(i, LVIS_SELECTED) ? "S" : ".";
        return text;
    }

    std::vector<MvSimplePad*> Published() const { return host->PadProperty().pads; }

    // The pads of the copies in selectedRows, in its order.
    static std::string Copies(CMainFrame* frame) {
        std::string text;
        for (const InspectorRow* copy = View(frame).selectedRows->head; copy; copy = copy->next)
            text += (text.empty() ? "" : " ") + std::string(copy->pad->get_own_name());
        return text;
    }

    // The rows whose marks say selected, as S and . like Selected.
    static std::string Marked(CMainFrame* frame) {
        CInspectrView& view = View(frame);
        std::string text;
        for (int i = 0; i < view.List().GetItemCount(); ++i)
            text += RowSelected(view, *RowOfItem(view, i)) ? "S" : ".";
        return text;
    }

    DesktopPad* stage = nullptr;
    DesktopPad* panel = nullptr;
    DesktopPad* ok = nullptr;
    DesktopPad* cancel = nullptr;
    DesktopPad* logo = nullptr;
};

TEST_F(SelectionTest, ClicksSelectAndPublishWhileTheFrameIsActive) {
    CMainFrame* frame = Open(stage);
    ASSERT_EQ(View(frame).frameActive, 1);
    Click(frame, 1);
    Click(frame, 3, MK_CONTROL);
    EXPECT_EQ(Selected(frame), ".S.S.");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{panel, cancel}));
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), "2/5");
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), "Cancel");
    EXPECT_EQ(Length(View(frame).selectedRows.get()), 2);

    // The control extends from its selection mark, the item clicked last.
    Click(frame, 4, MK_SHIFT);
    EXPECT_EQ(Selected(frame), "...SS");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{cancel, logo}));

    // A press on a row of the selection changes nothing and tells the host nothing (it reads
    // the whole list each time); the release leaves the row alone selected, told once.
    int told = host->PadProperty().calls;
    Mouse(frame, WM_LBUTTONDOWN, 3, 0);
    EXPECT_EQ(Selected(frame), "...SS");
    EXPECT_EQ(host->PadProperty().calls, told);
    Mouse(frame, WM_LBUTTONUP, 3, 0);
    EXPECT_EQ(Selected(frame), "...S.");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{cancel}));
    EXPECT_EQ(host->PadProperty().calls, told + 1);
    // Released over another row, where the control selects nothing, all the same.
    Click(frame, 4, MK_SHIFT);
    Mouse(frame, WM_LBUTTONDOWN, 4, 0);
    Mouse(frame, WM_LBUTTONUP, 3, 0);
    EXPECT_EQ(Selected(frame), "....S");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{logo}));

    // A letter typed finds no row: the list's question for the row it begins is answered
    // "none" in either character set, where no answer would name item 0.
    CListCtrl& list = View(frame).List();
    for (UINT code : {UINT{LVN_ODFINDITEMA}, UINT{LVN_ODFINDITEMW}}) {
        NMHDR header{};
        header.hwndFrom = list.m_hWnd;
        header.idFrom = static_cast<std::uintptr_t>(GetDlgCtrlID(list.m_hWnd));
        header.code = code;
        EXPECT_EQ(SendMessageA(GetParent(list.m_hWnd), WM_NOTIFY, header.idFrom,
                               reinterpret_cast<LPARAM>(&header)),
                  -1)
            << code;
    }
    EXPECT_EQ(Selected(frame), "....S");
}

TEST_F(SelectionTest, APadKeptFromThePropertyWindowIsSelectedButNotPublished) {
    logo->SetProtection(kProtectProperty);
    CMainFrame* frame = Open(stage);
    Click(frame, 4);
    EXPECT_EQ(Selected(frame), "....S");
    EXPECT_EQ(Length(View(frame).selectedRows.get()), 1);
    EXPECT_TRUE(Published().empty());
}

// Deselecting every row at once (a plain click or a key after Select All, Deselect) leaves
// one row or none selected, in the items, the copies and the published pads alike; a pad
// kept from the property window since it was selected does not stay published.
TEST_F(SelectionTest, EveryWayOfDeselectingAllLeavesNothingBehind) {
    struct Case {
        const char* name;
        bool protectAfterSelecting;
        std::function<void(CMainFrame*)> deselect;
        const char* selected;
        int copies;
    };
    const Case cases[] = {
        {"a click on a selected row", false, [this](CMainFrame* f) { Click(f, 2); }, "..S..", 1},
        {"a click on a row, a pad protected meanwhile", true,
         [this](CMainFrame* f) { Click(f, 2); }, "..S..", 1},
        {"Deselect", false, [](CMainFrame* f) { DeselectAll(View(f)); }, ".....", 0},
        {"Deselect, a pad protected meanwhile", true, [](CMainFrame* f) { DeselectAll(View(f)); },
         ".....", 0},
        {"Down", false,
         [](CMainFrame* f) {
             native::PressKey(View(f).m_hWnd, VK_DOWN, false, false, false);
             AfxPumpPending();
         },
         nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMainFrame* frame = Open(stage);
        SelectAll(View(frame), true);
        ASSERT_EQ(Published().size(), 5u);
        if (c.protectAfterSelecting)
            logo->SetProtection(kProtectProperty);
        c.deselect(frame);
        std::string selected = Selected(frame);
        if (c.selected != nullptr) {
            EXPECT_EQ(selected, c.selected);
        }
        EXPECT_EQ(std::count(selected.begin(), selected.end(), 'S'), c.copies);
        EXPECT_EQ(Length(View(frame).selectedRows.get()), c.copies);
        EXPECT_EQ(static_cast<int>(Published().size()), c.copies);
        int flagged = 0;
        View(frame).listed.ForEach(0, [&](int, InspectorRow* row) {
            flagged += row != nullptr && RowSelected(View(frame), *row);
            return true;
        });
        EXPECT_EQ(flagged, c.copies);
        logo->SetProtection(0);
        AlldeleteInspector();
        native::PumpPending();
    }
}

// Select All leaves the copies of its rows to be made when the list of them is first read.
// Whatever happens in between, the list holds each selected pad once, in the order the pads
// were selected, the rows' marks agree with the items and the host has the selected pads.
TEST_F(SelectionTest, AfterSelectAllTheCopiesFollowTheSelectionInItsOrder) {
    auto ctrlClick = [this](int item) {
        return [this, item](CMainFrame* f) { Click(f, item, MK_CONTROL); };
    };
    struct Case {
        const char* name;
        std::function<void(CMainFrame*)> then;
        const char* selected;
        const char* copies;
        // How often the host heard of the pads (-1: not counted): a deselection and the
        // refill's drop and restore, however many rows went.
        int hostTold = -1;
    };
    const Case cases[] = {
        {"nothing", [](CMainFrame*) {}, "SSSSS", "Stage Panel OK Cancel Logo"},
        {"a row ctrl-clicked off", ctrlClick(2), "SS.SS", "Stage Panel Cancel Logo"},
        {"a row ctrl-clicked off and on again",
         [&](CMainFrame* f) {
             ctrlClick(2)(f);
             ctrlClick(2)(f);
         },
         "SSSSS", "Stage Panel Cancel Logo OK"},
        {"the list read, then a row ctrl-clicked off",
         [&](CMainFrame* f) {
             Length(View(f).selectedRows.get());
             ctrlClick(1)(f);
         },
         "S.SSS", "Stage OK Cancel Logo"},
        {"a selected pad hidden", [this](CMainFrame*) { desktop.HidePad(cancel); }, "SSSS",
         "Stage Panel OK Logo"},
        {"a selected pad destroyed", [this](CMainFrame*) { desktop.DestroyPad(ok); }, "SSSS",
         "Stage Panel Cancel Logo", 3},
        {"a selected pad destroyed with its selected children",
         [this](CMainFrame*) { desktop.DestroyPad(panel); }, "SS", "Stage Logo", 3},
        {"a pad added", [this](CMainFrame*) { desktop.AddPad(stage, "New", 0, 0, 5, 5); }, "SSSSS.",
         "Stage Panel OK Cancel Logo"},
        {"Save and Restore Selection",
         [](CMainFrame* f) {
             SaveSelection(View(f));
             RestoreSelection(View(f));
         },
         "SSSSS", "Stage Panel OK Cancel Logo"},
        {"Panel's children folded away",
         [](CMainFrame* f) {
             CInspectrView& view = View(f);
             ToggleChildren(view, *RowOfItem(view, 1));
         },
         "SSS", "Stage Panel OK Cancel Logo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMainFrame* frame = Open(stage);
        SelectAll(View(frame), true);
        int told = host->PadProperty().calls;
        c.then(frame);
        if (c.hostTold != -1) {
            EXPECT_EQ(host->PadProperty().calls - told, c.hostTold);
        }
        EXPECT_EQ(Selected(frame), c.selected);
        EXPECT_EQ(Marked(frame), c.selected);
        EXPECT_EQ(Copies(frame), c.copies);
        std::string published;
        for (MvSimplePad* pad : Published())
            published += (published.empty() ? "" : " ") + std::string(pad->get_own_name());
        EXPECT_EQ(published, c.copies);
        AlldeleteInspector();
        native::PumpPending();
        desktop.DestroyPad(stage);
        BuildStage();
    }
}

// Dropping a whole selection moves the view's mark on instead of clearing each row's: a row
// marked long ago never counts as selected again when the mark comes round.
TEST_F(SelectionTest, ARowMarkedManyDropsAgoStaysUnselected) {
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    for (int round = 0; round < 1200; ++round) {
        SCOPED_TRACE(round);
        const char* expected = ".....";
        if (round % 2 == 0) {
            SelectAll(view, round % 8 == 0);
            expected = "SSSSS";
        } else if (round % 4 == 1) {
            DeselectAll(view);
        } else {
            Click(frame, 1);
            expected = ".S...";
        }
        ASSERT_EQ(Selected(frame), expected);
        ASSERT_EQ(Marked(frame), expected);
    }
    Click(frame, 3);
    EXPECT_EQ(Marked(frame), "...S.");
    EXPECT_EQ(Copies(frame), "Cancel");
    // A small selection loses its marks row by row, a row folded away included.
    ToggleChildren(view, *RowOfItem(view, 1));
    DeselectAll(view);
    ToggleChildren(view, *RowOfItem(view, 1));
    EXPECT_EQ(Marked(frame), ".....");
}

TEST_F(SelectionTest, TheDesktopRowIsNeverPublishedNorCounted) {
    CMainFrame* frame = Open();
    Click(frame, 0);
    Click(frame, 1, MK_CONTROL);
    EXPECT_EQ(Selected(frame).substr(0, 2), "SS");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{stage}));
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), "1/5");
}

TEST_F(SelectionTest, RightClickOnASelectedRowKeepsTheMultipleSelection) {
    CMainFrame* frame = Open(stage);
    Click(frame, 1);
    Click(frame, 2, MK_CONTROL);
    Click(frame, 4, MK_CONTROL);
    Mouse(frame, WM_RBUTTONDOWN, 2);
    EXPECT_EQ(Selected(frame), ".SS.S");
    EXPECT_EQ(View(frame).List().GetNextItem(-1, LVNI_FOCUSED), 2);
    Mouse(frame, WM_RBUTTONDOWN, 3); // not selected: the selection starts over
    EXPECT_EQ(Selected(frame), "...S.");
    Mouse(frame, WM_RBUTTONDOWN, 0, MK_CONTROL); // with Ctrl nothing changes
    EXPECT_EQ(Selected(frame), "...S.");
}

TEST_F(SelectionTest, DoubleClickCollapsesTheWholeSubtreeAndExpandsItAsItWas) {
    desktop.AddPad(ok, "Deep", 0, 0, 5, 5);
    CMainFrame* frame = Open(stage);
    ASSERT_EQ(Items(frame).size(), 6u);
    Mouse(frame, WM_LBUTTONDBLCLK, 2); // OK: hide Deep
    ASSERT_EQ(Items(frame).size(), 5u);
    Mouse(frame, WM_LBUTTONDBLCLK, 1); // Panel: hide OK and Cancel
    EXPECT_EQ(Items(frame).size(), 3u);
    EXPECT_EQ(View(frame).List().GetItemText(1, 0), "  +Panel");
    EXPECT_EQ(Selected(frame), ".S.");
    Mouse(frame, WM_LBUTTONDBLCLK, 1); // Panel again: OK comes back still collapsed
    EXPECT_EQ(Items(frame).size(), 5u);
    EXPECT_EQ(View(frame).List().GetItemText(2, 0), "     +OK");
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 2;
    View(frame).List().GetItem(&item);
    EXPECT_EQ(item.iImage, 2);
}

TEST_F(SelectionTest, SaveAndRestoreKeepTheSelectionAcrossARefill) {
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    Click(frame, 2);
    Click(frame, 4, MK_CONTROL);
    SaveSelection(view);
    EXPECT_EQ(Selected(frame), ".....");
    RestoreSelection(view);
    EXPECT_EQ(Selected(frame), "..S.S");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{ok, logo}));
}

TEST_F(SelectionTest, GoneRowsTakeNoSelectionByAnyRoad) {
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    Click(frame, 2);
    ToggleAutoUpdate(view);
    ASSERT_TRUE(desktop.HidePad(panel)); // Panel, OK and Cancel go gone; OK's selection goes
    EXPECT_EQ(Selected(frame), ".....");
    Click(frame, 1);
    Click(frame, 3, MK_CONTROL);
    EXPECT_EQ(Selected(frame), ".....");
    Click(frame, 0);
    Click(frame, 4, MK_SHIFT);
    EXPECT_EQ(Selected(frame), "S...S");
    SelectRow(view, *FindRowByPad(view.rootRow.get(), ok));
    SelectRange(view, 3, true);
    SelectAll(view, true);
    EXPECT_EQ(Selected(frame), "S...S");
    EXPECT_EQ(Length(view.selectedRows.get()), 2);
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), "2/5");
    EXPECT_EQ(Published(), (std::vector<MvSimplePad*>{stage, logo}));
}

// The counts the selection keeps, and the items its marks give, checked against its items read
// one by one from the list after random
// clicks, selections and changes on the desktop (the desktop's own selection, grouping,
// hiding and showing), with the table large enough for the commands to read the counts.
TEST_F(SelectionTest, TheSelectionsCountsAgreeWithItsItemsReadOneByOne) {
    std::vector<DesktopPad*> pads{panel, ok, cancel, logo};
    for (int i = 0; i < 120; ++i) {
        const char* kind = i % 7 == 0 ? "MvIconPad" : "MvPad";
        DesktopPad* parent = pads[static_cast<size_t>(i) % pads.size()];
        pads.push_back(desktop.AddPad(parent == ok || parent == cancel ? stage : parent, "P", 0, 0,
                                      1, 1, kind));
        desktop.SetProtection(pads.back(), i % 5 == 0 ? 0x10 | 0x10000 : i % 11 == 0 ? 0x20000 : 0);
    }
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    std::mt19937 rng(23);
    auto pick = [&](size_t count) {
        return std::uniform_int_distribution<size_t>(0, count - 1)(rng);
    };
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        int items = view.List().GetItemCount();
        DesktopPad* pad = pads[pick(pads.size())];
        switch (pick(9)) {
        case 0:
            Click(frame, static_cast<int>(pick(items)));
            break;
        case 1:
            Click(frame, static_cast<int>(pick(items)), MK_CONTROL);
            break;
        case 2:
            Click(frame, static_cast<int>(pick(items)), MK_SHIFT);
            break;
        case 3:
            SelectAll(view, pick(2) == 0);
            break;
        case 4:
            DeselectAll(view);
            break;
        case 5:
            pick(2) == 0 ? desktop.SelectPad(pad) : desktop.DeselectPad(pad);
            break;
        case 6:
            pick(2) == 0 ? desktop.GroupPad(pad) : desktop.UngroupPad(pad);
            break;
        case 7:
            pick(3) == 0 ? desktop.HidePad(pad) : desktop.ShowPad(pad);
            break;
        default:
            SelectRange(view, static_cast<int>(pick(items)), pick(2) == 0);
            break;
        }
        SelectionTally read;
        CListCtrl& list = view.List();
        std::vector<int> listed;
        for (int item = list.GetNextItem(-1, LVNI_SELECTED); item != -1;
             item = list.GetNextItem(item, LVNI_SELECTED)) {
            read.Add(FactsOfRow(RowOfItem(view, item)));
            listed.push_back(item);
        }
        ASSERT_EQ(SelectionTallyOf(view), read);
        // The commands read the selected items from the view's marks, not from the list.
        ASSERT_EQ(SelectedItems(view), listed);
        ASSERT_EQ(view.selectedPadSet.Size(), static_cast<size_t>(list.GetSelectedCount()));
        // Reading the copies makes those Select All left waiting; not every step does.
        if (step % 3 == 0) {
            ASSERT_EQ(Length(view.selectedRows.get()), list.GetSelectedCount());
        }
    }
}

} // namespace
