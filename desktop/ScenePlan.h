#pragma once

#include "host/MvSlot.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A scene after checking: what the loader builds, with texts already in the active code page,
// every pad ID given and references resolved. Building from a plan cannot fail. Pads, slots
// and dictionary entries are flat lists and every text is a stretch of one buffer, so that
// neither checking, building nor freeing a deep or large scene recurses once per level or
// allocates once per value. Offsets are 32-bit: a plan comes from a text no larger than a
// scene file may be.

// A text of the plan, or null.
struct PlanText {
    static constexpr std::uint32_t kNull = 0xFFFFFFFF;
    std::uint32_t offset = 0;
    std::uint32_t length = kNull;

    bool IsNull() const { return length == kNull; }
};

struct ValuePlan {
    double number = 0;
    PlanText text;             // a string's or an object's; null when it has none
    PlanText key;              // a dictionary entry's key; null for a slot's own value
    std::uint32_t entries = 0; // a dictionary's entries, which follow it in the list
    MvSlotType type = kSlotCommand;
    bool boolean = false;
};

struct SlotPlan {
    PlanText name;
    // The slot's value, then for a dictionary its entries in order, each followed at once by
    // its own entries: a stretch of ScenePlan::values.
    std::uint32_t firstValue = 0;
    std::uint32_t valueCount = 0;
};

// A stretch of ScenePlan::slots.
struct ModelPlan {
    std::uint32_t firstSlot = 0;
    std::uint32_t slotCount = 0;
};

struct SharedModelPlan {
    std::string name; // as the scene gives it, not converted
    ModelPlan model;
};

struct PadPlan {
    int parent = -1; // index in ScenePlan::pads; -1 for a pad on the desktop
    unsigned id = 0;
    PlanText name;
    PlanText padName;
    PlanText memo;
    PlanText connect;
    int x = 0;
    int y = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t groupDepth = 0;
    bool visible = true;
    bool ownView = true;
    bool selected = false;
    bool refusesConnector = false;
    unsigned protection = 0;
    std::uint32_t className = 0; // index in ScenePlan::classNames
    int sharedModel = -1;        // index in ScenePlan::models; -1: the private model below
    ModelPlan privateModel;
    int output = -1;
    int standsFor = -1; // index of the pad it stands for
};

struct ScenePlan {
    std::string texts;
    // Each class name once, as the scene gives it.
    std::vector<std::string> classNames;
    // By name, in byte order.
    std::vector<SharedModelPlan> models;
    std::vector<SlotPlan> slots;
    std::vector<ValuePlan> values;
    // Parents before their children, siblings bottom of the z order first.
    std::vector<PadPlan> pads;
    unsigned highestId = 0;

    std::string_view Text(PlanText text) const {
        return text.IsNull() ? std::string_view()
                             : std::string_view(texts).substr(text.offset, text.length);
    }
    std::optional<std::string> OptionalText(PlanText text) const {
        if (text.IsNull())
            return std::nullopt;
        return std::string(Text(text));
    }
    PlanText AddText(std::string_view text) {
        PlanText added{static_cast<std::uint32_t>(texts.size()),
                       static_cast<std::uint32_t>(text.size())};
        texts += text;
        return added;
    }
    const ModelPlan& ModelOf(const PadPlan& pad) const {
        return pad.sharedModel < 0 ? pad.privateModel
                                   : models[static_cast<std::size_t>(pad.sharedModel)].model;
    }
    const std::string& ClassOf(const PadPlan& pad) const { return classNames[pad.className]; }

    // The index of the model's slot of this name, or -1.
    int SlotIndex(const ModelPlan& model, std::string_view name) const;
    // The index of the shared model of this name, or -1.
    int FindModel(std::string_view name) const;
    // The index of the class name, added when it is new.
    std::uint32_t ClassIndex(std::string_view name);

private:
    std::map<std::string, std::uint32_t, std::less<>> classIndex_;
    std::uint32_t lastClass_ = 0;
};
