#pragma once

#include "DesktopSlot.h"
#include "host/MvPadList.h"
#include "host/MvSimpleModel.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// A model: ordered slots, and the pads that depend on it. Several pads may share one model;
// the desktop owns models and keeps the dependents list in step with its pads.
class DesktopModel : public MvSimpleModel {
public:
    explicit DesktopModel(std::string name) : name_(std::move(name)) {}

    MvPadList* get_dependents() override { return &dependents_; }
    int get_slotsize() override { return static_cast<int>(slots_.size()); }
    MvSlot* get_slot_at(int index) override { return Slot(index); }

    // Empty for a pad's private model.
    const std::string& Name() const { return name_; }
    DesktopSlot& AddSlot(std::string name, MvSlotType type);
    DesktopSlot* Slot(int index);
    // -1 when no slot has this name.
    int IndexOf(const std::string& slotName) const;
    MvPadList& Dependents() { return dependents_; }
    // Where the desktop keeps the model, so that freeing it looks for nothing.
    std::size_t StoreIndex() const { return storeIndex_; }
    void SetStoreIndex(std::size_t index) { storeIndex_ = index; }

private:
    std::size_t storeIndex_ = 0;
    std::string name_;
    std::vector<std::unique_ptr<DesktopSlot>> slots_;
    MvPadList dependents_;
};
