#pragma once

#include "ScenePlan.h"

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Checks a parsed scene document and turns it into a plan. Every failure throws a SceneError
// naming the source and the JSON pointer of the value at fault. Pads and dictionaries are
// walked with explicit stacks and one pointer text that grows and shrinks with the walk, so
// a scene of any depth is checked in time and memory linear in its size.
class SceneChecker {
public:
    using json = nlohmann::json;

    SceneChecker(std::string source, int codePage);
    // The document is used up as it is read: what was read of each pad is freed while it is
    // still in the cache.
    ScenePlan Check(json& root);

private:
    // A value's place: a pointer and optionally one step below it, made text only for an
    // error.
    struct Place {
        const std::string& pointer;
        std::string_view key = {};
        long long index = -1;
        std::string Text() const;
    };

    [[noreturn]] void Fail(const Place& place, const std::string& problem) const;
    [[noreturn]] void FailAt(const std::string& pointer, const std::string& problem) const;
    void Expect(const json& value, const Place& place, json::value_t type, const char* what) const;
    // Fails on the object's first key (in its order) that is not allowed, then on the first
    // required key missing. `found`, when given, receives each allowed key's value or null.
    void Keys(const json& object, const std::string& pointer,
              std::initializer_list<std::string_view> allowed,
              std::initializer_list<std::string_view> required, const json** found = nullptr) const;
    bool Boolean(const json& value, const Place& place) const;
    long long Integer(const json& value, const Place& place, long long low, long long high) const;
    std::string Text(const json& value, const Place& place) const;
    // A text in the active code page, added to the plan; null stays null.
    PlanText NullableText(const json& value, const Place& place) const;
    MvSlotType Type(const json& value, const Place& place) const;
    // A value that is not a dictionary entry list; `pointer` is the value's own.
    ValuePlan Scalar(MvSlotType type, const json* value, const std::string& pointer) const;
    // The value and, for a dictionary, every entry below it, added to the plan's values;
    // `pointer` is the value's own and is the same again on return.
    void Values(MvSlotType type, const json* value, std::string& pointer) const;
    ModelPlan Slots(const json& slots, std::string& pointer) const;
    unsigned Protection(const json& value, const Place& place) const;
    void Pads(json& pads, ScenePlan& scene);
    // Gives the pad's children, or null when it has none.
    const json* Pad(const json& pad, std::string& pointer, PadPlan& plan, int index);
    // `place` holds the pad's x, y, width and height.
    void Position(const json* const* place, const std::string& pointer, PadPlan& plan, int index);
    std::string PointerOf(int pad) const;
    void AssignIds(ScenePlan& scene) const;
    int FindPath(std::string_view path) const;
    void Resolve(ScenePlan& scene) const;

    std::string source_;
    int codePage_;
    ScenePlan* scene_ = nullptr;
    std::map<unsigned, int> explicitIds_;
    // Per pad: its index among its parent's children (or in /pads), its own name in UTF-8.
    std::vector<std::size_t> places_;
    std::vector<std::string> utf8Names_;
    // The pads that stand for another, with their reference; per pad: its desktop position,
    // its children; the pads on the desktop.
    std::vector<std::pair<int, json>> standsFor_;
    std::vector<std::pair<int, int>> desktopPlaces_;
    std::vector<std::vector<int>> children_;
    std::vector<int> topLevel_;
};
