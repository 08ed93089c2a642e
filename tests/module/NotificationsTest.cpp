#include "DesktopModel.h"
#include "InspectorFixture.h"
#include "frame/ColumnSettings.h"
#include "listview/Mouse.h"
#include "listview/RowFocus.h"
#include "listview/RowRefresh.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "resources/ResourceIds.h"
#include "service/InspectorProbe.h"

#include <gmock/gmock.h>

namespace {

using Lines = std::vector<std::string>;

class NotificationsTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 10, 20, 300, 200);
        panel = desktop.AddPad(stage, "Panel", 5, 5, 100, 50);
        ok = desktop.AddPad(panel, "OK", 12, -40, 30, 10);
        side = desktop.AddPad(stage, "Side", 50, 60, 20, 20);
        other = desktop.AddPad(nullptr, "Other", 400, 0, 50, 50);
    }

    void StoreColumns(const std::string& value) {
        ASSERT_TRUE(host->Registry().OpenKey(kSettingsKey));
        ASSERT_TRUE(host->Registry().Write(kSettingsKey, kSettingsValue, value));
    }

    static Lines Labels(CMainFrame* frame) {
        Lines labels;
        CListCtrl& list = View(frame).List();
        for (int i = 0; i < list.GetItemCount(); ++i)
            labels.push_back(list.GetItemText(i, 0));
        return labels;
    }

    static std::string Counts(CMainFrame* frame) { return frame->m_wndStatusBar.GetPaneText(1); }

    static std::string Rows(CMainFrame* frame) {
        std::string rows;
        SendMessageA(View(frame).m_hWnd, WM_INSP_DESCRIBEROWS, 0, reinterpret_cast<LPARAM>(&rows));
        return rows;
    }

    static InspectorRow* RowOf(CMainFrame* frame, DesktopPad* pad) {
        return FindRowByPad(View(frame).rootRow.get(), pad);
    }

    static bool IsSelected(CMainFrame* frame, DesktopPad* pad) {
        int item = ItemOfPad(View(frame), pad);
        return item >= 0 && View(frame).List().GetItemState(item, LVIS_SELECTED) != 0;
    }

    static void Select(CMainFrame* frame, DesktopPad* pad) {
        SelectRow(View(frame), *RowOf(frame, pad));
    }

    DesktopPad* stage = nullptr;
    DesktopPad* panel = nullptr;
    DesktopPad* ok = nullptr;
    DesktopPad* side = nullptr;
    DesktopPad* other = nullptr;
};

TEST_F(NotificationsTest, DeletingTheTopPadClosesItsInspectorsWhateverAutoUpdate) {
    struct Case {
        bool destroy;
        bool autoUpdate;
        bool ancestor; // the top pad goes with a pad above it
    };
    for (Case c : {Case{false, true, false}, Case{false, false, false}, Case{true, true, false},
                   Case{true, false, false}, Case{false, true, true}, Case{false, false, true}}) {
        SCOPED_TRACE(std::string(c.destroy ? "destroy" : "delete") +
                     (c.autoUpdate ? ", auto update" : ", no auto update") +
                     (c.ancestor ? ", ancestor" : ""));
        DesktopPad* holder = desktop.AddPad(stage, "Holder", 0, 0, 20, 20);
        DesktopPad* top = desktop.AddPad(holder, "Top", 0, 0, 10, 10);
        DesktopPad* inside = desktop.AddPad(top, "Inside", 0, 0, 5, 5);
        DesktopPad* deleted = c.ancestor ? holder : top;
        CMainFrame* onDesktop = Open();
        CMainFrame* onPanel = Open(panel);
        CMainFrame* onTop = Open(top);
        CMainFrame* onTopAgain = Open(top);
        HWND window = onTop->m_hWnd;
        Select(onTop, inside);
        if (!c.autoUpdate) {
            ToggleAutoUpdate(View(onTop));
            ToggleAutoUpdate(View(onDesktop));
        }
        Lines panelItems = Items(onPanel);
        ASSERT_TRUE(c.destroy ? desktop.DestroyPad(deleted) : desktop.DeletePad(deleted));
        EXPECT_EQ(inspectorGetInspectorCount(), 2);
        EXPECT_EQ(inspectorGetInspector(1), onDesktop);
        EXPECT_EQ(View(onTop).List().GetItemCount(), 0);
        EXPECT_EQ(View(onTopAgain).rootRow, nullptr);
        EXPECT_EQ(Items(onPanel), panelItems);
        // Changes arriving before the close request is handled pass the closing Inspector by.
        desktop.MovePad(stage, 11, 21);
        native::PumpPending();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(Labels(onDesktop).size(), !c.autoUpdate ? 9u : c.ancestor ? 6u : 7u);
        AlldeleteInspector();
        native::PumpPending();
        desktop.DestroyPad(holder);
    }
}

TEST_F(NotificationsTest, WithAutoUpdateOffOnlyHideAndDeleteMarkRowsGoneUntilUpdate) {
    StoreColumns("3,0,-1,1,-1,8,-1");
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    Select(frame, ok);
    ToggleAutoUpdate(view);
    Lines before = Items(frame);
    desktop.MovePad(side, 70, 70);
    desktop.RenamePad(side, "Renamed");
    desktop.GroupPad(side);
    desktop.AddPad(panel, "Pasted", 0, 0, 5, 5);
    ASSERT_TRUE(desktop.HidePad(panel));
    ASSERT_TRUE(desktop.DestroyPad(side));
    EXPECT_EQ(Items(frame), before);
    EXPECT_EQ(RowOf(frame, panel)->gone, 1);
    EXPECT_EQ(RowOf(frame, ok)->gone, 1);
    EXPECT_EQ(view.rootRow->gone, 0);
    EXPECT_FALSE(IsSelected(frame, ok));
    EXPECT_EQ(view.selectedPads->length(), 0);
    // A double click refills the list; the destroyed pad is not asked for anything.
    ToggleChildren(view, *view.rootRow);
    ToggleChildren(view, *view.rootRow);
    EXPECT_EQ(Items(frame), before);
    ToggleAutoUpdate(view);
    EXPECT_EQ(Items(frame), (Lines{"Stage|(   10,   20)|  0"}));
    EXPECT_EQ(Counts(frame), "0/1");
}

TEST_F(NotificationsTest, GoneRowsOfADestroyedPadSurviveNestedLabelsAndARefill) {
    CMainFrame* frame = Open();
    CInspectrView& view = View(frame);
    ToggleNestedLabels(view);
    ToggleAutoUpdate(view);
    ASSERT_TRUE(desktop.DestroyPad(stage));
    Lines before = Labels(frame);
    ToggleChildren(view, *view.rootRow);
    ToggleChildren(view, *view.rootRow);
    EXPECT_EQ(Labels(frame), before);
}

TEST_F(NotificationsTest, ANewNameRelabelsTheRowAndItsSubtreeAndRetitlesTheRoot) {
    CMainFrame* frame = Open(panel);
    ToggleNestedLabels(View(frame));
    std::string longName(80, 'n');
    desktop.RenamePad(panel, longName);
    EXPECT_EQ(Labels(frame), (Lines{"Stage\\" + longName, "Stage\\" + longName + "\\OK"}));
    EXPECT_EQ(frame->GetWindowText(), std::string(67, 'n') + " - Inspector");
    desktop.RenamePad(ok, "Fine");
    EXPECT_EQ(Labels(frame)[1], "Stage\\" + longName + "\\Fine");
    desktop.RenamePad(stage, "Set");
    EXPECT_EQ(Labels(frame)[0], "Set\\" + longName);
    EXPECT_EQ(frame->GetWindowText(), std::string(67, 'n') + " - Inspector")
        << "an ancestor's name";
}

TEST_F(NotificationsTest, ANewNameReachesTheLabelsOfTheLoaderAndIconStandingForThePad) {
    DesktopPad* loader = desktop.AddPad(nullptr, "Loader", 0, 0, 50, 50, "MvDynamicLoadPad");
    DesktopPad* loaded = desktop.AddPad(loader, "Weather", 0, 0, 50, 50);
    loader->SetStandsFor(loaded);
    DesktopPad* icon = desktop.AddPad(nullptr, "Icon", 0, 0, 8, 8, "MvIconPad");
    icon->SetStandsFor(side);
    side->SetIcon(icon);
    CMainFrame* frame = Open();
    desktop.RenamePad(loaded, "Sun");
    desktop.RenamePad(side, "Edge");
    Lines labels = Labels(frame);
    for (const char* label : {"  -Loader(Sun)", "     -Sun", "  -Icon(Edge)", "     -Edge"})
        EXPECT_THAT(labels, ::testing::Contains(label));
}

TEST_F(NotificationsTest, TitlesCutTheNameForInspectorsAndSearchResults) {
    std::string name(70, 'x');
    EXPECT_EQ(FrameTitle(name.c_str(), 60, IDS_INSPECTOR_SEARCH),
              std::string(60, 'x') + " - Inspector [Search]");
    EXPECT_EQ(FrameTitle(nullptr, 67, IDS_INSPECTOR), " - Inspector");
}

TEST_F(NotificationsTest, LineLowerAndRaiseChangeNothing) {
    CMainFrame* frame = Open(stage);
    std::string rows = Rows(frame);
    Lines items = Items(frame);
    int paints = native::PaintCount(View(frame).m_hWnd);
    for (auto entry : {inspectorChangedLine, inspectorChangedLower, inspectorChangedRaise}) {
        entry(panel);
        entry(nullptr);
    }
    EXPECT_EQ(Rows(frame), rows);
    EXPECT_EQ(Items(frame), items);
    EXPECT_EQ(native::PaintCount(View(frame).m_hWnd), paints);
}

TEST_F(NotificationsTest, RemovingARootThatIsNotTheTopPadEmptiesTheTable) {
    CMainFrame* frame = Open(ok);
    GoToParent(View(frame));
    ASSERT_EQ(Labels(frame), (Lines{"Panel", "  -OK"}));
    ASSERT_TRUE(desktop.DeletePad(panel));
    EXPECT_EQ(inspectorGetInspectorCount(), 1);
    EXPECT_EQ(View(frame).rootRow, nullptr);
    EXPECT_EQ(View(frame).List().GetItemCount(), 0);
    EXPECT_EQ(Counts(frame), "0/0");
}

TEST_F(NotificationsTest, DeletingARowMovesTheAnchorAndCurrentRowOutOfIt) {
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    MakeCurrent(view, RowOf(frame, ok));
    view.anchorRow = CopyRow(*RowOf(frame, ok));
    ASSERT_TRUE(desktop.DeletePad(panel));
    EXPECT_EQ(view.currentRow, view.rootRow.get());
    ASSERT_NE(view.anchorRow, nullptr);
    EXPECT_EQ(view.anchorRow->pad, stage);
    EXPECT_EQ(Labels(frame), (Lines{"Stage", "  -Side"}));
    EXPECT_EQ(Counts(frame), "0/2");
}

} // namespace
