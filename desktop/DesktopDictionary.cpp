#include "DesktopDictionary.h"

// Dictionaries held in entries are taken out and freed one at a time, each emptied of its
// own first, so that freeing a deep dictionary does not recurse once per level.
DesktopDictionary::~DesktopDictionary() {
    std::vector<std::unique_ptr<DesktopDictionary>> nested;
    auto takeNested = [&nested](DesktopDictionary& dictionary) {
        for (auto& entry : dictionary.entries_) {
            if (auto inner = entry->Value().TakeDictionary())
                nested.push_back(std::move(inner));
        }
    };
    takeNested(*this);
    while (!nested.empty()) {
        std::unique_ptr<DesktopDictionary> next = std::move(nested.back());
        nested.pop_back();
        takeNested(*next);
    }
}

MvDictionaryValue* DesktopDictionary::at(int index) {
    if (index < 0 || index >= length())
        return nullptr;
    return entries_[static_cast<size_t>(index)].get();
}

DesktopDictionaryValue& DesktopDictionary::Add(std::string key, MvSlotType type) {
    entries_.push_back(std::make_unique<DesktopDictionaryValue>(std::move(key), type));
    return *entries_.back();
}
