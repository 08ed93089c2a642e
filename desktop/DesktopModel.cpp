#include "DesktopModel.h"

DesktopSlot& DesktopModel::AddSlot(std::string name, MvSlotType type) {
    slots_.push_back(std::make_unique<DesktopSlot>(std::move(name), type));
    return *slots_.back();
}

DesktopSlot* DesktopModel::Slot(int index) {
    if (index < 0 || index >= static_cast<int>(slots_.size()))
        return nullptr;
    return slots_[static_cast<size_t>(index)].get();
}

int DesktopModel::IndexOf(const std::string& slotName) const {
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i]->Name() == slotName)
            return static_cast<int>(i);
    }
    return -1;
}
