#include "dialogs/DeleteRun.h"
#include "DesktopModel.h"
#include "InspectorFixture.h"
#include "RecordingHost.h"
#include "dialogs/DeleteScope.h"
#include "dialogs/FrameDeleteScope.h"
#include "dialogs/FrameTree.h"
#include "dialogs/PadDeletion.h"
#include "dialogs/SearchRules.h"
#include "listview/RowBuilder.h"
#include "listview/Selection.h"

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using Start = DeleteRun::Start;
using Step = DeleteRun::Step;

// An Inspector on Stage without windows; with `hits` it shows search results.
class FakeScope : public DeleteScope {
public:
    InspectorRow* RootRow() override { return treeLost ? nullptr : root.get(); }
    const RowList* SearchRows() override { return hits.get(); }
    int MainAutoUpdate() override { return 1; }
    void SetAutoUpdate(int value) override { autoUpdateLog.push_back(value); }
    void Rebuild() override { ++rebuilds; }

    std::unique_ptr<InspectorRow> root;
    std::unique_ptr<RowList> hits;
    bool treeLost = false;
    std::vector<int> autoUpdateLog;
    int rebuilds = 0;
};

// Deletions mark rows gone, as they do while a run holds Auto Update off. Which pads are
// offered, and in what order, is played end to end by the dialog scripts.
class DeleteRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
        stage->Model()->AddSlot("value", kSlotNumber);
        panel = desktop.AddPad(stage, "Panel", 100, 50, 200, 100);
        ok = desktop.AddPad(panel, "OK", 10, 10, 30, 20);
        cancel = desktop.AddPad(panel, "Cancel", 50, 10, 30, 20);
        other = desktop.AddPad(stage, "Other", 5, 5, 10, 10);
        scope.root.reset(BuildRow(view, stage, nullptr));
        // A destroyed pad is reported with every pad below it.
        desktop.AddObserver([this](const DesktopChange& change) {
            if (change.kind != ChangeKind::Delete)
                return;
            deleted.push_back(change.pad);
            if (InspectorRow* row = FindRowByPad(scope.root.get(), change.pad))
                row->gone = 1;
        });
    }

    std::unique_ptr<RowList> Rows(std::vector<DesktopPad*> pads) {
        auto list = std::make_unique<RowList>();
        for (DesktopPad* pad : pads)
            Append(*list, CopyRow(*FindRowByPad(scope.root.get(), pad)));
        return list;
    }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    CInspectrView view;
    FakeScope scope;
    DeleteRun run{scope};
    std::vector<MvSimplePad*> deleted;
    DesktopPad *stage, *panel, *ok, *cancel, *other;
};

TEST_F(DeleteRunTest, DeleteAndNextWalkTheCandidatesThenTheInspectorIsRebuilt) {
    ASSERT_EQ(run.Begin(Rows({panel, other, ok}).get()), Start::Offer);
    EXPECT_FALSE(run.ChildBoxEnabled()) << "OK has no shown child";
    EXPECT_EQ(run.Delete(true), Step::ShowNext);
    EXPECT_EQ(run.CurrentPad(), panel);
    EXPECT_TRUE(run.ChildBoxEnabled());
    EXPECT_EQ(run.Next(), Step::ShowNext);
    EXPECT_TRUE(run.SingleCandidate());
    EXPECT_EQ(run.Next(), Step::End) << "Next on the last candidate ends the dialog";
    run.Finish(DeleteRun::kEndNext, true);
    EXPECT_EQ(deleted, std::vector<MvSimplePad*>{ok});
    EXPECT_EQ(scope.autoUpdateLog, (std::vector<int>{0, 1}));
    EXPECT_EQ(scope.rebuilds, 1);

    run.Begin(Rows({panel, other, cancel}).get());
    run.Finish(DeleteRun::kEndDeleteAll, true);
    EXPECT_EQ(deleted, (std::vector<MvSimplePad*>{ok, cancel, panel, other}));
}

// Search results: one hit is a top pad, and so is the source's own top pad, also for
// DeleteAll, which must not rebuild from a pad it has just deleted.
TEST_F(DeleteRunTest, SearchResultsStopAtTopPadsAndGiveAutoUpdateBackWithoutATree) {
    scope.hits = Rows({other});
    EXPECT_TRUE(run.IsTopPad(other));
    scope.treeLost = true;
    EXPECT_EQ(run.Begin(scope.hits.get()), Start::Nothing);
    EXPECT_EQ(scope.autoUpdateLog, (std::vector<int>{0, 1})) << "a tree lost gives it back";
    scope.treeLost = false;

    scope.hits = Rows({stage, other});
    EXPECT_FALSE(run.IsTopPad(other));
    ASSERT_EQ(run.Begin(scope.hits.get()), Start::Offer);
    run.Finish(DeleteRun::kEndDeleteAll, true);
    EXPECT_EQ(deleted, (std::vector<MvSimplePad*>{other, stage}));
    EXPECT_TRUE(run.CloseAfterDelete());
    EXPECT_EQ(scope.rebuilds, 0);
}

TEST_F(DeleteRunTest, DeletingWithoutChildrenKeepsThemInPlaceOnTheGrandparent) {
    DesktopPad* field = desktop.AddPad(stage, "Field", 0, 0, 10, 10);
    desktop.ConnectPad(field, "value");
    desktop.ConnectPad(other, "value");
    unsigned viewless = desktop.CreatePad(panel, "MvPad", false)->GetCreatePadID();
    ok->SetGroupDepth(2);
    // A framework whose re-paste drops a link into the new parent.
    desktop.AddObserver([field](const DesktopChange& change) {
        if (change.kind == ChangeKind::Paste)
            field->SetConnection(std::nullopt);
    });
    int connects = 0;
    desktop.AddObserver(
        [&connects](const DesktopChange& c) { connects += c.kind == ChangeKind::Connect; });

    DeletePad(panel, false);
    EXPECT_EQ(ok->Parent(), stage);
    EXPECT_EQ(ok->Region().X(), 110);
    EXPECT_EQ(ok->Region().Y(), 60);
    EXPECT_EQ(ok->get_groupDepth(), 0);
    EXPECT_EQ(cancel->Parent(), stage);
    EXPECT_EQ(desktop.FindById(viewless), nullptr) << "children without a view go too";
    EXPECT_EQ(desktop.FindByPath("Stage/Panel"), nullptr);
    EXPECT_STREQ(field->get_slotname(), "value");
    EXPECT_EQ(connects, 1) << "intact links stay as they are";
}

// Delete All takes the candidates in the order the dialog offers them one by one (Delete on
// each offer): the deepest selected below the first, in candidate order. Two copies of a
// random tree, the same candidates in the same random order: one is deleted offer by offer,
// the other with Delete All, and the two orders must agree.
TEST_F(DeleteRunTest, DeleteAllDeletesInTheOrderOfTheOffers) {
    std::mt19937 rng(23);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        bool withChildren = round % 2 == 0;
        std::vector<DesktopPad*> twins[2];
        for (auto& pads : twins) {
            pads.push_back(desktop.AddPad(stage, "T", 0, 0, 100, 100));
            std::mt19937 shape(static_cast<unsigned>(round));
            for (int i = 1; i < 30; ++i) {
                DesktopPad* parent = pads[std::uniform_int_distribution<size_t>(0, i - 1)(shape)];
                pads.push_back(desktop.AddPad(parent, "P", 0, 0, 1, 1));
            }
        }
        scope.root.reset(BuildRow(view, stage, nullptr));
        std::vector<size_t> chosen(twins[0].size() - 1);
        std::iota(chosen.begin(), chosen.end(), size_t{1});
        std::shuffle(chosen.begin(), chosen.end(), rng);
        chosen.resize(std::uniform_int_distribution<size_t>(1, chosen.size())(rng));

        std::vector<size_t> orders[2];
        for (int twin = 0; twin < 2; ++twin) {
            std::vector<DesktopPad*> candidates;
            for (size_t at : chosen)
                candidates.push_back(twins[twin][at]);
            deleted.clear();
            ASSERT_EQ(run.Begin(Rows(candidates).get()), Start::Offer);
            if (twin == 0) {
                while (run.Delete(withChildren) == Step::ShowNext) {
                }
                run.Finish(DeleteRun::kEndDeleted, withChildren);
            } else {
                run.Finish(DeleteRun::kEndDeleteAll, withChildren);
            }
            for (MvSimplePad* pad : deleted) {
                auto it = std::find(twins[twin].begin(), twins[twin].end(), pad);
                if (it != twins[twin].end())
                    orders[twin].push_back(static_cast<size_t>(it - twins[twin].begin()));
            }
        }
        EXPECT_EQ(orders[0], orders[1]);
        for (auto& pads : twins)
            desktop.DestroyPad(pads[0]);
    }
}

class FrameDeleteScopeTest : public InspectorFixture {};

TEST_F(FrameDeleteScopeTest, RowsStayGoneWhileTheRunLastsAndTheTableIsRebuiltAfter) {
    DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
    DesktopPad* a = desktop.AddPad(stage, "A", 1, 1, 10, 10);
    desktop.AddPad(stage, "B", 20, 1, 10, 10);
    CMainFrame* frame = Open(stage);
    CInspectrView& view = View(frame);
    SelectAll(view, true);
    FrameDeleteScope scope(*frame);
    DeleteRun run(scope);

    ASSERT_EQ(run.Begin(view.selectedRows.get()), Start::Offer);
    EXPECT_EQ(view.autoUpdate, 0);
    EXPECT_EQ(run.Delete(true), Step::ShowNext);
    EXPECT_EQ(run.Next(), Step::ShowNext);
    EXPECT_EQ(FindRowByPad(view.rootRow.get(), a)->gone, 1);
    EXPECT_EQ(Items(frame).size(), 3u);
    run.Finish(DeleteRun::kEndCancel, true);
    EXPECT_EQ(view.autoUpdate, 1);
    EXPECT_EQ(Items(frame).size(), 2u);
    EXPECT_EQ(TreeRootOf(*frame)(), view.rootRow.get());
}

// While a run of deletions holds the frame, the count pane keeps its text; at the release it
// shows the counts of the view as the run left them, also when the scope goes while still
// holding.
TEST_F(FrameDeleteScopeTest, TheCountPaneShowsTheViewsCountsOnceTheHoldEnds) {
    enum class End { DeleteAll, DeleteAllButOne, ScopeGoesHolding };
    struct Case {
        const char* name;
        End end;
    } cases[] = {
        {"Delete All of the children", End::DeleteAll},
        {"Delete All of two children of three", End::DeleteAllButOne},
        {"the scope goes while holding", End::ScopeGoesHolding},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
        for (const char* name : {"A", "B", "C"})
            desktop.AddPad(stage, name, 1, 1, 10, 10);
        CMainFrame* frame = Open(stage);
        CInspectrView& view = View(frame);
        SelectAll(view, true);
        DeselectRow(view, *view.rootRow);
        if (c.end == End::DeleteAllButOne)
            DeselectRow(view, *view.rootRow->children.head);
        std::string before = frame->m_wndStatusBar.GetPaneText(1);
        {
            FrameDeleteScope scope(*frame);
            if (c.end == End::ScopeGoesHolding) {
                scope.HoldPublishing(true);
                frame->SetCountPane(7, 9);
                EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), before);
            } else {
                DeleteRun run(scope);
                ASSERT_EQ(run.Begin(view.selectedRows.get()), Start::Offer);
                run.Finish(DeleteRun::kEndDeleteAll, true);
            }
        }
        std::string expected =
            c.end == End::ScopeGoesHolding
                ? "7/9"
                : std::to_string(view.selectedCount) + "/" + std::to_string(view.rowCount);
        EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), expected);
        frame->DestroyWindow();
        desktop.DestroyPad(stage);
    }
}

// While a run of deletions holds them, the other Inspectors keep the places of the rows that
// went; when it ends each refills once and shows what a new Inspector shows. A child and then
// its parent going (as Delete All takes them, deepest first) leave places that meet, and the
// row after them must stay.
TEST_F(FrameDeleteScopeTest, OtherInspectorsRefillOnceWhenTheRunEnds) {
    struct Case {
        const char* name;
        int childrenOfA;                    // A1, A2…
        std::vector<const char*> destroyed; // in this order, while the run holds
        const char* counts;                 // the other Inspector's count pane after the run
    } cases[] = {
        {"a pad on its own", 0, {"A"}, "1/3"},
        {"a child, then its parent", 1, {"A/A1", "A"}, "1/3"},
        {"the last of two children, then their parent", 2, {"A/A2", "A"}, "1/3"},
        {"the first of two children, then their parent", 2, {"A/A1", "A"}, "1/3"},
        {"a parent with its child", 1, {"A"}, "1/3"},
        {"the child of the selected pad, then a pad before it", 1, {"B/C", "A"}, "1/2"},
        {"more rows than half the places, one by one", 2, {"A/A1", "A/A2", "A", "B/C"}, "1/2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
        DesktopPad* a = desktop.AddPad(stage, "A", 1, 1, 10, 10);
        for (int i = 1; i <= c.childrenOfA; ++i)
            desktop.AddPad(a, "A" + std::to_string(i), 1, 1, 5, 5);
        DesktopPad* b = desktop.AddPad(stage, "B", 20, 1, 10, 10);
        desktop.AddPad(b, "C", 1, 1, 5, 5);
        CMainFrame* other = Open();
        CMainFrame* frame = Open(stage);
        ASSERT_NE(other, frame);
        SelectRow(View(other), *FindRowByPad(View(other).rootRow.get(), b)); // stays selected
        size_t itemsBefore = Items(other).size();
        {
            FrameDeleteScope scope(*frame);
            scope.HoldPublishing(true);
            for (const char* path : c.destroyed)
                desktop.DestroyPad(desktop.FindByPath((std::string("Stage/") + path).c_str()));
            EXPECT_TRUE(View(other).refillPending);
            EXPECT_EQ(Items(other).size(), itemsBefore) << "the places stay while the run lasts";
            scope.HoldPublishing(false);
        }
        EXPECT_FALSE(View(other).refillPending);
        EXPECT_EQ(View(other).refillHeld, 0);
        CMainFrame* fresh = Open();
        EXPECT_EQ(Items(other), Items(fresh));
        EXPECT_EQ(other->m_wndStatusBar.GetPaneText(1), c.counts);
        int itemOfB = View(other).List().GetNextItem(-1, LVNI_SELECTED);
        EXPECT_EQ(RowOfItem(View(other), itemOfB)->pad, b);
        EXPECT_EQ(Length(View(other).selectedRows.get()), 1);
        for (CMainFrame* open : {fresh, frame, other})
            open->DestroyWindow();
        desktop.DestroyPad(stage);
    }
}

// While a run holds the Inspector it rebuilds, a selected row that goes stays selected; when
// the hold ends, before the rebuild, the rows that went have left the selection, the pad's
// copy and the item's state with them, and a selected pad that stays keeps all three.
TEST_F(FrameDeleteScopeTest, TheSelectedRowsThatWentLeaveTheSelectionWhenTheHoldEnds) {
    struct Case {
        const char* name;
        bool protectC;                 // C is protected against deletion
        bool deleteAll;                // else A goes, with A1, while the hold lasts
        std::vector<const char*> kept; // the pads selected after it, in list order
        bool withHits = false;         // a results window lists A and A1 beside the Inspector
    } cases[] = {
        {"Delete All of every selected pad", false, true, {}},
        {"Delete All, a protected pad selected", true, true, {"C"}},
        {"a parent and its child destroyed", false, false, {"B", "C"}},
        {"Delete All beside a results window", false, true, {}, true},
        {"a parent and its child destroyed beside a results window",
         false,
         false,
         {"B", "C"},
         true},
    };
    auto publishedBy = [](const CInspectrView& view) {
        std::vector<std::string> names;
        for (int i = 0; view.selectedPads && i < view.selectedPads->length(); ++i) {
            const char* name = view.selectedPads->at(i)->get_own_name();
            names.push_back(name != nullptr ? name : "(a pad that went)");
        }
        return names;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
        DesktopPad* a = desktop.AddPad(stage, "A", 1, 1, 10, 10);
        desktop.AddPad(a, "A1", 1, 1, 5, 5);
        desktop.AddPad(stage, "B", 20, 1, 10, 10);
        DesktopPad* protectedPad = desktop.AddPad(stage, "C", 40, 1, 10, 10);
        if (c.protectC)
            protectedPad->SetProtection(kProtectDelete);
        CMainFrame* frame = Open(stage);
        CInspectrView& view = View(frame);
        CMainFrame* results = nullptr;
        if (c.withHits) {
            frame->ShowSearchResults(
                CollectHits(view.rootRow.get(), SearchConditions{.labelChecked = 1, .label = "A"}));
            results = view.searchFrame;
            ASSERT_NE(results, nullptr);
        }
        SelectAll(view, true);
        DeselectRow(view, *view.rootRow);
        {
            FrameDeleteScope scope(*frame);
            DeleteRun run(scope);
            ASSERT_NE(run.Begin(view.selectedRows.get()), Start::Nothing);
            if (c.deleteAll) {
                run.Finish(DeleteRun::kEndDeleteAll, true);
            } else {
                scope.HoldPublishing(true);
                desktop.DestroyPad(a);
                EXPECT_EQ(Length(view.selectedRows.get()), 4) << "held";
                scope.HoldPublishing(false);
            }
            CListCtrl& list = view.List();
            std::vector<std::string> selected;
            for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
                 i = list.GetNextItem(i, LVNI_SELECTED)) {
                InspectorRow* row = RowOfItem(view, i);
                ASSERT_NE(row, nullptr);
                EXPECT_EQ(row->gone, 0) << "item " << i;
                selected.push_back(row->pad != nullptr ? row->pad->get_own_name() : "");
            }
            EXPECT_EQ(selected, std::vector<std::string>(c.kept.begin(), c.kept.end()));
            EXPECT_EQ(Length(view.selectedRows.get()), static_cast<int>(c.kept.size()));
            EXPECT_EQ(publishedBy(view), std::vector<std::string>(c.kept.begin(), c.kept.end()))
                << "the host is handed no pad that went";
            if (results != nullptr) {
                CInspectrView& hits = View(results);
                EXPECT_EQ(hits.List().GetSelectedCount(), 0u) << "A and A1 went";
                EXPECT_EQ(Length(hits.selectedRows.get()), 0);
                EXPECT_TRUE(publishedBy(hits).empty());
            }
            EXPECT_EQ(view.selectionHeld, 0);
            if (!c.deleteAll)
                run.Finish(DeleteRun::kEndCancel, true);
        }
        frame->DestroyWindow();
        desktop.DestroyPad(stage);
    }
}

// The hits of the pads that go leave the results window with them; a pad whose hit went with
// an earlier deletion below it finds it gone, and the others keep their order.
TEST_F(FrameDeleteScopeTest, AResultsWindowLosesTheHitsOfThePadsThatGo) {
    DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
    DesktopPad* a = desktop.AddPad(stage, "A", 1, 1, 10, 10);
    DesktopPad* inner = desktop.AddPad(a, "AC", 1, 1, 5, 5);
    DesktopPad* last = desktop.AddPad(stage, "AB", 20, 1, 10, 10);
    CMainFrame* source = Open(stage);
    source->ShowSearchResults(
        CollectHits(View(source).rootRow.get(), SearchConditions{.labelChecked = 1, .label = "A"}));
    CMainFrame* results = View(source).searchFrame;
    ASSERT_EQ(Items(results).size(), 3u);
    desktop.DestroyPad(inner);
    ASSERT_EQ(Items(results).size(), 2u);
    desktop.DestroyPad(a);
    ASSERT_EQ(Items(results).size(), 1u);
    EXPECT_EQ(Items(results)[0].substr(0, 9), "Stage\\AB|");
    EXPECT_EQ(View(results).hitIndex.First(a), nullptr);
    EXPECT_EQ(View(results).hitIndex.First(inner), nullptr);
    EXPECT_EQ(View(results).hitIndex.First(last), View(results).searchRows->head);
}

TEST_F(FrameDeleteScopeTest, ASearchResultsFrameLooksUpItsHitsAndRebuildsItsSource) {
    DesktopPad* stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 300);
    desktop.AddPad(stage, "A", 1, 1, 10, 10);
    desktop.AddPad(stage, "AB", 20, 1, 10, 10);
    CMainFrame* source = Open(stage);
    source->ShowSearchResults(
        CollectHits(View(source).rootRow.get(), SearchConditions{.labelChecked = 1, .label = "A"}));
    CMainFrame* results = View(source).searchFrame;
    SelectAll(View(results), true);
    FrameDeleteScope scope(*results);
    EXPECT_EQ(scope.SearchRows(), View(results).searchRows.get());
    EXPECT_EQ(scope.RootRow(), View(source).rootRow.get()) << "the source's tree";
    DeleteRun run(scope);
    ASSERT_EQ(run.Begin(View(results).selectedRows.get()), Start::Offer);
    EXPECT_EQ(run.Delete(true), Step::ShowNext);
    EXPECT_EQ(Items(results).size(), 2u) << "a deleted hit stays until the run ends";
    run.Finish(DeleteRun::kEndCancel, true);
    ASSERT_EQ(Items(results).size(), 1u);
    EXPECT_EQ(Items(results)[0].substr(0, 9), "Stage\\AB|");
}

} // namespace
