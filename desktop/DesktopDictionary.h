#pragma once

#include "DesktopDictionaryValue.h"
#include "host/MvDictionary.h"

#include <memory>
#include <string>
#include <vector>

// A dictionary held in a slot: entries in the order they were added.
class DesktopDictionary : public MvDictionary {
public:
    DesktopDictionary() = default;
    ~DesktopDictionary() override;
    DesktopDictionary(const DesktopDictionary&) = delete;
    DesktopDictionary& operator=(const DesktopDictionary&) = delete;

    int length() override { return static_cast<int>(entries_.size()); }
    MvDictionaryValue* at(int index) override;
    DesktopDictionaryValue& Entry(int index) { return *entries_[static_cast<size_t>(index)]; }
    // Keys are in the active code page.
    DesktopDictionaryValue& Add(std::string key, MvSlotType type);

private:
    std::vector<std::unique_ptr<DesktopDictionaryValue>> entries_;
};
