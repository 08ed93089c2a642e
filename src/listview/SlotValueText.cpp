#include "SlotValueText.h"

#include "InspectorRow.h"
#include "host/MvBasicObject.h"
#include "host/MvDictionary.h"
#include "host/MvSlot.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kDictionaryTextLimit = 1024;
constexpr std::size_t kStringCut = 80;

std::string NumberText(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%-.*g", precision, value);
    return buffer;
}

std::string ObjectText(void* value) {
    auto* object = *static_cast<MvBasicObject**>(value);
    if (object == nullptr)
        return "NULL OBJECT";
    const char* text = object->print();
    return text ? text : "";
}

std::string FirstBytes(const char* text) {
    return std::string(text, strnlen(text, kStringCut));
}

} // namespace

std::string DictionaryText(MvDictionary* dictionary) {
    std::string text = "(";
    MvDictionaryValue* entry = dictionary ? dictionary->at(0) : nullptr;
    if (entry == nullptr)
        return text + "none)";
    const char* keyText = entry->get_key();
    std::string key = keyText ? keyText : "";
    std::string value;
    void* raw = entry->get_value();
    if (raw != nullptr) {
        switch (entry->get_type()) {
        case kSlotDictionary:
            value = "Dictionary";
            break;
        case kSlotNumber:
            value = NumberText(*static_cast<double*>(raw), 25);
            break;
        case kSlotBoolean:
            value = *static_cast<unsigned char*>(raw) ? "true" : "false";
            break;
        case kSlotString:
            if (const char* s = *static_cast<char**>(raw))
                value = "\"" + FirstBytes(s) + "\"";
            break;
        case kSlotObject:
            value = ObjectText(raw);
            break;
        default:
            break;
        }
    }
    const std::size_t frame = std::strlen("\"\",)");
    if (text.size() + value.size() + key.size() + frame < kDictionaryTextLimit)
        text += "\"" + key + "\"," + value + ")";
    else
        text += "...";
    return text;
}

void SlotValueText(InspectorRow& row, MvSlot* slot) {
    row.outputSlotName.clear();
    row.outputValueText.clear();
    row.outputSlotType = 0;
    if (slot == nullptr || slot->get_name() == nullptr)
        return;
    row.outputSlotName = slot->get_name();
    row.outputSlotType = slot->get_type();
    void* value = slot->get_value();
    if (value == nullptr)
        return;
    switch (row.outputSlotType) {
    case kSlotNumber:
        row.outputValueText = NumberText(*static_cast<double*>(value), 15);
        break;
    case kSlotBoolean:
        row.outputValueText = *static_cast<unsigned char*>(value) ? "true" : "false";
        break;
    case kSlotString:
        if (const char* s = *static_cast<char**>(value))
            row.outputValueText = "\"" + FirstBytes(s) + "\"";
        break;
    case kSlotObject:
        row.outputValueText = ObjectText(value);
        break;
    case kSlotDictionary: {
        auto* dictionary = *static_cast<MvDictionary**>(value);
        row.outputValueText = dictionary ? DictionaryText(dictionary) : "NULL DICTIONARY";
        break;
    }
    default:
        break;
    }
}
