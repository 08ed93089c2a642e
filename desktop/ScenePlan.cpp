#include "ScenePlan.h"

#include <algorithm>

int ScenePlan::SlotIndex(const ModelPlan& model, std::string_view name) const {
    for (std::uint32_t i = 0; i < model.slotCount; ++i) {
        if (Text(slots[model.firstSlot + i].name) == name)
            return static_cast<int>(i);
    }
    return -1;
}

int ScenePlan::FindModel(std::string_view name) const {
    auto it = std::lower_bound(
        models.begin(), models.end(), name,
        [](const SharedModelPlan& model, std::string_view key) { return model.name < key; });
    return it == models.end() || it->name != name ? -1 : static_cast<int>(it - models.begin());
}

std::uint32_t ScenePlan::ClassIndex(std::string_view name) {
    // Most pads of a scene share a few classes: the last one asked for comes first.
    if (lastClass_ < classNames.size() && classNames[lastClass_] == name)
        return lastClass_;
    auto it = classIndex_.find(name);
    if (it == classIndex_.end()) {
        it = classIndex_.emplace(std::string(name), static_cast<std::uint32_t>(classNames.size()))
                 .first;
        classNames.emplace_back(name);
    }
    lastClass_ = it->second;
    return lastClass_;
}
