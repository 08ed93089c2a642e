#include "dialogs/GeometryRules.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "RecordingHost.h"
#include "dialogs/GeometryMessages.h"
#include "listview/CInspectrView.h"
#include "listview/RowBuilder.h"
#include "platform/NativeBackend.h"
#include "resources/ResourceIds.h"
#include "service/ModuleEntry.h"

#include <gtest/gtest.h>

namespace {

using Field = GeometryField;

class ScriptedMessages : public GeometryMessages {
public:
    void Warn(unsigned id) override { shown.push_back(id); }
    bool Ask(unsigned id) override { return shown.push_back(id), answer; }
    bool answer = true;
    std::vector<unsigned> shown;
};

// A desktop Inspector's tree without windows: Stage (100, 50) holds A and B, B holds B1;
// Loose lies on the desktop. Which values a dialog opens with, and which fields and boxes it
// enables, the dialog scripts read end to end.
class GeometryRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        Build();
        desktop.AddObserver([this](const DesktopChange& change) {
            if (change.kind == ChangeKind::Position || change.kind == ChangeKind::Size)
                changes.push_back(static_cast<DesktopPad*>(change.pad));
        });
    }

    void Build() {
        root.reset();
        desktop.Clear();
        messages.shown.clear();
        changes.clear();
        stage = desktop.AddPad(nullptr, "Stage", 100, 50, 400, 300);
        a = desktop.AddPad(stage, "A", 10, 20, 50, 40);
        b = desktop.AddPad(stage, "B", 200, 100, 80, 60);
        b1 = desktop.AddPad(b, "B1", 5, 5, 20, 20);
        loose = desktop.AddPad(nullptr, "Loose", 600, 10, 30, 30);
        root.reset(BuildDesktopRow(view));
    }

    bool Open(std::initializer_list<DesktopPad*> pads) {
        RowList selected;
        for (DesktopPad* pad : pads)
            Append(selected, CopyRow(*FindRowByPad(root.get(), pad)));
        return OpenGeometry(&selected, root.get(), selection, values);
    }

    void Apply() {
        ApplyGeometryToPads(
            selection.pads.get(), values, [this] { return root.get(); }, messages);
    }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    CInspectrView view;
    std::unique_ptr<InspectorRow> root;
    GeometrySelection selection;
    GeometryValues values;
    ScriptedMessages messages;
    std::vector<DesktopPad*> changes;
    DesktopPad *stage, *a, *b, *b1, *loose;
};

TEST_F(GeometryRulesTest, ValidationReadsXYHeightWidthAndTestsRangesXYWidthHeight) {
    const GeometryFailure x{Field::X, IDS_POSITION_RANGE}, y{Field::Y, IDS_POSITION_RANGE};
    const GeometryFailure w{Field::Width, IDS_SIZE_RANGE}, h{Field::Height, IDS_SIZE_RANGE};
    const std::pair<GeometryTexts, std::optional<GeometryFailure>> cases[] = {
        {{"abc", "0", "10", "10"}, x},
        {{"0", "16384", "10", "10"}, y},
        {{"-16383", "16383", "1", "8192"}, std::nullopt},
        {{"0", "0", "0", "10"}, w},
        {{"0", "0", "8193", "10"}, w},
        {{"0", "0", "10", "-5"}, h},
        {{"0", "0", "x", "y"}, h},    // height reads first
        {{"0", "0", "0", "9000"}, w}, // width's range is tested first
        {{"abc", "0", "9000", "10"}, x},
    };
    for (const auto& [texts, failure] : cases) {
        GeometryValues read;
        EXPECT_EQ(ValidateGeometryFields(texts, read), failure) << texts.x << "/" << texts.height;
    }
}

TEST_F(GeometryRulesTest, LocksAndGroupsOfThePadsAfterTheFirstChooseTheQuestion) {
    struct Case {
        unsigned looseBits, aBits, b1Bits;
        int aGroup;
        unsigned question;
    };
    const Case cases[] = {
        {0x3, 0, 0, 0, 0}, // the reference pad's own locks disable its fields instead
        {0, 0x1, 0, 0, IDS_CANNOT_CHANGE_POSITION},
        {0, 0x2, 0, 0, IDS_CANNOT_CHANGE_SIZE},
        {0, 0x1, 0x2, 0, IDS_CANNOT_CHANGE_GEOMETRY},
        {0, 0x3, 0, 0, IDS_CANNOT_CHANGE_GEOMETRY},
        {0, 0, 0, 1, IDS_CANNOT_CHANGE_GEOMETRY},
    };
    messages.answer = false;
    for (const Case& c : cases) {
        loose->SetProtection(c.looseBits);
        a->SetProtection(c.aBits);
        b1->SetProtection(c.b1Bits);
        a->SetGroupDepth(c.aGroup);
        Open({loose, a, b1});
        messages.shown.clear();
        GeometryCheck check = CheckGeometry({"1", "2", "3", "4"}, selection, values, messages);
        EXPECT_EQ(check.proceed, c.question == 0) << c.aBits << "/" << c.b1Bits;
        EXPECT_EQ(messages.shown.empty() ? 0 : messages.shown[0], c.question);
    }
}

TEST_F(GeometryRulesTest, RelativeModeCountsFromEachPadsOwnParent) {
    Open({a, b1, loose});
    GeometryTexts texts{"x", "70", "50", "40"};
    EXPECT_TRUE(SwitchGeometryMode(texts, CoordinateMode::Relative, selection, root.get(), values));
    EXPECT_EQ(values.mode, CoordinateMode::Absolute);
    texts.x = "110";
    SwitchGeometryMode(texts, CoordinateMode::Relative, selection, root.get(), values);
    EXPECT_EQ(values.x, 10);

    values.x = 7;
    values.SetArranged(Field::X, true);
    Apply();
    EXPECT_EQ(a->RelX(), 7);
    EXPECT_EQ(b1->RelX(), 7);
    EXPECT_EQ(loose->RelX(), 7) << "on the desktop relative and absolute are the same";
    EXPECT_EQ(b1->Width(), 20) << "only X is arranged";
    EXPECT_TRUE(ReflectGeometry(
        selection, values, [this] { return root.get(); }, messages));
    EXPECT_EQ(values.x, 7) << "Reflect reads the values again in the mode in force";
    FindRowByPad(root.get(), a)->gone = 1;
    EXPECT_FALSE(RereadGeometry(selection, root.get(), values)) << "a pad gone is never read";
    EXPECT_FALSE(ReflectGeometry(
        selection, values, [] { return nullptr; }, messages))
        << "without a tree the dialog ends";
    EXPECT_FALSE(Open({a})) << "no reference pad: the dialog does not open";
}

TEST_F(GeometryRulesTest, ParentsFirstAndLockedOrGroupedValuesKept) {
    a->SetGroupDepth(1);
    b->SetProtection(kProtectSize);
    b1->SetProtection(kProtectPosition);
    Open({b1, loose, a, b});
    values = {1, 2, 33, 44, CoordinateMode::Absolute, {true, true, true, true}};
    Apply();
    EXPECT_EQ(changes, (std::vector<DesktopPad*>{b, b1, loose, loose}));
    EXPECT_EQ(a->Region().X(), 110);
    EXPECT_EQ(b->Width(), 80);
    EXPECT_EQ(b1->Width(), 33);
    EXPECT_EQ(b1->RelX(), 5);
    std::vector<int> undoKinds;
    for (const UndoEntry& entry : desktop.Undos().Entries())
        undoKinds.push_back(entry.kind);
    EXPECT_EQ(undoKinds, (std::vector<int>{kUndoMove, kUndoResize, kUndoResize, kUndoMove}));
    EXPECT_EQ(host.calls, std::vector<std::string>(4, "SetScrollFromInspect"));
}

TEST_F(GeometryRulesTest, ConfinementRefusalsLeaveThatPadWhollyUnchanged) {
    struct Case {
        const char* confined; // its path; B1 is always confined
        GeometryValues typed;
        bool refused;
    };
    const std::array<bool, 4> every{true, true, true, true};
    auto v = [](int x, int y, unsigned w, unsigned h, std::array<bool, 4> arrange) {
        return GeometryValues{x, y, w, h, CoordinateMode::Absolute, arrange};
    };
    const Case cases[] = {
        {"Stage/A", v(90, 70, 60, 40, every), true}, // out of its parent
        {"Stage/A", v(120, 80, 60, 40, every), false},
        {"Stage/B", v(0, 0, 10, 10, {false, false, true, true}), true}, // shrinks over B1
        {"Stage/B", v(150, 60, 90, 70, every), true}, // moves and resizes away from B1
        {"Stage/B", v(150, 60, 0, 0, {true, true, false, false}), false}, // only moves
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.confined);
        Build();
        DesktopPad* confined = desktop.FindByPath(c.confined);
        confined->SetProtection(kProtectConfined);
        b1->SetProtection(kProtectConfined);
        const MwRectangle before = confined->Region();
        Open({confined, loose});
        values = c.typed;
        Apply();
        EXPECT_EQ(messages.shown.size(), c.refused ? 1u : 0u);
        const MwRectangle after = confined->Region();
        EXPECT_EQ(after.X() == before.X() && after.Width() == before.Width() &&
                      after.Y() == before.Y() && after.Height() == before.Height(),
                  c.refused);
        EXPECT_EQ(changes.back(), loose) << "the other pad still changes";
    }
    Build();
    b1->SetProtection(kProtectConfined);
    EXPECT_EQ(ProtectedChildrenBounds(b), (PadRect{305, 155, 20, 20}));
    Open({b});
    values.width = 10;
    Apply();
    EXPECT_EQ(b->Width(), 10) << "an unconfined pad may shrink over confined children";
}

} // namespace
