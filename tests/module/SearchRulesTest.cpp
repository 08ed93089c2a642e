#include "dialogs/SearchRules.h"
#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "DesktopSlot.h"
#include "RecordingHost.h"
#include "listview/CInspectrView.h"
#include "listview/InspectorRow.h"
#include "listview/RowBuilder.h"
#include "platform/NativeBackend.h"
#include "service/ModuleEntry.h"

#include <gtest/gtest.h>

namespace {

using C = SearchConditions;

// Slot row 2 of the dialog.
C Slot(const char* name, const char* type, const char* value) {
    return {.slotChecked = {0, 1},
            .slotName = {"", name},
            .slotType = {"", type},
            .slotValue = {"", value}};
}

class SearchRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 200, 200);
        DesktopPad* slider = desktop.AddPad(stage, "Slider", 0, 0, 50, 20);
        note = desktop.AddPad(stage, "Note", 0, 30, 50, 20);
        DesktopModel& model = desktop.AddModel("SliderModel");
        model.AddSlot("value", kSlotNumber).Value().SetNumber(10.0);
        model.AddSlot("caption", kSlotString).Value().SetString("Volume level");
        model.AddSlot("enabled", kSlotBoolean).Value().SetBoolean(true);
        model.AddSlot("muted", kSlotBoolean).Value().SetBoolean(false);
        model.AddSlot("options", kSlotDictionary);
        model.AddSlot("reset", kSlotCommand);
        desktop.AssignModel(*slider, model);
        slider->SetPadName("volumeSlider");
        note->SetMemo("first line\nsecond line");
        root.reset(BuildRow(view, stage, nullptr));
    }

    // The labels of the rows that match, in tree order.
    std::string Matching(const C& conditions) {
        std::string labels;
        ForEachInSubtree(root.get(), [&](InspectorRow& row) {
            if (RowMatches(row, conditions))
                labels += (labels.empty() ? "" : " ") + row.label.str();
        });
        return labels;
    }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    CInspectrView view;
    std::unique_ptr<InspectorRow> root;
    DesktopPad* stage = nullptr;
    DesktopPad* note = nullptr;
};

TEST_F(SearchRulesTest, ConditionsAreValidOnlyWithSomethingToCompare) {
    const std::pair<C, bool> cases[] = {
        {C{}, false},
        {C{.labelChecked = 1}, false},
        {C{.label = "OK"}, false},
        {C{.labelChecked = 1, .label = "OK"}, true},
        {Slot("", "", "5"), false},
        {C{.labelChecked = 1, .slotChecked = {1}, .label = "OK", .slotValue = {"5"}}, false},
        {Slot("x", "", "5"), true},
        {Slot("", "Command", ""), true},
        {C{.memoChecked = 1, .memo = "line", .slotValue = {"5"}}, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(SearchConditionsValid(cases[i].first), cases[i].second) << "case " << i;
}

TEST_F(SearchRulesTest, EachConditionAndSlotTypeMatchesByItsOwnRule) {
    const std::pair<C, const char*> cases[] = {
        {C{.labelChecked = 1, .label = "l"}, "Slider"},
        {C{.padNameChecked = 1, .padName = "Slider"}, "Slider"},
        {C{.memoChecked = 1, .memo = "line\r\nsecond"}, "Note"},
        {C{.memoChecked = 1, .memo = "line\nsecond"}, ""},
        {Slot("capt", "", ""), "Slider"},
        {Slot("value", "", "99"), "Slider"}, // a value counts only with a type
        {Slot("", "Number", "1e1"), "Slider"},
        {Slot("", "String", "level"), "Slider"},
        {Slot("enabled", "Boolean", "true"), "Slider"},
        {Slot("muted", "Boolean", "false"), "Slider"},
        {Slot("", "Boolean", "TRUE"), ""},
        {Slot("", "Dictionary", "anything"), "Slider"},
        {Slot("res", "Command", ""), "Slider"},
        {Slot("value", "String", ""), ""},
        // A slot of another type is not read as text (a Boolean's byte is no text pointer).
        {Slot("enabled", "String", ""), ""},
        {Slot("muted", "String", "x"), ""},
        {Slot("caption", "Number", "0"), ""},
    };
    for (const auto& [conditions, matching] : cases)
        EXPECT_EQ(Matching(conditions), matching)
            << conditions.label << conditions.slotName[1] << conditions.slotType[1];
}

TEST_F(SearchRulesTest, PadIdsAreReadAsDecimalNumbersAndTextStepsByCharacters) {
    EXPECT_EQ(ReadPadIdText("0012"), 12);
    EXPECT_EQ(ReadPadIdText("abc"), 0);
    EXPECT_EQ(ReadPadIdText("  +7 and more"), 7);
    EXPECT_EQ(ReadPadIdText("4000000000"), 4000000000LL);
    EXPECT_GT(ReadPadIdText("99999999999999999999999"), 0xFFFFFFFFLL);
    std::string id = "000" + std::to_string(note->GetCreatePadID()) + "x";
    EXPECT_EQ(Matching(C{.padIdChecked = 1, .padId = id}), "Note");

    host.japanese = true;
    // 0x83 0x41 is one character whose trail byte is 'A'.
    EXPECT_FALSE(ContainsText("\x83\x41", "A"));
    EXPECT_TRUE(ContainsText("x\x83\x41"
                             "A",
                             "A"));
    host.japanese = false;
    EXPECT_TRUE(ContainsText("\x83\x41", "A"));
}

TEST_F(SearchRulesTest, HitsAreCopiesInTreeOrderWithTheirLabels) {
    DesktopPad* icon = desktop.AddPad(stage, "Icon", 0, 60, 16, 16, "MvIconPad");
    icon->SetStandsFor(note);
    DesktopPad* knob = desktop.AddPad(stage, "Knob", 0, 0, 5, 5);
    root.reset(BuildRow(view, stage, nullptr));
    FindRowByPad(root.get(), knob)->gone = 1;
    FindRowByPad(root.get(), note)->shown = 0;
    std::unique_ptr<RowList> hits = CollectHits(root.get(), C{.labelChecked = 1, .label = "o"});
    std::string found;
    for (const InspectorRow* hit = hits->head; hit != nullptr; hit = hit->next)
        found += hit->label.str() + (hit->shown ? " " : "(hidden) ");
    EXPECT_EQ(found, "Note Icon(Note) ") << "a gone row is never a hit, a hidden one is";

    hits = CollectHits(root.get(), C{.labelChecked = 1, .label = "S"});
    ASSERT_EQ(Length(hits.get()), 2);
    EXPECT_EQ(hits->head->pad, stage) << "the root is examined too";
    root.reset(BuildDesktopRow(view));
    EXPECT_EQ(CollectHits(root.get(), C{.labelChecked = 1, .label = "Desk"})->head, nullptr);
}

} // namespace
