#pragma once

class MvPadList;
class MvSlot;

// The model of a pad: its slots, shared by every pad that depends on it.
class MvSimpleModel {
public:
    virtual ~MvSimpleModel() = default;
    virtual MvPadList* get_dependents() = 0;
    virtual int get_slotsize() = 0;
    virtual MvSlot* get_slot_at(int index) = 0;
};
