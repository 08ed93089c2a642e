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
    [[noreturn]] void Fail(const std::string& pointer, const std::string& problem) const;
    void Expect(const json& value, const std::string& pointer, json::value_t type,
                const char* what) const;
    void Keys(const json& object, const std::string& pointer,
              std::initializer_list<const char*> allowed,
              std::initializer_list<const char*> required) const;
    bool Boolean(const json& value, const std::string& pointer) const;
    long long Integer(const json& value, const std::string& pointer, long long low,
                      long long high) const;
    int Coordinate(const json& value, const std::string& pointer) const;
    std::string Text(const json& value, const std::string& pointer) const;
    // A text in the active code page; null stays null.
    std::optional<std::string> NullableText(const json& value, const std::string& pointer) const;
    MvSlotType Type(const json& value, const std::string& pointer) const;
    ValuePlan Value(MvSlotType type, const json* value, const std::string& pointer) const;
    EntryPlan Entry(const json& entry, const std::string& pointer) const;
    ModelPlan Slots(const json& slots, const std::string& pointer) const;
    ModelPlan Model(const json& model, const std::string& pointer) const;
    unsigned Protection(const json& value, const std::string& pointer) const;
    const ModelPlan& ModelOf(const PadPlan& pad) const;
    PadPlan Pad(const json& pad, const std::string& pointer, const PadPlan* parent);
    PadPlan* FindPath(std::vector<PadPlan>& level, std::string_view path) const;
    PadPlan* FindId(std::vector<PadPlan>& level, unsigned id) const;
    void Resolve(PadPlan& pad, ScenePlan& scene);

    std::string source_;
    int codePage_;
    const std::map<std::string, ModelPlan>* models_ = nullptr;
    std::map<unsigned, std::string> idPointers_;
    std::map<const PadPlan*, std::string> iconOwners_;
};
