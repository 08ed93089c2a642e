#pragma once

#include "host/MvSlot.h"

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A scene after checking: what the loader builds, with texts already in the active code page,
// every pad ID given and references resolved. Building from a plan cannot fail. Pads and
// dictionaries are flat lists, so that neither checking, building nor freeing a deep scene
// recurses once per level.

struct ValuePlan {
    MvSlotType type = kSlotCommand;
    bool boolean = false;
    double number = 0;
    std::optional<std::string> text;
    std::string key;         // a dictionary entry's key; empty for a slot's own value
    std::size_t entries = 0; // a dictionary's entries, which follow it in the list
};

struct SlotPlan {
    std::string name;
    // The slot's value, then for a dictionary its entries in order, each followed at once by
    // its own entries.
    std::vector<ValuePlan> values;
};

struct ModelPlan {
    std::vector<SlotPlan> slots;

    int IndexOf(const std::string& name) const {
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }
};

struct PadPlan {
    int parent = -1;       // index in ScenePlan::pads; -1 for a pad on the desktop
    std::size_t place = 0; // index among the parent's children, or in /pads
    std::optional<std::string> name;
    std::string utf8Name;
    std::string className;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    unsigned id = 0;
    bool visible = true;
    bool ownView = true;
    bool selected = false;
    bool refusesConnector = false;
    std::optional<std::string> padName;
    std::optional<std::string> memo;
    unsigned protection = 0;
    int groupDepth = 0;
    std::string modelName; // empty: the private model below
    ModelPlan privateModel;
    int output = -1;
    std::optional<std::string> connect;
    int standsFor = -1; // index of the pad it stands for
};

struct ScenePlan {
    std::map<std::string, ModelPlan> models;
    // Parents before their children, siblings bottom of the z order first. Blocks of pads,
    // so that a scene of a million grows without moving the ones read.
    std::deque<PadPlan> pads;
    unsigned highestId = 0;
};
