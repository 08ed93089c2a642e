#pragma once

// Slot type codes of the pad framework.
enum MvSlotType : int {
    kSlotDictionary = 1, // value: pointer to an MvDictionary pointer
    kSlotBoolean = 2,    // value: pointer to a byte, nonzero true
    kSlotNumber = 3,     // value: pointer to a double
    kSlotString = 4,     // value: pointer to a text pointer
    kSlotCommand = 9,
    kSlotObject = 10, // value: pointer to an MvBasicObject pointer
};

// One named, typed value of a pad's model.
class MvSlot {
public:
    virtual ~MvSlot() = default;
    virtual const char* get_name() = 0;
    virtual int get_type() = 0;
    // Points at the value in the representation its type code names; may be null.
    virtual void* get_value() = 0;
};
