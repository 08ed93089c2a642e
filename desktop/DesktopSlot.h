#pragma once

#include "SlotValue.h"
#include "host/MvSlot.h"

#include <string>

// One named slot of a model.
class DesktopSlot : public MvSlot {
public:
    DesktopSlot(std::string name, MvSlotType type) : name_(std::move(name)), value_(type) {}
    const char* get_name() override { return name_.c_str(); }
    int get_type() override { return value_.Type(); }
    void* get_value() override { return value_.Pointer(); }
    SlotValue& Value() { return value_; }
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    SlotValue value_;
};
