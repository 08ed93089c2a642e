#include "DesktopPad.h"
#include "InspectorFixture.h"
#include "dialogs/SearchRules.h"
#include "listview/InspectorRow.h"
#include "listview/Selection.h"
#include "platform/Afx.h"
#include "platform/NativeMenu.h"
#include "resources/CommandIds.h"

namespace {

using Strings = std::vector<std::string>;

class SearchWindowTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 40, 30, 400, 300);
        panel = desktop.AddPad(stage, "Panel", 10, 10, 300, 200);
        desktop.AddPad(panel, "OK", 10, 10, 80, 24);
        cancel = desktop.AddPad(panel, "Cancel", 100, 10, 80, 24);
        desktop.AddPad(stage, "Logo", 320, 10, 60, 60);
    }

    // The frame's search for pads whose label holds `label`; its results window.
    static CMainFrame* Search(CMainFrame* frame, const char* label) {
        frame->ShowSearchResults(CollectHits(View(frame).rootRow.get(),
                                             SearchConditions{.labelChecked = 1, .label = label}));
        return View(frame).searchFrame;
    }

    static Strings Labels(CMainFrame* frame) {
        Strings labels;
        for (const std::string& item : Items(frame))
            labels.push_back(item.substr(0, item.find('|')));
        return labels;
    }

    static std::vector<int> Selected(CMainFrame* frame) {
        std::vector<int> items;
        CListCtrl& list = View(frame).List();
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
             i = list.GetNextItem(i, LVNI_SELECTED))
            items.push_back(i);
        return items;
    }

    static void Click(CMainFrame* frame, int item, bool select = true) {
        View(frame).List().SetItemState(item, select ? LVIS_SELECTED : 0u, LVIS_SELECTED);
    }

    static std::string Place(CMainFrame* frame) {
        RECT r{};
        frame->GetWindowRect(&r);
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top);
    }

    DesktopPad* stage = nullptr;
    DesktopPad* panel = nullptr;
    DesktopPad* cancel = nullptr;
};

TEST_F(SearchWindowTest, OpensOverItsSourceIsReusedAndGoesWithIt) {
    CMainFrame* source = Open();
    source->MoveWindow(10, 20, 500, 400);
    CMainFrame* results = Search(source, "a");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetWindowText(), "Desktop - Inspector [Search]");
    EXPECT_EQ(inspectorGetInspectorCount(), 1) << "a results window is no Inspector";
    EXPECT_EQ(Labels(results), (Strings{"Stage", "Stage\\Panel", "Stage\\Panel\\Cancel"}));
    EXPECT_EQ(source->m_wndStatusBar.GetPaneText(0), "3 pads has been found");
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "0/3");
    RECT bar{};
    source->m_wndStatusBar.GetWindowRect(&bar);
    // One step of 4 + 18 in, above the source's status bar and its frame.
    EXPECT_EQ(Place(results), "32,42,478," + std::to_string(378 - 4 - (bar.bottom - bar.top)));
    EXPECT_EQ(native::ReadMenuBar(results->m_hWnd).size(), 3u) << "Edit, Tools, Help";

    results->MoveWindow(100, 120, 300, 200);
    EXPECT_EQ(Search(source, "o"), results);
    EXPECT_EQ(Labels(results), Strings{"Stage\\Logo"});
    EXPECT_EQ(results->GetWindowText(), "Desktop - Inspector [Search]");
    EXPECT_EQ(Place(results), "100,120,300,200") << "a second search keeps the place";

    results->SendMessage(WM_CLOSE);
    EXPECT_EQ(View(source).searchFrame, nullptr) << "closed alone, it leaves its source";
    HWND window = Search(source, "a")->m_hWnd;
    source->SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindow(window));

    source = Open(stage);
    source->MoveWindow(1024 - 10, 100, 500, 400);
    EXPECT_EQ(Place(Search(source, "OK")), "0,0,1024,384") << "its source off the screen";
}

TEST_F(SearchWindowTest, SelectionIsMirroredBothWaysOnce) {
    CMainFrame* source = Open();
    CMainFrame* results = Search(source, "a");
    CInspectrView& from = View(source);
    CInspectrView& hits = View(results);
    int sourceChanges = from.publishedChanges;
    int resultChanges = hits.publishedChanges;
    Click(results, 2);
    EXPECT_EQ(Selected(source), std::vector<int>{ItemOfPad(from, cancel)});
    EXPECT_EQ(Length(from.selectedRows.get()), 1);
    EXPECT_EQ(from.publishedChanges - sourceChanges, 1);
    EXPECT_EQ(hits.publishedChanges - resultChanges, 1);

    Click(source, ItemOfPad(from, stage));
    Click(source, ItemOfPad(from, cancel), false);
    EXPECT_EQ(Selected(results), std::vector<int>{0});
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "1/3") << "item 0 of the results is a hit";
    EXPECT_EQ(from.publishedChanges - sourceChanges, 3);
    EXPECT_EQ(hits.publishedChanges - resultChanges, 3);
    results->SendMessage(WM_COMMAND, ID_SELECT_ALL);
    EXPECT_EQ(Length(from.selectedRows.get()), 3);
    Search(source, "S");
    EXPECT_EQ(Length(from.selectedRows.get()), 3) << "a new search leaves the Inspector's own";
    EXPECT_EQ(Selected(results), std::vector<int>{0});
}

// Select All and the drop of a whole selection reach the results window as each row's change
// would; a new search starts its hits selected where the Inspector's rows are selected now,
// not where they were before a drop.
TEST_F(SearchWindowTest, SelectAllAndItsDropAreMirroredAndANewSearchSeesTheLatest) {
    CMainFrame* source = Open();
    CMainFrame* results = Search(source, "a");
    CInspectrView& from = View(source);
    SelectAll(from, true);
    EXPECT_EQ(Selected(results), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Length(View(results).selectedRows.get()), 3);
    DeselectAll(from);
    EXPECT_TRUE(Selected(results).empty());
    EXPECT_EQ(Length(View(results).selectedRows.get()), 0);
    Search(source, "a");
    EXPECT_TRUE(Selected(results).empty()) << "the rows were marked before the drop";

    SelectAll(from, true);
    Click(source, ItemOfPad(from, panel), false);
    Search(source, "a");
    EXPECT_EQ(Selected(results), (std::vector<int>{0, 2}));
    Click(results, 1);
    EXPECT_EQ(Length(from.selectedRows.get()), 6) << "the desktop row and every pad";
    EXPECT_EQ(from.selectedRows->tail->pad, panel) << "selected last, listed last";
}

// A drop of a whole selection takes the partner's whole, but for the pads the partner selects
// beyond it, which keep their order.
TEST_F(SearchWindowTest, ADropOfEverySelectedRowLeavesThePartnerWhatItSelectsBeyond) {
    struct Case {
        const char* name;
        bool selectAllInSource; // else in the results window
        bool dropInSource;      // else in the results window
        Strings sourceKeeps;    // the source's selection after the drop, in order
        bool listRead = false;  // the source's selected rows were listed before the drop
    };
    const Case cases[] = {
        {"the source drops what it took from its window", false, true, {}},
        {"the window drops all the source selects", false, false, {}},
        {"the window drops its hits, the source keeps the rest", true, false, {"", "OK", "Logo"}},
        {"the source drops more than its window selects", true, true, {}},
        {"the same, the source's copies made", true, false, {"", "OK", "Logo"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMainFrame* source = Open();
        CMainFrame* results = Search(source, "a");
        CInspectrView& from = View(c.selectAllInSource ? source : results);
        SelectAll(from, true);
        ASSERT_EQ(Selected(results), (std::vector<int>{0, 1, 2}));
        if (c.listRead) {
            ASSERT_EQ(Length(View(source).selectedRows.get()), 6);
        }
        DeselectAll(View(c.dropInSource ? source : results));
        Strings kept;
        for (const InspectorRow* copy = View(source).selectedRows->head; copy; copy = copy->next)
            kept.push_back(copy->pad != nullptr ? copy->pad->get_own_name() : "");
        EXPECT_EQ(kept, c.sourceKeeps);
        EXPECT_EQ(Selected(source).size(), c.sourceKeeps.size());
        EXPECT_TRUE(Selected(results).empty());
        EXPECT_EQ(Length(View(results).selectedRows.get()), 0);
        EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "0/3");
        source->SendMessage(WM_CLOSE);
    }
}

TEST_F(SearchWindowTest, WithAutoUpdateOffADeletedHitStaysInertUntilUpdate) {
    CMainFrame* source = Open(stage);
    CMainFrame* results = Search(source, "n");
    source->SendMessage(WM_COMMAND, ID_OPTION_AUTO_UPDATE);
    EXPECT_EQ(View(results).autoUpdate, 0);
    desktop.DeletePad(cancel);
    desktop.MovePad(panel, 33, 44);
    EXPECT_EQ(Labels(results), (Strings{"Stage\\Panel", "Stage\\Panel\\Cancel"}));
    Click(results, 1);
    EXPECT_TRUE(Selected(results).empty()) << "a gone hit cannot be selected";
    EXPECT_NE(Items(results)[0].find("(   50,   40)"), std::string::npos) << "not moved yet";

    source->SendMessage(WM_COMMAND, ID_OPTION_AUTO_UPDATE);
    EXPECT_EQ(View(results).autoUpdate, 1);
    EXPECT_EQ(Labels(results), Strings{"Stage\\Panel"});
    EXPECT_NE(Items(results)[0].find("(   73,   74)"), std::string::npos) << Items(results)[0];
}

// A frame that counts its releases.
struct CountedFrame : CMainFrame {
    static inline int released = 0;
    ~CountedFrame() override { ++released; }
};

TEST_F(SearchWindowTest, EveryFailureReleasesTheFrameOnceAndTheNextSearchStartsAfresh) {
    using native::Failure;
    CMainFrame* source = Open(stage);
    // The frame's window, its view's, the accelerators; a source without a tree.
    const std::pair<Failure, std::string> cases[] = {{Failure::WindowCreation, ""},
                                                     {Failure::WindowCreation, WC_LISTVIEW},
                                                     {Failure::AcceleratorLoading, ""},
                                                     {Failure::WindowCreation, "none"}};
    size_t windows = native::TopLevelWindows().size();
    for (const auto& [failure, what] : cases) {
        auto hits = CollectHits(View(source).rootRow.get(),
                                SearchConditions{.labelChecked = 1, .label = "a"});
        if (what == "none")
            desktop.HidePad(stage);
        native::SetFailureHook([&](Failure asked, const std::string& name) {
            return asked == failure && (what.empty() || name == what);
        });
        CountedFrame::released = 0;
        auto* frame = new CountedFrame;
        View(source).searchFrame = frame;
        frame->CreateSearchInspector(source, std::move(hits));
        native::SetFailureHook(nullptr);
        AfxIdleCleanup();
        EXPECT_EQ(CountedFrame::released, 1) << what;
        EXPECT_EQ(View(source).searchFrame, nullptr);
        EXPECT_EQ(native::TopLevelWindows().size(), windows);
        desktop.ShowPad(stage);
    }
    EXPECT_NE(Search(source, "a"), nullptr);
}

} // namespace
