#include "SearchRules.h"

#include "host/MvHostServices.h"
#include "host/MvSimpleModel.h"
#include "host/MvSimplePad.h"
#include "host/MvSlot.h"
#include "listview/InspectorRow.h"
#include "listview/PadTable.h"
#include "listview/RowBuilder.h"
#include "service/TextHelpers.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr long long kPadIdCeiling = 1LL << 40;

bool Stated(int checked, const std::string& text) {
    return checked != 0 && !text.empty();
}

bool SlotRowStated(const SearchConditions& c, int i) {
    return c.slotChecked[i] != 0 &&
           !(c.slotName[i].empty() && c.slotType[i].empty() && c.slotValue[i].empty());
}

bool Holds(const char* text, const std::string& part) {
    return ContainsText(text != nullptr ? text : "", part);
}

bool MemoHolds(MvSimplePad& pad, const std::string& part) {
    const char* memo = pad.get_pad_memo();
    if (memo == nullptr)
        return false;
    std::string source = memo;
    std::vector<char> converted(source.size() * 2 + 1);
    return ContainsText(inspConvertNewlines(source.data(), converted.data(), 0), part);
}

// Whether one slot qualifies for a slot row by its name and its type; the value text is
// compared only where the type gives it a meaning.
bool SlotQualifies(MvSlot& slot, const std::string& name, const std::string& type,
                   const std::string& value) {
    if (!name.empty() && !Holds(slot.get_name(), name))
        return false;
    if (type.empty())
        return !name.empty();
    int slotType = slot.get_type();
    // The value's representation follows the slot's own type: it is read only once that
    // type is known to be the one asked for.
    if (type == "Number") {
        if (slotType != kSlotNumber)
            return false;
        void* data = slot.get_value();
        return value.empty() || (data != nullptr && *static_cast<double*>(data) ==
                                                        std::strtod(value.c_str(), nullptr));
    }
    if (type == "String") {
        if (slotType != kSlotString)
            return false;
        void* data = slot.get_value();
        const char* text = data != nullptr ? *static_cast<char**>(data) : nullptr;
        return value.empty() || (text != nullptr && ContainsText(text, value));
    }
    if (type == "Boolean") {
        if (slotType != kSlotBoolean)
            return false;
        void* data = slot.get_value();
        return value.empty() ||
               (data != nullptr &&
                value == (*static_cast<unsigned char*>(data) != 0 ? "true" : "false"));
    }
    if (type == "Dictionary")
        return slotType == kSlotDictionary;
    if (type == "Command")
        return slotType == kSlotCommand;
    return false;
}

bool SlotRowHolds(MvSimplePad& pad, const SearchConditions& c, int i) {
    MvSimpleModel* model = pad.get_model();
    int slots = model != nullptr ? model->get_slotsize() : 0;
    for (int index = 0; index < slots; ++index) {
        MvSlot* slot = model->get_slot_at(index);
        if (slot != nullptr && SlotQualifies(*slot, c.slotName[i], c.slotType[i], c.slotValue[i]))
            return true;
    }
    return false;
}

} // namespace

bool SearchConditionsValid(const SearchConditions& c) {
    bool stated = Stated(c.labelChecked, c.label) || Stated(c.padNameChecked, c.padName) ||
                  Stated(c.padIdChecked, c.padId) || Stated(c.memoChecked, c.memo);
    for (int i = 0; i < SearchConditions::kSlotRows; ++i) {
        if (c.slotChecked[i] == 0)
            continue;
        stated = stated || SlotRowStated(c, i);
        if (!c.slotValue[i].empty() && c.slotName[i].empty() && c.slotType[i].empty())
            return false;
    }
    return stated;
}

bool ContainsText(std::string_view text, std::string_view part) {
    std::size_t found = text.find(part);
    std::size_t start = 0;
    while (found != std::string_view::npos) {
        while (start < found)
            start += MwIsMbyteLead(text.data() + start) ? 2 : 1;
        if (start == found)
            return true;
        found = text.find(part, start);
    }
    return false;
}

long long ReadPadIdText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value < kPadIdCeiling ? value * 10 + (text[i] - '0') : value;
    return negative ? -value : value;
}

bool RowMatches(const InspectorRow& row, const SearchConditions& c) {
    if (row.gone != 0 || row.isDesktop != 0 || row.pad == nullptr)
        return false;
    // The row's label is what the table shows of the pad; most rows fail here without the
    // pad being read at all.
    if (Stated(c.labelChecked, c.label) && !ContainsText(row.label, c.label))
        return false;
    MvSimplePad& pad = *row.pad;
    if (Stated(c.padNameChecked, c.padName) && !Holds(pad.get_pad_name(), c.padName))
        return false;
    if (Stated(c.padIdChecked, c.padId) &&
        static_cast<long long>(pad.GetCreatePadID()) != ReadPadIdText(c.padId))
        return false;
    if (Stated(c.memoChecked, c.memo) && !MemoHolds(pad, c.memo))
        return false;
    for (int i = 0; i < SearchConditions::kSlotRows; ++i) {
        if (SlotRowStated(c, i) && !SlotRowHolds(pad, c, i))
            return false;
    }
    return true;
}

std::unique_ptr<RowList> CollectHits(const InspectorRow* root, const SearchConditions& c) {
    auto hits = std::make_unique<RowList>();
    PadTable<bool> taken;
    ForEachInSubtree(const_cast<InspectorRow*>(root), [&](InspectorRow& row) {
        if (!RowMatches(row, c) || !taken.Insert(row.pad, true))
            return;
        auto copy = CopyRow(row);
        copy->label = RowLabel(row.pad);
        copy->shown = 1;
        AppendUnchecked(*hits, std::move(copy));
    });
    return hits;
}
