#pragma once

#include "SlotValue.h"
#include "host/MvDictionary.h"

#include <string>

// One entry of a dictionary: a key and a typed value.
class DesktopDictionaryValue : public MvDictionaryValue {
public:
    DesktopDictionaryValue(std::string key, MvSlotType type) : key_(std::move(key)), value_(type) {}
    const char* get_key() override { return key_.c_str(); }
    int get_type() override { return value_.Type(); }
    void* get_value() override { return value_.Pointer(); }
    SlotValue& Value() { return value_; }

private:
    std::string key_;
    SlotValue value_;
};
