#pragma once

#include "host/MvSlot.h"

#include "ScenePointer.h"

#include <nlohmann/json_fwd.hpp>

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A scene after checking: what the loader builds, with texts already in the active code page
// and references resolved. Building from a plan cannot fail.

struct ValuePlan;

struct EntryPlan {
    std::string key;
    std::vector<ValuePlan> value; // exactly one; a vector because ValuePlan is incomplete here
};

struct ValuePlan {
    MvSlotType type = kSlotCommand;
    bool boolean = false;
    double number = 0;
    std::optional<std::string> text;
    std::vector<EntryPlan> entries;
};

struct SlotPlan {
    std::string name;
    ValuePlan value;
};

struct ModelPlan {
    std::vector<SlotPlan> slots;

    int IndexOf(const std::string& name) const {
        for (size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }
};

// A pad's place in the document and the place of its children, which theirs refer to.
struct PadPlan {
    ScenePointer pointer;
    ScenePointer childrenPointer;
    PadPlan* parent = nullptr;
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
    const nlohmann::json* standsFor = nullptr; // a path or an id, resolved below
    PadPlan* standsForPad = nullptr;
    std::vector<PadPlan*> children;
};

// The pads are held in `allPads` in pre-order, each where it was made, so that a walk of any
// depth is a loop over them and the places that refer to one another stay put.
struct ScenePlan {
    std::map<std::string, ModelPlan> models;
    std::vector<PadPlan*> pads;
    std::deque<PadPlan> allPads;
};
