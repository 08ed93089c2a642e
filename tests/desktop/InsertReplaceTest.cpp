#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "RecordingModule.h"
#include "host/MvPadList.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

namespace {

std::vector<MvSimplePad*> Children(DesktopPad* pad) {
    std::vector<MvSimplePad*> pads;
    for (int i = 0; i < pad->ChildCount(); ++i)
        pads.push_back(pad->Child(i));
    return pads;
}

// Stage (100,100) holds Left, Target (with Kid) and Right; Spare lies on the desktop.
class InsertReplace : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        desktop.SetModule(&recorder.module);
        stage = desktop.AddPad(nullptr, "Stage", 100, 100, 500, 400);
        stage->Model()->AddSlot("value", kSlotNumber);
        left = desktop.AddPad(stage, "Left", 0, 0, 50, 50);
        target = desktop.AddPad(stage, "Target", 200, 100, 120, 80);
        target->Model()->AddSlot("text", kSlotString);
        kid = desktop.AddPad(target, "Kid", 10, 10, 20, 20);
        right = desktop.AddPad(stage, "Right", 300, 0, 50, 50);
        spare = desktop.AddPad(nullptr, "Spare", 700, 700, 60, 30);
        desktop.ConnectPad(target, "value");
        desktop.ConnectPad(kid, "text");
        recorder.Clear();
    }

    RecordingModule recorder;
    Desktop desktop;
    DesktopPad* stage = nullptr;
    DesktopPad* left = nullptr;
    DesktopPad* target = nullptr;
    DesktopPad* kid = nullptr;
    DesktopPad* right = nullptr;
    DesktopPad* spare = nullptr;
};

TEST_F(InsertReplace, InsertAsChildPutsFromOnToAtTheDesktopPlaceGiven) {
    ASSERT_EQ(desktop.Insert(target, spare, 0, 320, 220, 40, 20), 1);
    EXPECT_EQ(spare->Parent(), target);
    EXPECT_EQ(Children(target), (std::vector<MvSimplePad*>{kid, spare}));
    EXPECT_EQ(spare->Region().X(), 320);
    EXPECT_EQ(spare->Region().Y(), 220);
    EXPECT_EQ(spare->RelX(), 20);
    EXPECT_EQ(spare->Width(), 40);
    EXPECT_EQ(recorder.Entries(), (std::vector<std::string>{"Paste", "Size"}));
    EXPECT_EQ(desktop.TopLevelPads(), std::vector<DesktopPad*>{stage});
}

TEST_F(InsertReplace, InsertAsParentPutsFromBetweenToAndItsParent) {
    ASSERT_EQ(desktop.Insert(target, spare, 1, 250, 150, 200, 150), 1);
    EXPECT_EQ(spare->Parent(), stage);
    EXPECT_EQ(Children(stage), (std::vector<MvSimplePad*>{left, spare, right}));
    EXPECT_EQ(spare->Region().X(), 250);
    EXPECT_EQ(spare->Height(), 150);
    EXPECT_EQ(target->Parent(), spare);
    EXPECT_EQ(target->Region().X(), 300) << "To keeps its place on the screen";
    EXPECT_EQ(target->Region().Y(), 200);
    EXPECT_EQ(target->get_slotname(), nullptr) << "its parent changed";
    EXPECT_EQ(kid->Parent(), target);
    ASSERT_EQ(recorder.Entries(), (std::vector<std::string>{"Paste", "Size", "Paste"}));
    EXPECT_EQ(recorder.calls[0].pad, spare);
    EXPECT_EQ(recorder.calls[2].pad, target);
}

TEST_F(InsertReplace, InsertAsParentOnTheDesktopTakesToZPlace) {
    DesktopPad* top = desktop.AddPad(nullptr, "Top", 0, 0, 10, 10);
    ASSERT_EQ(desktop.Insert(stage, spare, 1, 0, 0, 800, 800), 1);
    EXPECT_EQ(desktop.TopLevelPads(), (std::vector<DesktopPad*>{spare, top}));
    EXPECT_EQ(stage->Parent(), spare);
    EXPECT_EQ(stage->Region().X(), 100);
}

TEST_F(InsertReplace, PastesThatWouldMakeALoopAreRefused) {
    EXPECT_EQ(desktop.Insert(kid, target, 0, 0, 0, 10, 10), 0) << "onto its own child";
    EXPECT_EQ(desktop.Insert(kid, stage, 1, 0, 0, 10, 10), 0) << "between its descendants";
    EXPECT_EQ(desktop.Insert(target, target, 0, 0, 0, 10, 10), 0);
    EXPECT_EQ(desktop.Replace(kid, target), 0) << "into its own subtree";
    EXPECT_EQ(desktop.Replace(spare, spare), 0);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(kid->Parent(), target);
    EXPECT_EQ(target->Parent(), stage);
}

TEST_F(InsertReplace, ReplaceGivesFromThePlaceConnectionAndChildrenOfTo) {
    ASSERT_EQ(desktop.Replace(target, spare), 1);
    EXPECT_EQ(Children(stage), (std::vector<MvSimplePad*>{left, spare, right}));
    EXPECT_EQ(spare->RelX(), 200);
    EXPECT_EQ(spare->RelY(), 100);
    EXPECT_EQ(spare->Width(), 120);
    EXPECT_EQ(spare->Height(), 80);
    EXPECT_STREQ(spare->get_slotname(), "value");
    EXPECT_EQ(kid->Parent(), spare);
    EXPECT_EQ(kid->Region().X(), 310) << "children keep their place";
    EXPECT_EQ(kid->get_slotname(), nullptr) << "From's model has no slot \"text\"";
    EXPECT_TRUE(target->isDeleteHide());
    EXPECT_EQ(target->ChildCount(), 0);
    EXPECT_EQ(recorder.Entries(),
              (std::vector<std::string>{"Paste", "Size", "Connect", "Paste", "Delete"}));
    EXPECT_EQ(recorder.calls.back().pad, target);
}

TEST_F(InsertReplace, ReplaceKeepsChildConnectionsWhenFromHasTheSlot) {
    spare->Model()->AddSlot("text", kSlotString);
    ASSERT_EQ(desktop.Replace(target, spare), 1);
    EXPECT_STREQ(kid->get_slotname(), "text");
    EXPECT_EQ(kid->get_datalink_parent(), spare);
}

TEST_F(InsertReplace, ReplaceByOwnChildLiftsTheChild) {
    ASSERT_EQ(desktop.Replace(target, kid), 1);
    EXPECT_EQ(Children(stage), (std::vector<MvSimplePad*>{left, kid, right}));
    EXPECT_EQ(kid->Region().X(), 300);
    EXPECT_TRUE(target->isDeleteHide());
}

} // namespace
