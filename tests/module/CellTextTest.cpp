#include "listview/CellText.h"
#include "frame/ColumnSettings.h"
#include "host/MvBasicObject.h"
#include "host/MvDictionary.h"
#include "host/MvSlot.h"
#include "listview/InspectorRow.h"
#include "listview/SlotValueText.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

namespace {

struct FakeSlot : MvSlot {
    const char* name = "out";
    int type = 0;
    void* value = nullptr;
    const char* get_name() override { return name; }
    int get_type() override { return type; }
    void* get_value() override { return value; }
};

struct FakeObject : MvBasicObject {
    const char* print() override { return "<object>"; }
};

struct FakeEntry : MvDictionaryValue {
    const char* key = "k";
    int type = 0;
    void* value = nullptr;
    const char* get_key() override { return key; }
    int get_type() override { return type; }
    void* get_value() override { return value; }
};

struct FakeDictionary : MvDictionary {
    std::vector<FakeEntry*> entries;
    int length() override { return static_cast<int>(entries.size()); }
    MvDictionaryValue* at(int i) override {
        return i >= 0 && i < length() ? entries[static_cast<size_t>(i)] : nullptr;
    }
};

std::string OutputText(int type, void* value) {
    FakeSlot slot;
    slot.type = type;
    slot.value = value;
    InspectorRow row;
    SlotValueText(row, &slot);
    return row.outputValueText.str();
}

TEST(SlotValueText, FormatsEachSlotType) {
    double tenth = 0.1, huge = 1e20, third = 1.0 / 3;
    unsigned char yes = 1, no = 0;
    std::string hundred(100, 'x');
    char* longText = hundred.data();
    char* nullText = nullptr;
    FakeObject object;
    MvBasicObject* objectPointer = &object;
    MvBasicObject* nullObject = nullptr;
    MvDictionary* nullDictionary = nullptr;
    struct Case {
        int type;
        void* value;
        std::string expected;
    };
    const Case cases[] = {
        {kSlotNumber, &tenth, "0.1"},
        {kSlotNumber, &huge, "1e+20"},
        {kSlotNumber, &third, "0.333333333333333"},
        {kSlotBoolean, &yes, "true"},
        {kSlotBoolean, &no, "false"},
        {kSlotString, &longText, "\"" + std::string(80, 'x') + "\""},
        {kSlotString, &nullText, ""},
        {kSlotObject, &objectPointer, "<object>"},
        {kSlotObject, &nullObject, "NULL OBJECT"},
        {kSlotDictionary, &nullDictionary, "NULL DICTIONARY"},
        {kSlotCommand, &tenth, ""},
        {kSlotNumber, nullptr, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OutputText(c.type, c.value), c.expected) << "type " << c.type;
}

TEST(SlotValueText, NoSlotOrNoNameLeavesTheOutputEmpty) {
    InspectorRow row;
    row.outputSlotName = "stale";
    row.outputSlotType = 3;
    SlotValueText(row, nullptr);
    EXPECT_EQ(row.outputSlotName, "");
    EXPECT_EQ(row.outputSlotType, 0);
    FakeSlot unnamed;
    unnamed.name = nullptr;
    SlotValueText(row, &unnamed);
    EXPECT_EQ(row.outputSlotName, "");
}

TEST(DictionaryText, ShowsOnlyTheFirstEntry) {
    FakeDictionary empty;
    EXPECT_EQ(DictionaryText(&empty), "(none)");

    double pi = 3.14159;
    FakeEntry first;
    first.type = kSlotNumber;
    first.value = &pi;
    FakeEntry second;
    FakeDictionary two;
    two.entries = {&first, &second};
    EXPECT_EQ(DictionaryText(&two), "(\"k\",3.14158999999999988261834)");

    FakeEntry nested;
    nested.key = nullptr;
    nested.type = kSlotDictionary;
    nested.value = &pi;
    FakeDictionary holder;
    holder.entries = {&nested};
    EXPECT_EQ(DictionaryText(&holder), "(\"\",Dictionary)");
}

TEST(DictionaryText, AnEntryTooLongForTheBufferEndsInDots) {
    std::string key(1020, 'k');
    FakeEntry entry;
    entry.key = key.c_str();
    FakeDictionary dictionary;
    dictionary.entries = {&entry};
    EXPECT_EQ(DictionaryText(&dictionary), "(...");
}

TEST(CellText, FormatsNumbersInFixedPlaces) {
    InspectorRow row;
    row.x = 12;
    row.y = -40;
    row.width = 300;
    row.height = 5;
    row.relX = 0;
    row.relY = 99999;
    row.groupDepth = 2;
    row.padId = 42;
    row.connected = 1;
    EXPECT_EQ(CellText(row, 1, "Yes", "No"), "(   12,  -40)");
    EXPECT_EQ(CellText(row, 2, "Yes", "No"), "(  300,    5)");
    EXPECT_EQ(CellText(row, 5, "Yes", "No"), "(    0,99999)");
    EXPECT_EQ(CellText(row, 7, "Yes", "No"), "Yes");
    EXPECT_EQ(CellText(row, 8, "Yes", "No"), "  2");
    EXPECT_EQ(CellText(row, 9, "Yes", "No"), "0000000042");
    EXPECT_EQ(CellText(row, 10, "Yes", "No"), "");
}

// A small tree: Root > A (children collapsed) > B, and Root > C.
struct Tree {
    Tree() {
        root = std::make_unique<InspectorRow>();
        root->pad = reinterpret_cast<MvSimplePad*>(++nextPad);
        root->label = "Root";
        a = AddChild(root.get(), "A");
        b = AddChild(a, "B");
        b->shown = 0;
        c = AddChild(root.get(), "C");
    }
    InspectorRow* AddChild(InspectorRow* parent, const char* label) {
        auto row = std::make_unique<InspectorRow>();
        row->label = label;
        // Rows are told apart by pad; these stand-ins are never dereferenced.
        row->pad = reinterpret_cast<MvSimplePad*>(++nextPad);
        row->depth = parent->depth + 1;
        row->parentRow = parent;
        InspectorRow* raw = row.get();
        Append(parent->children, std::move(row));
        return raw;
    }
    std::uintptr_t nextPad = 0;
    std::unique_ptr<InspectorRow> root;
    InspectorRow* a;
    InspectorRow* b;
    InspectorRow* c;
};

TEST(LabelCellText, TreePrefixesAndImages) {
    Tree t;
    EXPECT_EQ(LabelCellText(*t.root, false), "Root");
    EXPECT_EQ(LabelCellText(*t.a, false), "  +A");
    EXPECT_EQ(LabelCellText(*t.b, false), "     -B");
    EXPECT_EQ(LabelCellText(*t.c, false), "  -C");
    EXPECT_EQ(RowImage(*t.root), 1);
    EXPECT_EQ(RowImage(*t.a), 2);
    EXPECT_EQ(RowImage(*t.c), 0);
    t.a->desktopSelected = 1;
    t.root->desktopSelected = 1;
    EXPECT_EQ(RowImage(*t.a), 5);
    EXPECT_EQ(RowImage(*t.root), 4);
}

// A limit cuts the text where a reader's buffer would: inside the indent, the mark or the label.
TEST(LabelCellText, ALimitKeepsTheTextsFirstBytes) {
    Tree t;
    // The names above the topmost row, held for it: its stand-in pad is never read.
    NestedPrefix prefix{t.root.get(), "Desk\\"};
    // A chain of labels of one to four bytes, so that every limit cuts a label or a backslash.
    InspectorRow* deep = t.c;
    const char* labels[] = {"d", "ee", "fff", "gggg"};
    for (int i = 0; i < 12; ++i)
        deep = t.AddChild(deep, labels[i % 4]);
    NestedPrefix none{t.root.get(), ""};
    for (const NestedPrefix* above : {&prefix, &none})
        for (const InspectorRow* row : {t.b, deep})
            for (bool nested : {false, true}) {
                std::string whole = LabelCellText(*row, nested, above);
                for (size_t limit = 0; limit <= whole.size() + 1; ++limit)
                    EXPECT_EQ(LabelCellText(*row, nested, above, limit), whole.substr(0, limit))
                        << above->text << " " << row->label.str() << " " << nested << " " << limit;
            }
}

struct SettingsCase {
    std::string stored;
    int count;
    std::vector<int> ids;
    std::vector<int> widths;
};

class ColumnSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(ColumnSettingsTest, ParsesOrFallsBackToTheDefaultSet) {
    const SettingsCase& c = GetParam();
    ColumnSet set = ParseColumnSettings(c.stored);
    ASSERT_EQ(set.columnCount, c.count) << c.stored;
    for (int i = 0; i < c.count; ++i) {
        EXPECT_EQ(set.columnIds[i], c.ids[static_cast<size_t>(i)]) << c.stored << " #" << i;
        EXPECT_EQ(set.columnWidths[i], c.widths[static_cast<size_t>(i)]) << c.stored;
    }
}

const std::vector<int> kDefaultIds = {0, 1, 2, 3, 4};
const std::vector<int> kAutomatic = {-1, -1, -1, -1, -1};

INSTANTIATE_TEST_SUITE_P(
    Values, ColumnSettingsTest,
    ::testing::Values(
        SettingsCase{"3,0,120,2,80,7,-1", 3, {0, 2, 7}, {120, 80, -1}},
        SettingsCase{"3,,0,120,,2,80,7,-1,", 3, {0, 2, 7}, {120, 80, -1}},
        SettingsCase{"2,0x,150,10y,60", 2, {0, 10}, {150, 60}},
        SettingsCase{"3,0,120,2,80", 5, kDefaultIds, kAutomatic},
        SettingsCase{"3,1,120,2,80,7,60", 5, kDefaultIds, kAutomatic},
        SettingsCase{"2,0,100,11,60", 5, kDefaultIds, kAutomatic},
        SettingsCase{"11,0,100", 5, kDefaultIds, kAutomatic},
        SettingsCase{"0", 5, kDefaultIds, kAutomatic}, SettingsCase{"", 5, kDefaultIds, kAutomatic},
        SettingsCase{",,,", 5, kDefaultIds, kAutomatic},
        SettingsCase{"abc", 5, kDefaultIds, kAutomatic},
        // A number outside the range of int is malformed, never wrapped.
        SettingsCase{"4294967298,0,150,4,60", 5, kDefaultIds, kAutomatic},
        SettingsCase{"2,0,150,4294967297,60", 5, kDefaultIds, kAutomatic},
        SettingsCase{"2,0,150,4,4294967196", 5, kDefaultIds, kAutomatic},
        SettingsCase{"2,0,150,4,99999999999999999999999", 5, kDefaultIds, kAutomatic},
        SettingsCase{"2,0,-2147483648,4,60", 2, {0, 4}, {std::numeric_limits<int>::min(), 60}},
        // The value is a string: it ends at its first NUL byte.
        SettingsCase{std::string("2,0,150\0,4,60", 13), 5, kDefaultIds, kAutomatic},
        SettingsCase{std::string("2,0,150,4,60\0,9", 15), 2, {0, 4}, {150, 60}},
        // Widths the list control cannot take (above 32767) are malformed.
        SettingsCase{"2,0,150,4,32767", 2, {0, 4}, {150, 32767}},
        SettingsCase{"2,0,150,4,32768", 5, kDefaultIds, kAutomatic},
        // A value that leaves no room for its NUL in the reader's buffer of 256 is cut: malformed.
        SettingsCase{"2,0,150,4,60" + std::string(243, ','), 2, {0, 4}, {150, 60}},
        SettingsCase{"2,0,150,4,60" + std::string(244, ','), 5, kDefaultIds, kAutomatic},
        SettingsCase{"3,0,1000000000,1,1000000000,2,1000000000", 5, kDefaultIds, kAutomatic}));

TEST(ColumnSettings, FormatsCountThenIdentifierWidthPairs) {
    const int ids[] = {0, 4};
    const int widths[] = {150, 60};
    EXPECT_EQ(FormatColumnSettings(2, ids, widths), "2,0,150,4,60");
}

} // namespace
