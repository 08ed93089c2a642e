// Removals from the desktop: destroys and clears report every pad of what goes in the order of
// the tree, take it out of every list and link, and leave the rest of the world whole.

#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "RecordingModule.h"
#include "host/MvPadList.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Stage { Panel { OK, Gone (deleted) }, Side }, Icon standing for Panel, Loose (deleted from the
// desktop) and Shadow, which shares Stage's private model; Loose is deleted before Gone.
struct World {
    World() {
        native::Reset();
        desktop.SetModule(&recorder.module);
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 100, 100);
        panel = desktop.AddPad(stage, "Panel", 0, 0, 50, 50);
        ok = desktop.AddPad(panel, "OK", 0, 0, 10, 10);
        gone = desktop.AddPad(panel, "Gone", 0, 0, 10, 10);
        side = desktop.AddPad(stage, "Side", 0, 0, 10, 10);
        icon = desktop.AddPad(nullptr, "Icon", 0, 0, 10, 10, "MvIconPad");
        loose = desktop.AddPad(nullptr, "Loose", 0, 0, 10, 10);
        shadow = desktop.AddPad(nullptr, "Shadow", 0, 0, 10, 10);
        icon->SetStandsFor(panel);
        panel->SetIcon(icon);
        desktop.AssignModel(*shadow, *stage->Model());
        desktop.DeletePad(loose);
        desktop.DeletePad(gone);
        recorder.Clear();
    }

    // Each pad in memory by ID: its name, what it links to, and whether its model lists it.
    std::string Remaining() {
        std::string text;
        for (DesktopPad* pad : desktop.AllPads()) {
            text += text.empty() ? "" : " ";
            text += pad->get_own_name();
            if (pad->Icon() != nullptr)
                text += std::string(" icon=") + pad->Icon()->get_own_name();
            if (pad->StandsFor() != nullptr)
                text += std::string(" for=") + pad->StandsFor()->get_own_name();
            if (pad->Model()->Dependents().indexOf(pad) < 0)
                text += " unlisted";
        }
        return text;
    }

    RecordingModule recorder;
    Desktop desktop;
    DesktopPad* stage;
    DesktopPad* panel;
    DesktopPad* ok;
    DesktopPad* gone;
    DesktopPad* side;
    DesktopPad* icon;
    DesktopPad* loose;
    DesktopPad* shadow;
};

struct RemovalCase {
    const char* name;
    std::function<void(World&)> act;
    // The pads reported deleted, in order, and what is left.
    std::vector<std::string> deleted;
    std::string remaining;
};

const RemovalCase kRemovals[] = {
    {"DestroyKeepsTheSharedModelOfTheTopPad",
     [](World& w) { w.desktop.DestroyPad(w.stage); },
     {"Stage", "Panel", "OK", "Gone", "Side"},
     "Icon Loose Shadow"},
    {"DestroyOfAnIconUnlinksItsPad",
     [](World& w) { w.desktop.DestroyPad(w.icon); },
     {"Icon"},
     "Stage Panel OK Gone Side Loose Shadow"},
    {"DestroyOfADeletedPad",
     [](World& w) { w.desktop.DestroyPad(w.loose); },
     {"Loose"},
     "Stage Panel icon=Icon OK Gone Side Icon for=Panel Shadow"},
    {"AnUndoneDeleteIsALiveChildAgain",
     [](World& w) {
         w.desktop.Undo();
         w.desktop.DestroyPad(w.panel);
     },
     {"Panel", "OK", "Gone"},
     "Stage Side Icon Loose Shadow"},
    {"ADeletedPadPastedElsewhereLeavesItsOldParent",
     [](World& w) {
         w.gone->paste(w.side, 0, 0);
         w.desktop.DestroyPad(w.panel);
     },
     {"Panel", "OK"},
     "Stage Gone Side Icon Loose Shadow"},
    {"ARelinkedIconStandsForTheNewPad",
     [](World& w) {
         w.icon->SetStandsFor(w.side);
         w.desktop.DestroyPad(w.panel);
         w.desktop.DestroyPad(w.side);
     },
     {"Panel", "OK", "Gone", "Side"},
     "Stage Icon Loose Shadow"},
    {"DeletedChildrenGoByIdWhateverOrderTheyWentIn",
     [](World& w) {
         w.desktop.DeletePad(w.ok); // after Gone, which has the higher ID
         w.desktop.DestroyPad(w.panel);
     },
     {"OK", "Panel", "OK", "Gone"},
     "Stage Side Icon Loose Shadow"},
    {"ADeletedChildDestroyedOnItsOwnLeavesItsParent",
     [](World& w) {
         w.desktop.DestroyPad(w.gone);
         w.desktop.DestroyPad(w.panel);
     },
     {"Gone", "Panel", "OK"},
     "Stage Side Icon Loose Shadow"},
    {"ClearGoesFromTheTopPadDownThenTheDeletedPads",
     [](World& w) { w.desktop.Clear(); },
     {"Shadow", "Icon", "Stage", "Panel", "OK", "Gone", "Side", "Loose"},
     ""},
};

class DesktopRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(DesktopRemoval, ReportsWhatGoesInTreeOrderAndLeavesTheRestWhole) {
    World world;
    GetParam().act(world);
    std::vector<std::string> deleted;
    for (const RecordedCall& call : world.recorder.calls) {
        if (call.entry == "Delete")
            deleted.push_back(call.ownName);
    }
    EXPECT_EQ(deleted, GetParam().deleted);
    EXPECT_EQ(world.Remaining(), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesktopRemoval, ::testing::ValuesIn(kRemovals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopRemovalReports, PadsAlreadyClearedAreNoLongerFound) {
    World world;
    std::vector<unsigned> freed;
    int deletes = 0;
    int found = 0;
    world.desktop.AddObserver([&](const DesktopChange& change) {
        if (change.kind == ChangeKind::Freeing)
            freed.push_back(static_cast<DesktopPad*>(change.pad)->Id());
        if (change.kind != ChangeKind::Delete)
            return;
        ++deletes;
        for (unsigned id : freed)
            found += world.desktop.FindById(id) != nullptr ? 1 : 0;
    });
    world.desktop.Clear();
    EXPECT_EQ(deletes, 8);
    EXPECT_EQ(freed.size(), 8u);
    EXPECT_EQ(found, 0);
    EXPECT_TRUE(world.desktop.AllPads().empty());
    EXPECT_TRUE(world.desktop.TopLevelPads().empty());
}

TEST(DesktopRemovalReports, ObserversRemovedDuringAReportHearNoMore) {
    World world;
    std::vector<std::string> heard;
    int second = 0;
    int added = 0;
    world.desktop.AddObserver([&](const DesktopChange& change) {
        heard.push_back("first " + std::string(change.pad->get_own_name()));
        world.desktop.RemoveObserver(second);
        if (added == 0)
            added = world.desktop.AddObserver([&](const DesktopChange& later) {
                heard.push_back("added " + std::string(later.pad->get_own_name()));
            });
    });
    second = world.desktop.AddObserver([&](const DesktopChange&) { heard.push_back("second"); });
    world.desktop.MovePad(world.side, 1, 1);
    world.desktop.MovePad(world.ok, 1, 1);
    EXPECT_EQ(heard, (std::vector<std::string>{"first Side", "first OK", "added OK"}));
}

} // namespace
