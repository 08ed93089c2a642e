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

#include <functional>

namespace {

class SearchRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 200, 200);
        slider = desktop.AddPad(stage, "Slider", 0, 0, 50, 20);
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
    }

    // The labels of the world's rows that match, in tree order.
    std::string Matching(const SearchConditions& conditions) {
        CInspectrView view;
        std::unique_ptr<InspectorRow> root(BuildRow(view, stage, nullptr));
        std::string labels;
        ForEachInSubtree(root.get(), [&](InspectorRow& row) {
            if (RowMatches(row, conditions))
                labels += (labels.empty() ? "" : " ") + row.label;
        });
        return labels;
    }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    DesktopPad* stage = nullptr;
    DesktopPad* slider = nullptr;
    DesktopPad* note = nullptr;
};

TEST_F(SearchRulesTest, ConditionsAreValidOnlyWithSomethingStated) {
    using Edit = std::function<void(SearchConditions&)>;
    const struct {
        const char* name;
        Edit edit;
        bool valid;
    } cases[] = {
        {"nothing checked", [](SearchConditions&) {}, false},
        {"a checked label box without text", [](SearchConditions& c) { c.labelChecked = 1; },
         false},
        {"a label text without its box", [](SearchConditions& c) { c.label = "OK"; }, false},
        {"a checked label with text",
         [](SearchConditions& c) {
             c.labelChecked = 1;
             c.label = "OK";
         },
         true},
        {"a slot value alone",
         [](SearchConditions& c) {
             c.slotChecked[1] = 1;
             c.slotValue[1] = "5";
         },
         false},
        {"a slot value alone beside a stated label",
         [](SearchConditions& c) {
             c.labelChecked = 1;
             c.label = "OK";
             c.slotChecked[2] = 1;
             c.slotValue[2] = "5";
         },
         false},
        {"a slot value with a name",
         [](SearchConditions& c) {
             c.slotChecked[0] = 1;
             c.slotName[0] = "x";
             c.slotValue[0] = "5";
         },
         true},
        {"a slot type alone",
         [](SearchConditions& c) {
             c.slotChecked[0] = 1;
             c.slotType[0] = "Command";
         },
         true},
        {"an unchecked slot row with a value only",
         [](SearchConditions& c) {
             c.memoChecked = 1;
             c.memo = "line";
             c.slotValue[0] = "5";
         },
         true},
    };
    for (const auto& c : cases) {
        SearchConditions conditions;
        c.edit(conditions);
        EXPECT_EQ(SearchConditionsValid(conditions), c.valid) << c.name;
    }
}

TEST_F(SearchRulesTest, EachConditionAndSlotTypeMatchesByItsOwnRule) {
    using Edit = std::function<void(SearchConditions&)>;
    auto slot = [](const char* name, const char* type, const char* value) -> Edit {
        return [=](SearchConditions& c) {
            c.slotChecked[1] = 1;
            c.slotName[1] = name;
            c.slotType[1] = type;
            c.slotValue[1] = value;
        };
    };
    const struct {
        const char* name;
        Edit edit;
        const char* matching;
    } cases[] = {
        {"label contains, case-sensitive",
         [](SearchConditions& c) {
             c.labelChecked = 1;
             c.label = "l";
         },
         "Slider"},
        {"pad name",
         [](SearchConditions& c) {
             c.padNameChecked = 1;
             c.padName = "Slider";
         },
         "Slider"},
        {"memo across a line break written CR LF",
         [](SearchConditions& c) {
             c.memoChecked = 1;
             c.memo = "line\r\nsecond";
         },
         "Note"},
        {"memo with a bare LF",
         [](SearchConditions& c) {
             c.memoChecked = 1;
             c.memo = "line\nsecond";
         },
         ""},
        {"name only", slot("capt", "", ""), "Slider"},
        {"a value is compared only with a type", slot("value", "", "99"), "Slider"},
        {"Number 1e1 is 10", slot("", "Number", "1e1"), "Slider"},
        {"Number 11", slot("", "Number", "11"), ""},
        {"String contains", slot("", "String", "level"), "Slider"},
        {"Boolean true", slot("enabled", "Boolean", "true"), "Slider"},
        {"Boolean false", slot("muted", "Boolean", "false"), "Slider"},
        {"Boolean in capitals never", slot("", "Boolean", "TRUE"), ""},
        {"Boolean true is not false", slot("muted", "Boolean", "true"), ""},
        {"Dictionary ignores the value", slot("", "Dictionary", "anything"), "Slider"},
        {"Command", slot("res", "Command", ""), "Slider"},
        {"name and type on the same slot", slot("value", "String", ""), ""},
        {"an unknown type", slot("value", "number", ""), ""},
        {"two conditions at once",
         [&](SearchConditions& c) {
             slot("", "Command", "")(c);
             c.labelChecked = 1;
             c.label = "Note";
         },
         ""},
    };
    for (const auto& c : cases) {
        SearchConditions conditions;
        c.edit(conditions);
        EXPECT_EQ(Matching(conditions), c.matching) << c.name;
    }
}

TEST_F(SearchRulesTest, PadIdTextIsReadAsADecimalNumber) {
    EXPECT_EQ(ReadPadIdText("0012"), 12);
    EXPECT_EQ(ReadPadIdText("abc"), 0);
    EXPECT_EQ(ReadPadIdText("  +7 and more"), 7);
    EXPECT_EQ(ReadPadIdText("-3"), -3);
    EXPECT_EQ(ReadPadIdText("4000000000"), 4000000000LL);
    EXPECT_GT(ReadPadIdText("99999999999999999999999"), 0xFFFFFFFFLL);

    SearchConditions conditions;
    conditions.padIdChecked = 1;
    conditions.padId = "000" + std::to_string(note->GetCreatePadID()) + "x";
    EXPECT_EQ(Matching(conditions), "Note");
}

TEST_F(SearchRulesTest, ContainmentStepsThroughDoubleByteCharacters) {
    host.japanese = true;
    // 0x83 0x41 is one character whose trail byte is 'A'.
    EXPECT_FALSE(ContainsText("\x83\x41", "A"));
    EXPECT_TRUE(ContainsText("x\x83\x41"
                             "A",
                             "A"));
    EXPECT_TRUE(ContainsText("\x83\x41\x83\x42", "\x83\x42"));
    host.japanese = false;
    EXPECT_TRUE(ContainsText("\x83\x41", "A"));
}

TEST_F(SearchRulesTest, HitsAreCopiesInTreeOrderWithTheirLabels) {
    DesktopPad* icon = desktop.AddPad(stage, "Icon", 0, 60, 16, 16, "MvIconPad");
    icon->SetStandsFor(note);
    DesktopPad* knob = desktop.AddPad(slider, "Knob", 0, 0, 5, 5);
    CInspectrView view;
    std::unique_ptr<InspectorRow> root(BuildRow(view, stage, nullptr));
    FindRowByPad(root.get(), knob)->gone = 1;
    FindRowByPad(root.get(), note)->shown = 0;

    SearchConditions conditions;
    conditions.labelChecked = 1;
    conditions.label = "o";
    std::unique_ptr<RowList> hits = CollectHits(root.get(), conditions);
    std::string found;
    for (const InspectorRow* hit = hits->head; hit != nullptr; hit = hit->next)
        found += hit->label + (hit->shown ? " " : "(hidden) ");
    EXPECT_EQ(found, "Note Icon(Note) ") << "a gone row is never a hit; a hidden one is";

    conditions.label = "S";
    hits = CollectHits(root.get(), conditions);
    ASSERT_EQ(Length(hits.get()), 2);
    EXPECT_EQ(hits->head->pad, stage) << "the root is examined too";

    std::unique_ptr<InspectorRow> desktopRoot(BuildDesktopRow(view));
    conditions.label = "Desktop";
    EXPECT_EQ(CollectHits(desktopRoot.get(), conditions)->head, nullptr);
}

} // namespace
