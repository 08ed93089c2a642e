#include "SceneChecker.h"

#include "SceneError.h"
#include "host/MvSimplePad.h"
#include "platform/CodePage.h"

#include <limits>

using json = nlohmann::json;

namespace {

const std::map<std::string, MvSlotType>& TypeNames() {
    static const std::map<std::string, MvSlotType> names = {
        {"dictionary", kSlotDictionary}, {"boolean", kSlotBoolean}, {"number", kSlotNumber},
        {"string", kSlotString},         {"command", kSlotCommand}, {"object", kSlotObject},
    };
    return names;
}

const std::map<std::string, unsigned>& ProtectionNames() {
    static const std::map<std::string, unsigned> names = {
        {"position", kProtectPosition}, {"size", kProtectSize},
        {"delete", kProtectDelete},     {"property", kProtectProperty},
        {"confined", kProtectConfined}, {"insertReplace", kProtectInsertReplace},
        {"tools", kProtectTools},
    };
    return names;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

SceneChecker::SceneChecker(std::string source, int codePage)
    : source_(std::move(source)), codePage_(codePage) {}

ScenePlan SceneChecker::Check(const json& root) {
    ScenePlan scene;
    ScenePointer document;
    Expect(root, document, json::value_t::object, "an object");
    Keys(root, document, {"description", "models", "pads"}, {"pads"});
    if (root.contains("description"))
        Text(root["description"], document.Child("description"));
    if (root.contains("models")) {
        const json& models = root["models"];
        ScenePointer modelsPointer = document.Child("models");
        Expect(models, modelsPointer, json::value_t::object, "an object");
        for (const auto& [name, model] : models.items()) {
            ScenePointer pointer = modelsPointer.Child(name);
            if (name.empty())
                Fail(pointer, "a model name may not be empty");
            scene.models[name] = Model(model, pointer);
        }
    }
    models_ = &scene.models;
    const json& pads = root["pads"];
    Expect(pads, document.Child("pads"), json::value_t::array, "an array");
    // The pads in pre-order, with a stack of the children lists being walked instead of
    // recursion: a chain of pads may be as long as the scene.
    struct Level {
        const json* pads;
        PadPlan* parent;
        size_t next;
    };
    std::vector<Level> levels{{&pads, nullptr, 0}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next >= level.pads->size()) {
            levels.pop_back();
            continue;
        }
        size_t i = level.next++;
        PadPlan* parent = level.parent;
        const json& pad = (*level.pads)[i];
        PadPlan& plan = scene.allPads.emplace_back();
        plan.parent = parent;
        plan.pointer = parent != nullptr ? parent->childrenPointer.Child(i)
                                         : ScenePointer(nullptr, "pads/" + std::to_string(i));
        plan.childrenPointer = ScenePointer(&plan.pointer, "children");
        (parent != nullptr ? parent->children : scene.pads).push_back(&plan);
        if (const json* children = Pad(pad, plan))
            levels.push_back({children, &plan, 0});
    }
    for (PadPlan& pad : scene.allPads)
        Resolve(pad, scene);
    return scene;
}

void SceneChecker::Fail(const ScenePointer& pointer, const std::string& problem) const {
    std::string text = pointer.str();
    throw SceneError(source_, 0, 0, text.empty() ? "/" : text, problem);
}

void SceneChecker::Expect(const json& value, const ScenePointer& pointer, json::value_t type,
                          const char* what) const {
    bool ok = value.type() == type ||
              (type == json::value_t::number_integer && value.is_number_integer());
    if (!ok)
        Fail(pointer, std::string("expected ") + what + ", got " + value.type_name());
}

void SceneChecker::Keys(const json& object, const ScenePointer& pointer,
                        std::initializer_list<const char*> allowed,
                        std::initializer_list<const char*> required) const {
    for (const auto& item : object.items()) {
        bool known = false;
        for (const char* key : allowed)
            known = known || item.key() == key;
        if (!known)
            Fail(pointer.Child(item.key()), "unknown key " + Quoted(item.key()));
    }
    for (const char* key : required) {
        if (!object.contains(key))
            Fail(pointer, std::string("missing required key ") + Quoted(key));
    }
}

bool SceneChecker::Boolean(const json& value, const ScenePointer& pointer) const {
    Expect(value, pointer, json::value_t::boolean, "true or false");
    return value.get<bool>();
}

long long SceneChecker::Integer(const json& value, const ScenePointer& pointer, long long low,
                                long long high) const {
    if (!value.is_number_integer())
        Fail(pointer, std::string("expected an integer, got ") + value.type_name());
    if (value.is_number_unsigned() &&
        value.get<unsigned long long>() > static_cast<unsigned long long>(high))
        Fail(pointer, "must be at most " + std::to_string(high));
    long long number = value.get<long long>();
    if (number < low || number > high)
        Fail(pointer, "must be between " + std::to_string(low) + " and " + std::to_string(high));
    return number;
}

int SceneChecker::Coordinate(const json& value, const ScenePointer& pointer) const {
    return static_cast<int>(
        Integer(value, pointer, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::string SceneChecker::Text(const json& value, const ScenePointer& pointer) const {
    Expect(value, pointer, json::value_t::string, "a string");
    return value.get<std::string>();
}

std::optional<std::string> SceneChecker::NullableText(const json& value,
                                                      const ScenePointer& pointer) const {
    if (value.is_null())
        return std::nullopt;
    if (!value.is_string())
        Fail(pointer, std::string("expected a string or null, got ") + value.type_name());
    return codepage::FromUtf8(value.get<std::string>(), codePage_);
}

MvSlotType SceneChecker::Type(const json& value, const ScenePointer& pointer) const {
    std::string name = Text(value, pointer);
    auto it = TypeNames().find(name);
    if (it == TypeNames().end())
        Fail(pointer, "unknown slot type " + Quoted(name) +
                          "; expected dictionary, boolean, number, string, command or object");
    return it->second;
}

ValuePlan SceneChecker::Value(MvSlotType type, const json* value,
                              const ScenePointer& pointer) const {
    ValuePlan plan;
    plan.type = type;
    if (value == nullptr)
        return plan;
    switch (type) {
    case kSlotBoolean:
        plan.boolean = Boolean(*value, pointer);
        break;
    case kSlotNumber:
        if (!value->is_number())
            Fail(pointer, std::string("expected a number, got ") + value->type_name());
        plan.number = value->get<double>();
        break;
    case kSlotString:
    case kSlotObject:
        plan.text = NullableText(*value, pointer);
        break;
    case kSlotDictionary:
        Expect(*value, pointer, json::value_t::array, "an array of entries");
        for (size_t i = 0; i < value->size(); ++i)
            plan.entries.push_back(Entry((*value)[i], pointer.Child(i)));
        break;
    case kSlotCommand:
        Fail(pointer, "a command slot has no value");
    }
    return plan;
}

EntryPlan SceneChecker::Entry(const json& entry, const ScenePointer& pointer) const {
    Expect(entry, pointer, json::value_t::object, "an object");
    Keys(entry, pointer, {"key", "type", "value"}, {"key", "type"});
    EntryPlan plan;
    plan.key = codepage::FromUtf8(Text(entry["key"], pointer.Child("key")), codePage_);
    MvSlotType type = Type(entry["type"], pointer.Child("type"));
    const json* value = entry.contains("value") ? &entry["value"] : nullptr;
    plan.value.push_back(Value(type, value, pointer.Child("value")));
    return plan;
}

ModelPlan SceneChecker::Slots(const json& slots, const ScenePointer& pointer) const {
    Expect(slots, pointer, json::value_t::array, "an array of slots");
    ModelPlan model;
    for (size_t i = 0; i < slots.size(); ++i) {
        const json& slot = slots[i];
        ScenePointer at = pointer.Child(i);
        Expect(slot, at, json::value_t::object, "an object");
        Keys(slot, at, {"name", "type", "value"}, {"name", "type"});
        SlotPlan plan;
        std::string utf8 = Text(slot["name"], at.Child("name"));
        plan.name = codepage::FromUtf8(utf8, codePage_);
        if (plan.name.empty())
            Fail(at.Child("name"), "a slot name may not be empty");
        if (model.IndexOf(plan.name) >= 0)
            Fail(at.Child("name"), "duplicate slot name " + Quoted(utf8));
        MvSlotType type = Type(slot["type"], at.Child("type"));
        const json* value = slot.contains("value") ? &slot["value"] : nullptr;
        plan.value = Value(type, value, at.Child("value"));
        model.slots.push_back(std::move(plan));
    }
    return model;
}

ModelPlan SceneChecker::Model(const json& model, const ScenePointer& pointer) const {
    Expect(model, pointer, json::value_t::object, "an object");
    Keys(model, pointer, {"slots"}, {"slots"});
    return Slots(model["slots"], pointer.Child("slots"));
}

unsigned SceneChecker::Protection(const json& value, const ScenePointer& pointer) const {
    if (value.is_number_integer())
        return static_cast<unsigned>(Integer(value, pointer, 0, 0xFFFFFFFFLL));
    if (!value.is_array())
        Fail(pointer,
             std::string("expected an integer or an array of names, got ") + value.type_name());
    unsigned bits = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string name = Text(value[i], pointer.Child(i));
        auto it = ProtectionNames().find(name);
        if (it == ProtectionNames().end())
            Fail(pointer.Child(i), "unknown protection " + Quoted(name) +
                                       "; expected position, size, delete, property, confined, "
                                       "insertReplace or tools");
        bits |= it->second;
    }
    return bits;
}

const ModelPlan& SceneChecker::ModelOf(const PadPlan& pad) const {
    return pad.modelName.empty() ? pad.privateModel : models_->at(pad.modelName);
}

const SceneChecker::json* SceneChecker::Pad(const json& pad, PadPlan& plan) {
    const ScenePointer& pointer = plan.pointer;
    const PadPlan* parent = plan.parent;
    Expect(pad, pointer, json::value_t::object, "an object");
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
         {"name", "class", "x", "y", "width", "height"});
    plan.name = NullableText(pad["name"], pointer.Child("name"));
    if (pad["name"].is_string())
        plan.utf8Name = pad["name"].get<std::string>();
    plan.className = Text(pad["class"], pointer.Child("class"));
    if (plan.className.empty())
        Fail(pointer.Child("class"), "a class name may not be empty");
    plan.x = Coordinate(pad["x"], pointer.Child("x"));
    plan.y = Coordinate(pad["y"], pointer.Child("y"));
    plan.width = static_cast<int>(
        Integer(pad["width"], pointer.Child("width"), 0, std::numeric_limits<int>::max()));
    plan.height = static_cast<int>(
        Integer(pad["height"], pointer.Child("height"), 0, std::numeric_limits<int>::max()));
    if (pad.contains("id")) {
        ScenePointer at = pointer.Child("id");
        plan.id = static_cast<unsigned>(Integer(pad["id"], at, 1, 0xFFFFFFFFLL));
        auto [it, added] = idPads_.emplace(plan.id, &plan);
        if (!added)
            Fail(at, "id " + std::to_string(plan.id) + " is already used by " +
                         it->second->pointer.str());
    }
    if (pad.contains("visible"))
        plan.visible = Boolean(pad["visible"], pointer.Child("visible"));
    if (pad.contains("ownView"))
        plan.ownView = Boolean(pad["ownView"], pointer.Child("ownView"));
    if (pad.contains("selected"))
        plan.selected = Boolean(pad["selected"], pointer.Child("selected"));
    if (pad.contains("refusesConnector"))
        plan.refusesConnector = Boolean(pad["refusesConnector"], pointer.Child("refusesConnector"));
    if (pad.contains("padName"))
        plan.padName = NullableText(pad["padName"], pointer.Child("padName"));
    if (pad.contains("memo"))
        plan.memo = NullableText(pad["memo"], pointer.Child("memo"));
    if (pad.contains("protection"))
        plan.protection = Protection(pad["protection"], pointer.Child("protection"));
    if (pad.contains("groupDepth"))
        plan.groupDepth = static_cast<int>(Integer(pad["groupDepth"], pointer.Child("groupDepth"),
                                                   0, std::numeric_limits<int>::max()));
    if (pad.contains("model") && pad.contains("slots"))
        Fail(pointer.Child("slots"), "a pad has either a shared \"model\" or its own "
                                     "\"slots\", not both");
    if (pad.contains("model")) {
        ScenePointer at = pointer.Child("model");
        plan.modelName = Text(pad["model"], at);
        if (models_->count(plan.modelName) == 0)
            Fail(at, "no model named " + Quoted(plan.modelName) + " in /models");
    }
    if (pad.contains("slots"))
        plan.privateModel = Slots(pad["slots"], pointer.Child("slots"));
    if (pad.contains("output")) {
        ScenePointer at = pointer.Child("output");
        std::string utf8 = Text(pad["output"], at);
        plan.output = ModelOf(plan).IndexOf(codepage::FromUtf8(utf8, codePage_));
        if (plan.output < 0)
            Fail(at, "the pad's model has no slot " + Quoted(utf8));
    }
    if (pad.contains("connect")) {
        ScenePointer at = pointer.Child("connect");
        std::string utf8 = Text(pad["connect"], at);
        std::string slot = codepage::FromUtf8(utf8, codePage_);
        if (parent == nullptr)
            Fail(at, "a pad on the desktop has no parent to connect to");
        if (ModelOf(*parent).IndexOf(slot) < 0)
            Fail(at, "the parent's model has no slot " + Quoted(utf8));
        plan.connect = slot;
    }
    if (pad.contains("standsFor")) {
        ScenePointer at = pointer.Child("standsFor");
        if (plan.className != "MvIconPad" && plan.className != "MvDynamicLoadPad")
            Fail(at, "only an MvIconPad or MvDynamicLoadPad pad stands for another pad");
        const json& ref = pad["standsFor"];
        if (!ref.is_string() && !ref.is_number_integer())
            Fail(at, std::string("expected a pad path or id, got ") + ref.type_name());
        plan.standsFor = &ref;
    }
    if (!pad.contains("children"))
        return nullptr;
    const json& children = pad["children"];
    Expect(children, plan.childrenPointer, json::value_t::array, "an array");
    return &children;
}

PadPlan* SceneChecker::FindPath(const std::vector<PadPlan*>& top, std::string_view path) const {
    const std::vector<PadPlan*>* level = &top;
    while (true) {
        size_t slash = path.find('/');
        std::string_view name = path.substr(0, slash);
        PadPlan* found = nullptr;
        for (PadPlan* pad : *level) {
            if (pad->name && pad->utf8Name == name) {
                found = pad;
                break;
            }
        }
        if (found == nullptr || slash == std::string_view::npos)
            return found;
        level = &found->children;
        path = path.substr(slash + 1);
    }
}

PadPlan* SceneChecker::FindId(unsigned id) const {
    auto it = idPads_.find(id);
    return it != idPads_.end() ? it->second : nullptr;
}

void SceneChecker::Resolve(PadPlan& pad, const ScenePlan& scene) {
    if (pad.standsFor != nullptr) {
        ScenePointer at = pad.pointer.Child("standsFor");
        const json& ref = *pad.standsFor;
        if (ref.is_string()) {
            std::string path = ref.get<std::string>();
            pad.standsForPad = path.empty() ? nullptr : FindPath(scene.pads, path);
            if (pad.standsForPad == nullptr)
                Fail(at, "no pad at path " + Quoted(path));
        } else {
            long long id = ref.get<long long>();
            pad.standsForPad = id > 0 ? FindId(static_cast<unsigned>(id)) : nullptr;
            if (pad.standsForPad == nullptr)
                Fail(at, "no pad with id " + std::to_string(id));
        }
        if (pad.standsForPad == &pad)
            Fail(at, "a pad cannot stand for itself");
        if (pad.className == "MvIconPad") {
            auto [it, added] = iconOwners_.emplace(pad.standsForPad, &pad);
            if (!added)
                Fail(at, "the pad already has an icon pad, " + it->second->pointer.str());
        }
    }
}
