#include "SceneChecker.h"

#include "PadLimits.h"
#include "SceneError.h"
#include "SceneNames.h"
#include "host/MvSimplePad.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cmath>
#include <limits>

using json = nlohmann::json;

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void AppendKey(std::string& pointer, std::string_view key) {
    pointer += '/';
    for (char c : key) {
        if (c == '~')
            pointer += "~0";
        else if (c == '/')
            pointer += "~1";
        else
            pointer += c;
    }
}

void AppendIndex(std::string& pointer, size_t index) {
    pointer += '/';
    pointer += std::to_string(index);
}

constexpr long long kHighestId = 0xFFFFFFFFLL;

} // namespace

std::string SceneChecker::Place::Text() const {
    std::string text = pointer;
    if (!key.empty())
        AppendKey(text, key);
    if (index >= 0)
        AppendIndex(text, static_cast<size_t>(index));
    return text;
}

SceneChecker::SceneChecker(std::string source, int codePage)
    : source_(std::move(source)), codePage_(codePage) {}

ScenePlan SceneChecker::Check(json& root) {
    ScenePlan scene;
    scene_ = &scene;
    const std::string top;
    Expect(root, {top}, json::value_t::object, "an object");
    Keys(root, top, {"description", "models", "pads"}, {"pads"});
    if (root.contains("description"))
        Text(root["description"], {top, "description"});
    if (root.contains("models")) {
        const json& models = root["models"];
        Expect(models, {top, "models"}, json::value_t::object, "an object");
        std::string pointer = "/models";
        for (const auto& [name, model] : models.items()) {
            size_t length = pointer.size();
            AppendKey(pointer, name);
            if (name.empty())
                FailAt(pointer, "a model name may not be empty");
            Expect(model, {pointer}, json::value_t::object, "an object");
            Keys(model, pointer, {"slots"}, {"slots"});
            AppendKey(pointer, "slots");
            // The document keeps its keys in byte order, as the plan its models.
            scene.models.push_back({name, Slots(model["slots"], pointer)});
            pointer.resize(length);
        }
    }
    Pads(root["pads"], scene);
    Resolve(scene);
    AssignIds(scene);
    return scene;
}

void SceneChecker::Fail(const Place& place, const std::string& problem) const {
    FailAt(place.Text(), problem);
}

void SceneChecker::FailAt(const std::string& pointer, const std::string& problem) const {
    throw SceneError(source_, 0, 0, pointer.empty() ? "/" : pointer, problem);
}

void SceneChecker::Expect(const json& value, const Place& place, json::value_t type,
                          const char* what) const {
    bool ok = value.type() == type ||
              (type == json::value_t::number_integer && value.is_number_integer());
    if (!ok)
        Fail(place, std::string("expected ") + what + ", got " + value.type_name());
}

void SceneChecker::Keys(const json& object, const std::string& pointer,
                        std::initializer_list<std::string_view> allowed,
                        std::initializer_list<std::string_view> required,
                        const json** found) const {
    if (found != nullptr)
        std::fill(found, found + allowed.size(), nullptr);
    for (const auto& [key, value] : object.get_ref<const json::object_t&>()) {
        const std::string_view* at = std::find(allowed.begin(), allowed.end(), key);
        if (at == allowed.end())
            Fail({pointer, key}, "unknown key " + Quoted(key));
        if (found != nullptr)
            found[at - allowed.begin()] = &value;
    }
    for (std::string_view key : required) {
        bool present =
            found != nullptr
                ? found[std::find(allowed.begin(), allowed.end(), key) - allowed.begin()] != nullptr
                : object.contains(key);
        if (!present)
            FailAt(pointer, "missing required key " + Quoted(std::string(key)));
    }
}

bool SceneChecker::Boolean(const json& value, const Place& place) const {
    Expect(value, place, json::value_t::boolean, "true or false");
    return value.get<bool>();
}

long long SceneChecker::Integer(const json& value, const Place& place, long long low,
                                long long high) const {
    // A whole number too large for 64 bits is read as a floating-point one: it is out of
    // range, not of the wrong kind.
    if (value.is_number_float()) {
        double number = value.get<double>();
        if (std::trunc(number) == number &&
            (number < static_cast<double>(low) || number > static_cast<double>(high)))
            Fail(place, "must be between " + std::to_string(low) + " and " + std::to_string(high));
    }
    if (!value.is_number_integer())
        Fail(place, std::string("expected an integer, got ") + value.type_name());
    if (value.is_number_unsigned() &&
        value.get<unsigned long long>() > static_cast<unsigned long long>(high))
        Fail(place, "must be between " + std::to_string(low) + " and " + std::to_string(high));
    long long number = value.get<long long>();
    if (number < low || number > high)
        Fail(place, "must be between " + std::to_string(low) + " and " + std::to_string(high));
    return number;
}

std::string SceneChecker::Text(const json& value, const Place& place) const {
    Expect(value, place, json::value_t::string, "a string");
    return value.get<std::string>();
}

PlanText SceneChecker::NullableText(const json& value, const Place& place) const {
    if (value.is_null())
        return {};
    if (!value.is_string())
        Fail(place, std::string("expected a string or null, got ") + value.type_name());
    return scene_->AddText(codepage::FromUtf8(value.get_ref<const std::string&>(), codePage_));
}

MvSlotType SceneChecker::Type(const json& value, const Place& place) const {
    std::string name = Text(value, place);
    const auto* it = FindName(kSlotTypeNames, name);
    if (it == nullptr)
        Fail(place, "unknown slot type " + Quoted(name) +
                        "; expected dictionary, boolean, number, string, command or object");
    return it->second;
}

ValuePlan SceneChecker::Scalar(MvSlotType type, const json* value,
                               const std::string& pointer) const {
    ValuePlan plan;
    plan.type = type;
    if (value == nullptr)
        return plan;
    switch (type) {
    case kSlotBoolean:
        plan.boolean = Boolean(*value, {pointer});
        break;
    case kSlotNumber:
        if (!value->is_number())
            FailAt(pointer, std::string("expected a number, got ") + value->type_name());
        plan.number = value->get<double>();
        break;
    case kSlotString:
    case kSlotObject:
        plan.text = NullableText(*value, {pointer});
        break;
    case kSlotDictionary:
        Expect(*value, {pointer}, json::value_t::array, "an array of entries");
        break;
    case kSlotCommand:
        FailAt(pointer, "a command slot has no value");
    }
    return plan;
}

void SceneChecker::Values(MvSlotType type, const json* value, std::string& pointer) const {
    std::vector<ValuePlan>& out = scene_->values;
    struct Open {
        const json* entries;
        size_t next;
        size_t plan;
        size_t pointerLength;
    };
    std::vector<Open> open;
    out.push_back(Scalar(type, value, pointer));
    if (type == kSlotDictionary && value != nullptr)
        open.push_back({value, 0, out.size() - 1, pointer.size()});
    while (!open.empty()) {
        Open& level = open.back();
        pointer.resize(level.pointerLength);
        if (level.next == level.entries->size()) {
            open.pop_back();
            continue;
        }
        size_t index = level.next++;
        ++out[level.plan].entries;
        const json& entry = (*level.entries)[index];
        AppendIndex(pointer, index);
        Expect(entry, {pointer}, json::value_t::object, "an object");
        const json* member[3];
        Keys(entry, pointer, {"key", "type", "value"}, {"key", "type"}, member);
        PlanText key =
            scene_->AddText(codepage::FromUtf8(Text(*member[0], {pointer, "key"}), codePage_));
        MvSlotType entryType = Type(*member[1], {pointer, "type"});
        const json* entryValue = member[2];
        AppendKey(pointer, "value");
        out.push_back(Scalar(entryType, entryValue, pointer));
        out.back().key = key;
        if (entryType == kSlotDictionary && entryValue != nullptr)
            open.push_back({entryValue, 0, out.size() - 1, pointer.size()});
    }
}

ModelPlan SceneChecker::Slots(const json& slots, std::string& pointer) const {
    Expect(slots, {pointer}, json::value_t::array, "an array of slots");
    ModelPlan model{static_cast<std::uint32_t>(scene_->slots.size()), 0};
    size_t length = pointer.size();
    for (size_t i = 0; i < slots.size(); ++i) {
        const json& slot = slots[i];
        AppendIndex(pointer, i);
        Expect(slot, {pointer}, json::value_t::object, "an object");
        const json* member[3];
        Keys(slot, pointer, {"name", "type", "value"}, {"name", "type"}, member);
        SlotPlan plan;
        std::string utf8 = Text(*member[0], {pointer, "name"});
        std::string name = codepage::FromUtf8(utf8, codePage_);
        if (name.empty())
            Fail({pointer, "name"}, "a slot name may not be empty");
        if (scene_->SlotIndex(model, name) >= 0)
            Fail({pointer, "name"}, "duplicate slot name " + Quoted(utf8));
        plan.name = scene_->AddText(name);
        MvSlotType type = Type(*member[1], {pointer, "type"});
        AppendKey(pointer, "value");
        plan.firstValue = static_cast<std::uint32_t>(scene_->values.size());
        Values(type, member[2], pointer);
        plan.valueCount = static_cast<std::uint32_t>(scene_->values.size()) - plan.firstValue;
        scene_->slots.push_back(plan);
        ++model.slotCount;
        pointer.resize(length);
    }
    return model;
}

unsigned SceneChecker::Protection(const json& value, const Place& place) const {
    if (value.is_number_integer())
        return static_cast<unsigned>(Integer(value, place, 0, 0xFFFFFFFFLL));
    if (!value.is_array())
        Fail(place,
             std::string("expected an integer or an array of names, got ") + value.type_name());
    std::string pointer = place.Text();
    unsigned bits = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string name = Text(value[i], {pointer, {}, static_cast<long long>(i)});
        const auto* it = FindName(kProtectionNames, name);
        if (it == nullptr)
            Fail({pointer, {}, static_cast<long long>(i)},
                 "unknown protection " + Quoted(name) +
                     "; expected position, size, delete, property, confined, insertReplace or "
                     "tools");
        bits |= it->second;
    }
    return bits;
}

void SceneChecker::Pads(json& pads, ScenePlan& scene) {
    std::string pointer = "/pads";
    Expect(pads, {pointer}, json::value_t::array, "an array");
    struct Open {
        json* pads;
        size_t next;
        int parent;
        size_t pointerLength;
    };
    std::vector<Open> open{{&pads, 0, -1, pointer.size()}};
    while (!open.empty()) {
        Open& level = open.back();
        pointer.resize(level.pointerLength);
        if (level.next == level.pads->size()) {
            level.pads->clear();
            open.pop_back();
            continue;
        }
        size_t place = level.next++;
        int parent = level.parent;
        json& pad = (*level.pads)[place];
        AppendIndex(pointer, place);
        int index = static_cast<int>(scene.pads.size());
        scene.pads.emplace_back();
        scene.pads.back().parent = parent;
        places_.push_back(place);
        utf8Names_.emplace_back();
        desktopPlaces_.emplace_back();
        children_.emplace_back();
        (parent < 0 ? topLevel_ : children_[static_cast<size_t>(parent)]).push_back(index);
        const json* children = Pad(pad, pointer, scene.pads.back(), index);
        if (children != nullptr) {
            AppendKey(pointer, "children");
            Expect(*children, {pointer}, json::value_t::array, "an array");
        }
        // What was read of the pad goes while it is in the cache; the pad it stands for is
        // resolved once every pad is known, and its children are read next.
        json::object_t& members = pad.get_ref<json::object_t&>();
        for (auto it = members.begin(); it != members.end();) {
            if (it->first == "children") {
                ++it;
                continue;
            }
            if (it->first == "standsFor")
                standsFor_.emplace_back(index, std::move(it->second));
            it = members.erase(it);
        }
        if (children != nullptr)
            open.push_back({&members.at("children"), 0, index, pointer.size()});
    }
}

// The place is relative to the parent; the position on the desktop it gives must lie within
// the framework's limits.
void SceneChecker::Position(const json* const* place, const std::string& pointer, PadPlan& plan,
                            int index) {
    long long parentX = 0;
    long long parentY = 0;
    if (plan.parent >= 0) {
        auto [x, y] = desktopPlaces_[static_cast<size_t>(plan.parent)];
        parentX = x;
        parentY = y;
    }
    auto coordinate = [&](const json& value, const char* key, long long parentValue) {
        Place at{pointer, key};
        if (plan.parent < 0)
            return static_cast<int>(Integer(value, at, kPadPositionMin, kPadPositionMax));
        long long relative =
            Integer(value, at, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        long long onDesktop = parentValue + relative;
        if (onDesktop < kPadPositionMin || onDesktop > kPadPositionMax)
            Fail(at, "places the pad at " + std::to_string(onDesktop) +
                         " on the desktop; positions on the desktop lie between " +
                         std::to_string(kPadPositionMin) + " and " +
                         std::to_string(kPadPositionMax));
        return static_cast<int>(relative);
    };
    plan.x = coordinate(*place[0], "x", parentX);
    plan.y = coordinate(*place[1], "y", parentY);
    desktopPlaces_[static_cast<size_t>(index)] = {static_cast<int>(parentX + plan.x),
                                                  static_cast<int>(parentY + plan.y)};
    plan.width = static_cast<int>(Integer(*place[2], {pointer, "width"}, 0, kPadSizeMax));
    plan.height = static_cast<int>(Integer(*place[3], {pointer, "height"}, 0, kPadSizeMax));
}

const SceneChecker::json* SceneChecker::Pad(const json& pad, std::string& pointer, PadPlan& plan,
                                            int index) {
    Expect(pad, {pointer}, json::value_t::object, "an object");
    // Each key is looked for once; the required ones come first, in the order they are
    // asked for.
    const json* member[kPadKeyCount];
    Keys(pad, pointer,
         {"name",
          "class",
          "x",
          "y",
          "width",
          "height",
          "id",
          "visible",
          "ownView",
          "padName",
          "memo",
          "protection",
          "groupDepth",
          "selected",
          "model",
          "slots",
          "output",
          "connect",
          "refusesConnector",
          "standsFor",
          "children"},
         {"name", "class", "x", "y", "width", "height"}, member);
    plan.name = NullableText(*member[kName], {pointer, "name"});
    if (member[kName]->is_string())
        utf8Names_[static_cast<size_t>(index)] = member[kName]->get<std::string>();
    std::string className = Text(*member[kClass], {pointer, "class"});
    if (className.empty())
        Fail({pointer, "class"}, "a class name may not be empty");
    plan.className = scene_->ClassIndex(className);
    Position(&member[kX], pointer, plan, index);
    if (const json* id = member[kId]) {
        plan.id = static_cast<unsigned>(Integer(*id, {pointer, "id"}, 1, kHighestId));
        auto [it, added] = explicitIds_.emplace(plan.id, index);
        if (!added)
            Fail({pointer, "id"},
                 "id " + std::to_string(plan.id) + " is already used by " + PointerOf(it->second));
    }
    if (member[kVisible] != nullptr)
        plan.visible = Boolean(*member[kVisible], {pointer, "visible"});
    if (member[kOwnView] != nullptr)
        plan.ownView = Boolean(*member[kOwnView], {pointer, "ownView"});
    if (member[kSelected] != nullptr)
        plan.selected = Boolean(*member[kSelected], {pointer, "selected"});
    if (member[kRefusesConnector] != nullptr)
        plan.refusesConnector = Boolean(*member[kRefusesConnector], {pointer, "refusesConnector"});
    if (member[kPadName] != nullptr)
        plan.padName = NullableText(*member[kPadName], {pointer, "padName"});
    if (member[kMemo] != nullptr)
        plan.memo = NullableText(*member[kMemo], {pointer, "memo"});
    if (member[kProtection] != nullptr)
        plan.protection = Protection(*member[kProtection], {pointer, "protection"});
    if (member[kGroupDepth] != nullptr)
        plan.groupDepth = static_cast<std::uint8_t>(
            Integer(*member[kGroupDepth], {pointer, "groupDepth"}, 0, kPadGroupDepthMax));
    if (member[kModel] != nullptr && member[kSlots] != nullptr)
        Fail({pointer, "slots"}, "a pad has either a shared \"model\" or its own "
                                 "\"slots\", not both");
    if (member[kModel] != nullptr) {
        std::string name = Text(*member[kModel], {pointer, "model"});
        plan.sharedModel = scene_->FindModel(name);
        if (plan.sharedModel < 0)
            Fail({pointer, "model"}, "no model named " + Quoted(name) + " in /models");
    }
    if (member[kSlots] != nullptr) {
        size_t length = pointer.size();
        AppendKey(pointer, "slots");
        plan.privateModel = Slots(*member[kSlots], pointer);
        pointer.resize(length);
    }
    if (member[kOutput] != nullptr) {
        std::string utf8 = Text(*member[kOutput], {pointer, "output"});
        plan.output = scene_->SlotIndex(scene_->ModelOf(plan), codepage::FromUtf8(utf8, codePage_));
        if (plan.output < 0)
            Fail({pointer, "output"}, "the pad's model has no slot " + Quoted(utf8));
    }
    if (member[kConnect] != nullptr) {
        std::string utf8 = Text(*member[kConnect], {pointer, "connect"});
        std::string slot = codepage::FromUtf8(utf8, codePage_);
        if (plan.parent < 0)
            Fail({pointer, "connect"}, "a pad on the desktop has no parent to connect to");
        const PadPlan& parent = scene_->pads[static_cast<size_t>(plan.parent)];
        if (scene_->SlotIndex(scene_->ModelOf(parent), slot) < 0)
            Fail({pointer, "connect"}, "the parent's model has no slot " + Quoted(utf8));
        plan.connect = scene_->AddText(slot);
    }
    if (const json* ref = member[kStandsFor]) {
        if (className != "MvIconPad" && className != "MvDynamicLoadPad")
            Fail({pointer, "standsFor"},
                 "only an MvIconPad or MvDynamicLoadPad pad stands for another pad");
        if (!ref->is_string() && !ref->is_number_integer())
            Fail({pointer, "standsFor"},
                 std::string("expected a pad path or id, got ") + ref->type_name());
    }
    return member[kChildren];
}

// Built from the parents only when an error needs it: a pointer per pad would cost memory
// quadratic in the depth.
std::string SceneChecker::PointerOf(int pad) const {
    std::vector<size_t> places;
    for (int at = pad; at >= 0; at = scene_->pads[static_cast<size_t>(at)].parent)
        places.push_back(places_[static_cast<size_t>(at)]);
    std::string pointer = "/pads";
    for (auto it = places.rbegin(); it != places.rend(); ++it) {
        if (it != places.rbegin())
            pointer += "/children";
        AppendIndex(pointer, *it);
    }
    return pointer;
}

// Pads without an ID get the next ones above the highest given, in document order.
void SceneChecker::AssignIds(ScenePlan& scene) const {
    unsigned long long highest = explicitIds_.empty() ? 0 : explicitIds_.rbegin()->first;
    unsigned long long next = highest + 1;
    for (size_t i = 0; i < scene.pads.size(); ++i) {
        PadPlan& pad = scene.pads[i];
        if (pad.id != 0)
            continue;
        if (next > static_cast<unsigned long long>(kHighestId))
            FailAt(PointerOf(static_cast<int>(i)),
                   "no ID is left for this pad: pads without an \"id\" get the IDs above "
                   "the highest given, " +
                       std::to_string(highest) + ", the last there is");
        pad.id = static_cast<unsigned>(next++);
    }
    scene.highestId = static_cast<unsigned>(next - 1);
}

int SceneChecker::FindPath(std::string_view path) const {
    const std::vector<int>* level = &topLevel_;
    for (;;) {
        size_t slash = path.find('/');
        std::string_view name = path.substr(0, slash);
        int found = -1;
        for (int pad : *level) {
            if (!scene_->pads[static_cast<size_t>(pad)].name.IsNull() &&
                utf8Names_[static_cast<size_t>(pad)] == name) {
                found = pad;
                break;
            }
        }
        if (found < 0 || slash == std::string_view::npos)
            return found;
        level = &children_[static_cast<size_t>(found)];
        path.remove_prefix(slash + 1);
    }
}

void SceneChecker::Resolve(ScenePlan& scene) const {
    std::map<int, int> iconOwners;
    for (const auto& [index, ref] : standsFor_) {
        size_t i = static_cast<size_t>(index);
        PadPlan& pad = scene.pads[i];
        std::string pointer = PointerOf(index);
        Place place{pointer, "standsFor"};
        if (ref.is_string()) {
            std::string path = ref.get<std::string>();
            pad.standsFor = path.empty() ? -1 : FindPath(path);
            if (pad.standsFor < 0)
                Fail(place, "no pad at path " + Quoted(path));
        } else {
            // Non-negative numbers are unsigned in the document, negative ones never an ID.
            bool inRange =
                ref.is_number_unsigned() &&
                ref.get<unsigned long long>() <= static_cast<unsigned long long>(kHighestId);
            auto found = inRange ? explicitIds_.find(ref.get<unsigned>()) : explicitIds_.end();
            pad.standsFor = found == explicitIds_.end() ? -1 : found->second;
            if (pad.standsFor < 0)
                Fail(place, "no pad with id " + ref.dump());
        }
        if (pad.standsFor == static_cast<int>(i))
            Fail(place, "a pad cannot stand for itself");
        if (scene.ClassOf(pad) == "MvIconPad") {
            auto [it, added] = iconOwners.emplace(pad.standsFor, static_cast<int>(i));
            if (!added)
                Fail(place, "the pad already has an icon pad, " + PointerOf(it->second));
        }
    }
}
