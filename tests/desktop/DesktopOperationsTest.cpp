#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "RecordingModule.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class DesktopOperations : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        desktop.SetModule(nullptr);
        desktop.Clear();
        desktop.SetModule(&recorder.module);
        parent = desktop.AddPad(nullptr, "Parent", 100, 50, 300, 200, "MvPanelPad");
        parent->Model()->AddSlot("value", kSlotNumber);
        child = desktop.AddPad(parent, "Child", 10, 20, 50, 40, "MvButtonPad");
        child->Model()->AddSlot("text", kSlotString);
        child->Model()->AddSlot("count", kSlotNumber);
        child->Model()->AddSlot("flag", kSlotBoolean);
        child->Model()->AddSlot("run", kSlotCommand);
        recorder.Clear();
    }

    RecordingModule recorder;
    Desktop desktop;
    DesktopPad* parent = nullptr;
    DesktopPad* child = nullptr;
};

// Each operation reports its pad once. That the report comes after the change, the
// randomized comparison of Inspectors with freshly opened ones shows.
TEST_F(DesktopOperations, EachOperationSendsOneNotificationNamingItsPad) {
    ASSERT_TRUE(desktop.MovePad(child, 30, 40));
    ASSERT_TRUE(desktop.ResizePad(child, 70, 80));
    ASSERT_TRUE(desktop.HidePad(child));
    ASSERT_TRUE(desktop.ShowPad(child));
    ASSERT_TRUE(desktop.SelectPad(child));
    ASSERT_TRUE(desktop.DeselectPad(child));
    ASSERT_TRUE(desktop.RenamePad(child, "Renamed"));
    ASSERT_TRUE(desktop.ConnectPad(child, "value"));
    ASSERT_TRUE(desktop.ConnectPad(child, ""));
    ASSERT_TRUE(desktop.SetOutput(child, "count"));
    ASSERT_TRUE(desktop.SetOutput(child, ""));
    ASSERT_TRUE(desktop.GroupPad(child));
    ASSERT_TRUE(desktop.UngroupPad(child));
    ASSERT_TRUE(desktop.RaisePad(child));
    ASSERT_TRUE(desktop.LowerPad(child));
    ASSERT_TRUE(desktop.RepastePad(child, nullptr, 5, 6));
    ASSERT_TRUE(desktop.DestroyPad(child));
    EXPECT_EQ(recorder.Entries(),
              (std::vector<std::string>{"Position", "Size", "Hide", "Show", "Select", "Select",
                                        "Ownname", "Connect", "Connect", "Output", "Output",
                                        "Group", "Group", "Raise", "Lower", "Paste", "Delete"}));
    for (const RecordedCall& call : recorder.calls)
        EXPECT_EQ(call.pad, child) << call.entry;
    EXPECT_EQ(recorder.calls.back().ownName, "Renamed") << "a destroyed pad is read before it goes";
}

TEST_F(DesktopOperations, SlotValueChangesAreReportedWithModelAndIndex) {
    struct SlotCase {
        const char* slot;
        const char* text;
        int index;
        const char* reported;
    };
    const SlotCase cases[] = {
        {"text", "hello", 0, "hello"},
        {"count", "2.5", 1, "2.500000"},
        {"flag", "true", 2, "true"},
    };
    for (const SlotCase& slotCase : cases) {
        SCOPED_TRACE(slotCase.slot);
        recorder.Clear();
        ASSERT_TRUE(desktop.SetSlotValue(child, slotCase.slot, slotCase.text));
        ASSERT_EQ(recorder.Entries(), std::vector<std::string>{"SlotValue"});
        EXPECT_EQ(recorder.calls[0].model, child->get_model());
        EXPECT_EQ(recorder.calls[0].slotIndex, slotCase.index);
        EXPECT_EQ(recorder.calls[0].slotValue, slotCase.reported);
    }
}

TEST_F(DesktopOperations, RefusedOperationsChangeNothingAndStaySilent) {
    struct RefusalCase {
        const char* name;
        std::function<void(DesktopPad&)> prepare;
        std::function<bool(Desktop&, DesktopPad&)> apply;
    };
    const RefusalCase cases[] = {
        {"MoveLocked", [](DesktopPad& p) { p.SetProtection(kProtectPosition); },
         [](Desktop& d, DesktopPad& p) { return d.MovePad(&p, 1, 1); }},
        {"ResizeLocked", [](DesktopPad& p) { p.SetProtection(kProtectSize); },
         [](Desktop& d, DesktopPad& p) { return d.ResizePad(&p, 1, 1); }},
        {"DeleteLocked", [](DesktopPad& p) { p.SetProtection(kProtectDelete); },
         [](Desktop& d, DesktopPad& p) { return d.DeletePad(&p); }},
        {"DestroyLocked", [](DesktopPad& p) { p.SetProtection(kProtectDelete); },
         [](Desktop& d, DesktopPad& p) { return d.DestroyPad(&p); }},
        {"UngroupAtZero", nullptr, [](Desktop& d, DesktopPad& p) { return d.UngroupPad(&p); }},
        {"ConnectUnknownSlot", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.ConnectPad(&p, "nope"); }},
        {"OutputUnknownSlot", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.SetOutput(&p, "nope"); }},
        {"NumberFromText", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.SetSlotValue(&p, "count", "many"); }},
        {"BooleanFromText", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.SetSlotValue(&p, "flag", "maybe"); }},
        {"CommandValue", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.SetSlotValue(&p, "run", "x"); }},
        {"NegativeSize", nullptr, [](Desktop& d, DesktopPad& p) { return d.ResizePad(&p, -1, 5); }},
        {"RepasteIntoOwnSubtree", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.RepastePad(p.Parent(), &p, 0, 0); }},
        {"MoveOffTheDesktop", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.MovePad(&p, 2147483647, 2147483647); }},
        {"MoveParentPushingTheChildOff", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.MovePad(p.Parent(), 32767, 0); }},
        {"RepasteOffTheDesktop", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.RepastePad(&p, nullptr, 0, -32769); }},
        {"ResizeAboveTheLimit", nullptr,
         [](Desktop& d, DesktopPad& p) { return d.ResizePad(&p, 32768, 5); }},
        {"GroupAboveTheLimit", [](DesktopPad& p) { p.SetGroupDepth(255); },
         [](Desktop& d, DesktopPad& p) { return d.GroupPad(&p); }},
        {"MoveDeleted", [](DesktopPad& p) { p.delete_hide(); },
         [](Desktop& d, DesktopPad& p) { return d.MovePad(&p, 1, 1); }},
        {"SelectDeleted", [](DesktopPad& p) { p.delete_hide(); },
         [](Desktop& d, DesktopPad& p) { return d.SelectPad(&p); }},
    };
    for (const RefusalCase& refusal : cases) {
        SCOPED_TRACE(refusal.name);
        SetUp();
        if (refusal.prepare)
            refusal.prepare(*child);
        recorder.Clear();
        MwRectangle before = child->Region();
        EXPECT_FALSE(refusal.apply(desktop, *child));
        EXPECT_TRUE(recorder.calls.empty()) << ::testing::PrintToString(recorder.Entries());
        ASSERT_NE(desktop.FindById(child->GetCreatePadID()), nullptr);
        EXPECT_EQ(child->Region().X(), before.X());
        EXPECT_EQ(child->Region().Width(), before.Width());
        EXPECT_EQ(child->Parent(), parent);
    }
}

TEST_F(DesktopOperations, FrameworkOperationsOfThePadNotifyToo) {
    child->move(1, 2, 0);
    child->resize(3, 4);
    child->select(0);
    child->deselect();
    child->connect(parent, "value");
    child->SetGroupDepth(1);
    child->ungroup();
    child->paste(nullptr, 7, 8);
    child->delete_hide();
    parent->destroy();
    EXPECT_EQ(recorder.Entries(),
              (std::vector<std::string>{"Position", "Size", "Select", "Select", "Connect", "Group",
                                        "Paste", "Delete", "Delete"}));
    EXPECT_EQ(child->get_groupDepth(), 0);
}

// The pads' own operations cannot refuse: they keep every pad within the desktop's limits.
TEST_F(DesktopOperations, FrameworkOperationsKeepPadsWithinTheLimits) {
    parent->move(2147483647, -2147483647 - 1, 0);
    EXPECT_EQ(parent->Region().X(), 32767 - 10) << "the child stays on the desktop too";
    EXPECT_EQ(parent->Region().Y(), -32768);
    child->paste(nullptr, -2147483647 - 1, 2147483647);
    EXPECT_EQ(child->Region().X(), -32768);
    EXPECT_EQ(child->Region().Y(), 32767);
    child->resize(2147483647, 40000);
    EXPECT_EQ(child->Width(), 32767);
    EXPECT_EQ(child->Height(), 32767);
    child->SetGroupDepth(2147483647);
    EXPECT_EQ(child->get_groupDepth(), 255);
}

TEST_F(DesktopOperations, ObserversSeeTheSameSequenceWithoutAModule) {
    desktop.SetModule(nullptr);
    std::vector<ChangeKind> seen;
    int handle = desktop.AddObserver([&seen](const DesktopChange& c) { seen.push_back(c.kind); });
    desktop.MovePad(child, 1, 1);
    desktop.DestroyPad(child);
    desktop.RemoveObserver(handle);
    desktop.MovePad(parent, 2, 2);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(seen, (std::vector<ChangeKind>{ChangeKind::Position, ChangeKind::Delete,
                                             ChangeKind::Freeing}));
}

} // namespace
