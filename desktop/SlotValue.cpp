#include "SlotValue.h"

#include "DesktopDictionary.h"
#include "host/MvBasicObject.h"

SlotValue::SlotValue(MvSlotType type) : type_(type) {}

SlotValue::~SlotValue() = default;

void* SlotValue::Pointer() {
    switch (type_) {
    case kSlotDictionary:
        return &dictionaryPointer_;
    case kSlotBoolean:
        return &boolean_;
    case kSlotNumber:
        return &number_;
    case kSlotString:
        return &stringPointer_;
    case kSlotObject:
        return &objectPointer_;
    case kSlotCommand:
        break;
    }
    return nullptr;
}

void SlotValue::SetString(std::optional<std::string> text) {
    string_ = text ? std::move(*text) : std::string();
    stringPointer_ = text ? string_.c_str() : nullptr;
}

void SlotValue::SetObject(std::unique_ptr<MvBasicObject> object) {
    object_ = std::move(object);
    objectPointer_ = object_.get();
}

std::unique_ptr<DesktopDictionary> SlotValue::TakeDictionary() {
    dictionaryPointer_ = nullptr;
    return std::move(dictionary_);
}

void SlotValue::SetDictionary(std::unique_ptr<DesktopDictionary> dictionary) {
    dictionary_ = std::move(dictionary);
    dictionaryPointer_ = dictionary_.get();
}
