#include "DesktopPad.h"
#include "InspectorFixture.h"
#include "dialogs/SearchRules.h"
#include "listview/InspectorRow.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

#include <deque>
#include <functional>

namespace {

class SearchWindowTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 40, 30, 400, 300);
        panel = desktop.AddPad(stage, "Panel", 10, 10, 300, 200);
        ok = desktop.AddPad(panel, "OK", 10, 10, 80, 24);
        cancel = desktop.AddPad(panel, "Cancel", 100, 10, 80, 24);
        logo = desktop.AddPad(stage, "Logo", 320, 10, 60, 60);
    }

    // The frame's search for pads whose label holds `label`; its results window.
    static CMainFrame* Search(CMainFrame* frame, const char* label) {
        SearchConditions conditions;
        conditions.labelChecked = 1;
        conditions.label = label;
        frame->ShowSearchResults(CollectHits(View(frame).rootRow.get(), conditions));
        return View(frame).searchFrame;
    }

    static std::vector<std::string> Labels(CMainFrame* frame) {
        std::vector<std::string> labels;
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

    static RECT Place(CMainFrame* frame) {
        RECT rect{};
        frame->GetWindowRect(&rect);
        return rect;
    }

    DesktopPad* stage = nullptr;
    DesktopPad* panel = nullptr;
    DesktopPad* ok = nullptr;
    DesktopPad* cancel = nullptr;
    DesktopPad* logo = nullptr;
};

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(SearchWindowTest, OpensOverItsSourceAndASecondSearchReusesIt) {
    CMainFrame* source = Open();
    CMainFrame* results = Search(source, "a");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetWindowText(), "Desktop - Inspector [Search]");
    EXPECT_EQ(inspectorGetInspectorCount(), 1) << "a results window is no Inspector";
    EXPECT_EQ(Labels(results),
              (std::vector<std::string>{"Stage", "Stage\\Panel", "Stage\\Panel\\Cancel"}));
    EXPECT_EQ(source->m_wndStatusBar.GetPaneText(0), "3 pads has been found");
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "0/3");

    RECT from = Place(source);
    RECT statusBar{};
    source->m_wndStatusBar.GetWindowRect(&statusBar);
    const int step = 4 + 18;
    RECT expected{from.left + step, from.top + step, from.right,
                  from.bottom - 4 - (statusBar.bottom - statusBar.top)};
    EXPECT_TRUE(Place(results) == expected) << "over the source, its status bar in sight";

    results->MoveWindow(100, 120, 300, 200);
    EXPECT_EQ(Search(source, "o"), results);
    EXPECT_EQ(Labels(results), (std::vector<std::string>{"Stage\\Logo"}));
    EXPECT_EQ(results->GetWindowText(), "Desktop - Inspector [Search]");
    EXPECT_TRUE(Place(results) == (RECT{100, 120, 400, 320})) << "a second search keeps the place";
    EXPECT_EQ(source->m_wndStatusBar.GetPaneText(0), "1 pads has been found");
}

TEST_F(SearchWindowTest, ItHasItsOwnBarsAndMenuAndGoesWithItsSource) {
    CMainFrame* source = Open(stage);
    CMainFrame* results = Search(source, "a");
    EXPECT_EQ(results->m_wndToolBar.GetCount(), 9);
    std::vector<std::string> menus;
    for (const native::MenuItemInfo& popup : native::ReadMenuBar(results->m_hWnd))
        menus.push_back(native::MenuDisplayText(popup.text));
    EXPECT_EQ(menus, (std::vector<std::string>{"Edit", "Tools", "Help"}));
    DeactivateInspector();
    EXPECT_FALSE(results->IsWindowEnabled());
    ActivateInspector();
    EXPECT_TRUE(results->IsWindowEnabled());

    // Closed alone, it leaves its source, whose next search opens a new one.
    results->SendMessage(WM_CLOSE);
    native::PumpPending();
    EXPECT_EQ(View(source).searchFrame, nullptr);
    results = Search(source, "a");
    ASSERT_NE(results, nullptr);
    HWND window = results->m_hWnd;
    source->SendMessage(WM_CLOSE);
    native::PumpPending();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(inspectorGetInspectorCount(), 0);
}

TEST_F(SearchWindowTest, ASourceOffTheScreenPutsItAtTheTopOfTheScreen) {
    CMainFrame* source = Open(stage);
    source->MoveWindow(1024 - 10, 100, 500, 400);
    CMainFrame* results = Search(source, "OK");
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->GetWindowText(), "Stage - Inspector [Search]");
    EXPECT_TRUE(Place(results) == (RECT{0, 0, 1024, 384}));
}

TEST_F(SearchWindowTest, SelectionIsMirroredBothWaysOnce) {
    CMainFrame* source = Open();
    CMainFrame* results = Search(source, "a");
    CInspectrView& from = View(source);
    CInspectrView& hits = View(results);
    int sourceChanges = from.publishedChanges;
    int resultChanges = hits.publishedChanges;

    hits.List().SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(Selected(source), std::vector<int>{ItemOfPad(from, cancel)});
    EXPECT_EQ(Length(from.selectedRows.get()), 1);
    EXPECT_EQ(from.publishedChanges - sourceChanges, 1);
    EXPECT_EQ(hits.publishedChanges - resultChanges, 1);
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "1/3");

    from.List().SetItemState(ItemOfPad(from, stage), LVIS_SELECTED, LVIS_SELECTED);
    from.List().SetItemState(ItemOfPad(from, cancel), 0, LVIS_SELECTED);
    EXPECT_EQ(Selected(results), std::vector<int>{0}) << "item 0 of the results is a hit";
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "1/3");
    EXPECT_EQ(from.publishedChanges - sourceChanges, 3);
    EXPECT_EQ(hits.publishedChanges - resultChanges, 3);

    results->SendMessage(WM_COMMAND, ID_SELECT_ALL);
    EXPECT_EQ(Selected(results), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Length(from.selectedRows.get()), 3);
}

TEST_F(SearchWindowTest, DeletingEveryFoundPadClosesItAndTheSourceStays) {
    CMainFrame* source = Open(stage);
    CMainFrame* results = Search(source, "n");
    HWND window = results->m_hWnd;
    View(results).List().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    desktop.DeletePad(cancel);
    native::PumpPending();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(Labels(results), std::vector<std::string>{"Stage\\Panel"});
    desktop.DeletePad(panel);
    native::PumpPending();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(View(source).searchFrame, nullptr);
    EXPECT_EQ(inspectorGetInspector(0), source);
    EXPECT_NE(Search(source, "Logo"), nullptr) << "the next search opens a new one";
}

TEST_F(SearchWindowTest, DeletingTheSourcesTopPadClosesBoth) {
    CMainFrame* source = Open(panel);
    HWND sourceWindow = source->m_hWnd;
    HWND window = Search(source, "OK")->m_hWnd;
    desktop.DeletePad(panel);
    native::PumpPending();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(sourceWindow));
}

TEST_F(SearchWindowTest, WithdrawnHitsLeaveTheOthersAsTheyWereSelected) {
    desktop.AddPad(stage, "Caption", 0, 0, 10, 10);
    CMainFrame* source = Open();
    CMainFrame* results = Search(source, "a");
    View(results).List().SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    desktop.DeletePad(panel);
    native::PumpPending();
    EXPECT_EQ(Labels(results), (std::vector<std::string>{"Stage", "Stage\\Caption"}))
        << "Panel's subtree goes";
    EXPECT_EQ(Selected(results), std::vector<int>{1});
    EXPECT_EQ(results->m_wndStatusBar.GetPaneText(1), "1/2");
}

TEST_F(SearchWindowTest, WithAutoUpdateOffADeletedHitStaysInertUntilUpdate) {
    CMainFrame* source = Open(stage);
    CMainFrame* results = Search(source, "n");
    SendMessageA(source->m_hWnd, WM_COMMAND, ID_OPTION_AUTO_UPDATE, 0);
    EXPECT_EQ(View(results).autoUpdate, 0);
    desktop.DeletePad(cancel);
    desktop.MovePad(panel, 33, 44);
    native::PumpPending();
    EXPECT_EQ(Labels(results), (std::vector<std::string>{"Stage\\Panel", "Stage\\Panel\\Cancel"}));
    View(results).List().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(Selected(results).empty()) << "a gone hit cannot be selected";
    EXPECT_NE(Items(results)[0].find("(   50,   40)"), std::string::npos) << "not moved yet";

    SendMessageA(source->m_hWnd, WM_COMMAND, ID_OPTION_AUTO_UPDATE, 0);
    EXPECT_EQ(View(results).autoUpdate, 1);
    EXPECT_EQ(Labels(results), std::vector<std::string>{"Stage\\Panel"});
    EXPECT_NE(Items(results)[0].find("(   73,   74)"), std::string::npos) << Items(results)[0];
}

TEST_F(SearchWindowTest, ChangesOfFoundPadsReachTheirCells) {
    CMainFrame* source = Open(panel);
    CMainFrame* results = Search(source, "C");
    const struct {
        const char* name;
        std::function<void()> change;
        const char* cells;
    } cases[] = {
        {"size", [&] { desktop.ResizePad(cancel, 81, 25); }, "(   81,   25)"},
        {"own name", [&] { desktop.RenamePad(cancel, "Close"); }, "Stage\\Panel\\Close|"},
        // The source shows plain labels; the results always show paths.
        {"name of an ancestor of the top pad", [&] { desktop.RenamePad(stage, "Scene"); },
         "Scene\\Panel\\Close|"},
        {"place of the top pad", [&] { desktop.RepastePad(panel, nullptr, 5, 5); },
         "Panel\\Close|"},
    };
    for (const auto& c : cases) {
        c.change();
        ASSERT_EQ(Items(results).size(), 1u) << c.name;
        EXPECT_NE(Items(results)[0].find(c.cells), std::string::npos)
            << c.name << ": " << Items(results)[0];
    }
}

// Frames that count their releases; some refuse their window.
struct CountedFrame : CMainFrame {
    static inline int released = 0;
    bool refuse = false;
    ~CountedFrame() override { ++released; }
    int OnCreate(CREATESTRUCTA* create) override {
        return refuse ? -1 : CMainFrame::OnCreate(create);
    }
};

TEST_F(SearchWindowTest, EveryFailureReleasesTheFrameOnceAndTheNextSearchStartsAfresh) {
    CMainFrame* source = Open(stage);
    SearchConditions conditions;
    conditions.labelChecked = 1;
    conditions.label = "a";
    const struct {
        const char* name;
        native::Failure failure;
        std::string what;
        bool refuse;
        bool noRoot;
    } cases[] = {
        {"the frame's window", native::Failure::WindowCreation, "", false, false},
        {"its view's window", native::Failure::WindowCreation, WC_LISTVIEW, false, false},
        {"its bars", native::Failure::WindowCreation, "-", true, false},
        {"the accelerators", native::Failure::AcceleratorLoading, "", false, false},
        {"no tree in the source", native::Failure::WindowCreation, "-", false, true},
    };
    size_t windows = native::TopLevelWindows().size();
    for (const auto& c : cases) {
        std::unique_ptr<RowList> hits = CollectHits(View(source).rootRow.get(), conditions);
        if (c.noRoot)
            desktop.HidePad(stage);
        native::SetFailureHook([&c](native::Failure failure, const std::string& what) {
            return failure == c.failure && (c.what.empty() || what == c.what);
        });
        CountedFrame::released = 0;
        auto* frame = new CountedFrame;
        frame->refuse = c.refuse;
        View(source).searchFrame = frame;
        frame->CreateSearchInspector(source, std::move(hits));
        native::SetFailureHook(nullptr);
        AfxIdleCleanup();
        EXPECT_EQ(CountedFrame::released, 1) << c.name;
        EXPECT_EQ(View(source).searchFrame, nullptr) << c.name;
        EXPECT_EQ(native::TopLevelWindows().size(), windows) << c.name;
        if (c.noRoot)
            desktop.ShowPad(stage);
    }
    EXPECT_NE(Search(source, "a"), nullptr);
}

// The Search dialog, driven as a person would.
class SearchDialogTest : public SearchWindowTest {
protected:
    static HWND Dialog() {
        for (HWND hwnd : native::TopLevelWindows()) {
            if (native::DialogTemplateId(hwnd) == IDD_SEARCH)
                return hwnd;
        }
        return nullptr;
    }
    static void Click(int id) { native::ClickWindow(GetDlgItem(Dialog(), id), POINT{2, 2}); }
    static void Type(int id, const char* text) { SetDlgItemTextA(Dialog(), id, text); }
    static bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(Dialog(), id)) != FALSE; }

    void RunSearch(CMainFrame* frame, std::vector<std::function<void()>> steps) {
        std::deque<std::function<void()>> input(steps.begin(), steps.end());
        native::SetInputWaiter([&input] {
            if (input.empty())
                return false;
            auto step = std::move(input.front());
            input.pop_front();
            step();
            return true;
        });
        SendMessageA(frame->m_hWnd, WM_COMMAND, ID_EDIT_SEARCH, 0);
        native::PumpPending();
        native::SetInputWaiter({});
        EXPECT_TRUE(input.empty()) << "the dialog ended early";
    }
};

TEST_F(SearchDialogTest, ChecksItsConditionsAndKeepsThemForTheNextSearch) {
    CMainFrame* source = Open(stage);
    RunSearch(source, {[] {
                           EXPECT_FALSE(Enabled(IDC_SEARCH_LABEL));
                           EXPECT_FALSE(Enabled(IDC_SEARCH_SLOT2_TYPE));
                           Click(IDC_SEARCH_LABEL_CHECK);
                       },
                       [] {
                           EXPECT_TRUE(Enabled(IDC_SEARCH_LABEL));
                           Click(IDC_SEARCH_OK);
                       },
                       [] {
                           Type(IDC_SEARCH_LABEL, "Can");
                           Click(IDC_SEARCH_SLOT2_CHECK);
                           Type(IDC_SEARCH_SLOT2_VALUE, "5");
                           Click(IDC_SEARCH_OK);
                       },
                       [] {
                           Click(IDC_SEARCH_SLOT2_CHECK);
                           Click(IDC_SEARCH_OK);
                       }});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].stringId, IDS_NO_CONDITION);
    EXPECT_EQ(boxes[1].stringId, IDS_NO_CONDITION);
    EXPECT_NE(boxes[0].owner, source->m_hWnd) << "owned by the dialog";
    CMainFrame* results = View(source).searchFrame;
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Labels(results), std::vector<std::string>{"Stage\\Panel\\Cancel"});

    RunSearch(source, {[] {
                  EXPECT_TRUE(IsDlgButtonChecked(Dialog(), IDC_SEARCH_LABEL_CHECK));
                  EXPECT_EQ(CWnd::FromHandle(Dialog())->GetDlgItemText(IDC_SEARCH_LABEL), "Can");
                  EXPECT_TRUE(Enabled(IDC_SEARCH_LABEL));
                  EXPECT_FALSE(Enabled(IDC_SEARCH_SLOT2_VALUE));
                  Type(IDC_SEARCH_LABEL, "nothing like it");
                  Click(IDC_SEARCH_OK);
              }});
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].stringId, IDS_PAD_NOT_FOUND);
    EXPECT_EQ(boxes[2].owner, source->m_hWnd);
    EXPECT_EQ(View(source).searchFrame, nullptr) << "a search without hits closes the window";
}

} // namespace
