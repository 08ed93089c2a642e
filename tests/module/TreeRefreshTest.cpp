#include "listview/TreeRefresh.h"
#include "InspectorFixture.h"
#include "listview/Selection.h"

namespace {

class TreeRefreshTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        outer = desktop.AddPad(nullptr, "A", 0, 0, 400, 400);
        inner = desktop.AddPad(outer, "B", 5, 5, 300, 300);
        top = desktop.AddPad(inner, "T", 5, 5, 200, 200);
        leaf = desktop.AddPad(top, "X", 5, 5, 20, 20);
        desktop.AddPad(nullptr, "Other", 500, 0, 10, 10);
    }

    static std::vector<std::string> Labels(CMainFrame* frame) {
        std::vector<std::string> labels;
        CListCtrl& list = View(frame).List();
        for (int i = 0; i < list.GetItemCount(); ++i)
            labels.push_back(list.GetItemText(i, 0));
        return labels;
    }

    DesktopPad* outer = nullptr;
    DesktopPad* inner = nullptr;
    DesktopPad* top = nullptr;
    DesktopPad* leaf = nullptr;
};

TEST_F(TreeRefreshTest, NestedLabelsShowFullPathsAndRebuildExpanded) {
    CMainFrame* frame = Open(top);
    CInspectrView& view = View(frame);
    view.rootRow->children.head->shown = 0;
    ToggleNestedLabels(view);
    EXPECT_EQ(Labels(frame), (std::vector<std::string>{"A\\B\\T", "A\\B\\T\\X"}));
    ToggleNestedLabels(view);
    EXPECT_EQ(Labels(frame), (std::vector<std::string>{"T", "  -X"}));
}

TEST_F(TreeRefreshTest, ParentClimbsToTheDesktopAndThenIsRefused) {
    CMainFrame* frame = Open(inner);
    CInspectrView& view = View(frame);
    ASSERT_TRUE(CanGoToParent(view));
    GoToParent(view);
    EXPECT_EQ(Labels(frame).front(), "A");
    GoToParent(view);
    EXPECT_EQ(Labels(frame).front(), "Desktop");
    EXPECT_EQ(view.topRecord->isDesktop, 1);
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), "0/5");
    EXPECT_FALSE(CanGoToParent(view));
    Update(view); // the Inspector now watches the desktop
    EXPECT_EQ(Labels(frame).front(), "Desktop");
}

TEST_F(TreeRefreshTest, ParentIsRefusedOnAnEmptyTable) {
    desktop.HidePad(top);
    CMainFrame* frame = Open(top);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(View(frame).List().GetItemCount(), 0);
    EXPECT_FALSE(CanGoToParent(View(frame)));
}

TEST_F(TreeRefreshTest, ParentKeepsTheSelectionOfPadsStillListed) {
    CMainFrame* frame = Open(top);
    CInspectrView& view = View(frame);
    SelectRow(view, *view.rootRow->children.head);
    GoToParent(view);
    EXPECT_EQ(Labels(frame), (std::vector<std::string>{"B", "  -T", "     -X"}));
    EXPECT_EQ(view.List().GetItemState(2, LVIS_SELECTED), static_cast<UINT>(LVIS_SELECTED));
    EXPECT_EQ(host->PadProperty().pads, (std::vector<MvSimplePad*>{leaf}));
}

TEST_F(TreeRefreshTest, UpdateClearsTheSelectionAndThePublishedPads) {
    CMainFrame* frame = Open(top);
    CInspectrView& view = View(frame);
    SelectAll(view, false);
    ASSERT_EQ(host->PadProperty().pads.size(), 2u);
    view.autoUpdate = 0;
    Update(view);
    EXPECT_EQ(view.List().GetSelectedCount(), 0u);
    EXPECT_TRUE(host->PadProperty().pads.empty());
    EXPECT_EQ(Length(view.selectedRows.get()), 0);
}

// Far deeper than a recursion could go on a thread's stack: building, listing, changing and
// freeing the rows walk the tree without recursion.
TEST_F(TreeRefreshTest, AChainDeeperThanTheStackOpensChangesAndCloses) {
    constexpr int kChain = 100000;
    std::vector<DesktopPad*> chain;
    for (DesktopPad* last = leaf; static_cast<int>(chain.size()) < kChain;) {
        last = desktop.CreatePad(last, "MvPad");
        last->SetOwnName("C");
        chain.push_back(last);
    }
    CMainFrame* frame = Open(top);
    CListCtrl& list = View(frame).List();
    const int last = kChain + 1; // T, X, then the chain
    ASSERT_EQ(list.GetItemCount(), last + 1);
    EXPECT_EQ(list.GetItemText(last, 0), std::string(3 * kChain, ' ') + "  -C");

    desktop.MovePad(chain.front(), 1, 2);
    desktop.MovePad(chain.back(), 7, 9);
    EXPECT_EQ(list.GetItemText(last, 1), "(   23,   26)");
    desktop.HidePad(chain[kChain / 2]);
    EXPECT_EQ(list.GetItemCount(), kChain / 2 + 2);
    desktop.ShowPad(chain[kChain / 2]);
    EXPECT_EQ(list.GetItemCount(), last + 1);
    ToggleNestedLabels(View(frame));
    std::string path = list.GetItemText(last, 0);
    EXPECT_EQ(path.size(), 7u + 2 * kChain);
    EXPECT_EQ(path.substr(0, 9), "A\\B\\T\\X\\C");
    desktop.DeletePad(chain[10]);
    EXPECT_EQ(list.GetItemCount(), 12);
    AlldeleteInspector();
}

} // namespace
