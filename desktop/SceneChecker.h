#pragma once

#include "ScenePlan.h"

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Checks a parsed scene document and turns it into a plan. Every failure throws a SceneError
// naming the source and the JSON pointer of the value at fault.
class SceneChecker {
public:
    using json = nlohmann::json;

    SceneChecker(std::string source, int codePage);
    ScenePlan Check(const json& root);

private:
    [[noreturn]] void Fail(const ScenePointer& pointer, const std::string& problem) const;
    void Expect(const json& value, const ScenePointer& pointer, json::value_t type,
                const char* what) const;
    void Keys(const json& object, const ScenePointer& pointer,
              std::initializer_list<const char*> allowed,
              std::initializer_list<const char*> required) const;
    bool Boolean(const json& value, const ScenePointer& pointer) const;
    long long Integer(const json& value, const ScenePointer& pointer, long long low,
                      long long high) const;
    int Coordinate(const json& value, const ScenePointer& pointer) const;
    std::string Text(const json& value, const ScenePointer& pointer) const;
    // A text in the active code page; null stays null.
    std::optional<std::string> NullableText(const json& value, const ScenePointer& pointer) const;
    MvSlotType Type(const json& value, const ScenePointer& pointer) const;
    ValuePlan Value(MvSlotType type, const json* value, const ScenePointer& pointer) const;
    EntryPlan Entry(const json& entry, const ScenePointer& pointer) const;
    ModelPlan Slots(const json& slots, const ScenePointer& pointer) const;
    ModelPlan Model(const json& model, const ScenePointer& pointer) const;
    unsigned Protection(const json& value, const ScenePointer& pointer) const;
    const ModelPlan& ModelOf(const PadPlan& pad) const;
    // Checks one pad into `plan`, whose place and parent are set; returns its children, or
    // null when it has none.
    const json* Pad(const json& pad, PadPlan& plan);
    PadPlan* FindPath(const std::vector<PadPlan*>& top, std::string_view path) const;
    PadPlan* FindId(unsigned id) const;
    // The pad it stands for; the pads are resolved in pre-order.
    void Resolve(PadPlan& pad, const ScenePlan& scene);

    std::string source_;
    int codePage_;
    const std::map<std::string, ModelPlan>* models_ = nullptr;
    std::map<unsigned, PadPlan*> idPads_;
    std::map<const PadPlan*, const PadPlan*> iconOwners_;
};
