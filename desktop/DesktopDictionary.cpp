#include "DesktopDictionary.h"

MvDictionaryValue* DesktopDictionary::at(int index) {
    if (index < 0 || index >= length())
        return nullptr;
    return entries_[static_cast<size_t>(index)].get();
}

DesktopDictionaryValue& DesktopDictionary::Add(std::string key, MvSlotType type) {
    entries_.push_back(std::make_unique<DesktopDictionaryValue>(std::move(key), type));
    return *entries_.back();
}
