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

std::string Child(const std::string& pointer, const std::string& key) {
    std::string escaped;
    for (char c : key) {
        if (c == '~')
            escaped += "~0";
        else if (c == '/')
            escaped += "~1";
        else
            escaped += c;
    }
    return pointer + "/" + escaped;
}

std::string Child(const std::string& pointer, size_t index) {
    return pointer + "/" + std::to_string(index);
}

} // namespace

SceneChecker::SceneChecker(std::string source, int codePage)
    : source_(std::move(source)), codePage_(codePage) {}

ScenePlan SceneChecker::Check(const json& root) {
    ScenePlan scene;
    Expect(root, "", json::value_t::object, "an object");
    Keys(root, "", {"description", "models", "pads"}, {"pads"});
    if (root.contains("description"))
        Text(root["description"], "/description");
    if (root.contains("models")) {
        const json& models = root["models"];
        Expect(models, "/models", json::value_t::object, "an object");
        for (const auto& [name, model] : models.items()) {
            std::string pointer = Child("/models", name);
            if (name.empty())
                Fail(pointer, "a model name may not be empty");
            scene.models[name] = Model(model, pointer);
        }
    }
    models_ = &scene.models;
    const json& pads = root["pads"];
    Expect(pads, "/pads", json::value_t::array, "an array");
    for (size_t i = 0; i < pads.size(); ++i)
        scene.pads.push_back(Pad(pads[i], Child("/pads", i), nullptr));
    for (PadPlan& pad : scene.pads)
        Resolve(pad, scene);
    return scene;
}

void SceneChecker::Fail(const std::string& pointer, const std::string& problem) const {
    throw SceneError(source_, 0, 0, pointer.empty() ? "/" : pointer, problem);
}

void SceneChecker::Expect(const json& value, const std::string& pointer, json::value_t type,
                          const char* what) const {
    bool ok = value.type() == type ||
              (type == json::value_t::number_integer && value.is_number_integer());
    if (!ok)
        Fail(pointer, std::string("expected ") + what + ", got " + value.type_name());
}

void SceneChecker::Keys(const json& object, const std::string& pointer,
                        std::initializer_list<const char*> allowed,
                        std::initializer_list<const char*> required) const {
    for (const auto& item : object.items()) {
        bool known = false;
        for (const char* key : allowed)
            known = known || item.key() == key;
        if (!known)
            Fail(Child(pointer, item.key()), "unknown key " + Quoted(item.key()));
    }
    for (const char* key : required) {
        if (!object.contains(key))
            Fail(pointer, std::string("missing required key ") + Quoted(key));
    }
}

bool SceneChecker::Boolean(const json& value, const std::string& pointer) const {
    Expect(value, pointer, json::value_t::boolean, "true or false");
    return value.get<bool>();
}

long long SceneChecker::Integer(const json& value, const std::string& pointer, long long low,
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

int SceneChecker::Coordinate(const json& value, const std::string& pointer) const {
    return static_cast<int>(
        Integer(value, pointer, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::string SceneChecker::Text(const json& value, const std::string& pointer) const {
    Expect(value, pointer, json::value_t::string, "a string");
    return value.get<std::string>();
}

std::optional<std::string> SceneChecker::NullableText(const json& value,
                                                      const std::string& pointer) const {
    if (value.is_null())
        return std::nullopt;
    if (!value.is_string())
        Fail(pointer, std::string("expected a string or null, got ") + value.type_name());
    return codepage::FromUtf8(value.get<std::string>(), codePage_);
}

MvSlotType SceneChecker::Type(const json& value, const std::string& pointer) const {
    std::string name = Text(value, pointer);
    auto it = TypeNames().find(name);
    if (it == TypeNames().end())
        Fail(pointer, "unknown slot type " + Quoted(name) +
                          "; expected dictionary, boolean, number, string, command or object");
    return it->second;
}

ValuePlan SceneChecker::Value(MvSlotType type, const json* value,
                              const std::string& pointer) const {
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
            plan.entries.push_back(Entry((*value)[i], Child(pointer, i)));
        break;
    case kSlotCommand:
        Fail(pointer, "a command slot has no value");
    }
    return plan;
}

EntryPlan SceneChecker::Entry(const json& entry, const std::string& pointer) const {
    Expect(entry, pointer, json::value_t::object, "an object");
    Keys(entry, pointer, {"key", "type", "value"}, {"key", "type"});
    EntryPlan plan;
    plan.key = codepage::FromUtf8(Text(entry["key"], Child(pointer, "key")), codePage_);
    MvSlotType type = Type(entry["type"], Child(pointer, "type"));
    const json* value = entry.contains("value") ? &entry["value"] : nullptr;
    plan.value.push_back(Value(type, value, Child(pointer, "value")));
    return plan;
}

ModelPlan SceneChecker::Slots(const json& slots, const std::string& pointer) const {
    Expect(slots, pointer, json::value_t::array, "an array of slots");
    ModelPlan model;
    for (size_t i = 0; i < slots.size(); ++i) {
        const json& slot = slots[i];
        std::string at = Child(pointer, i);
        Expect(slot, at, json::value_t::object, "an object");
        Keys(slot, at, {"name", "type", "value"}, {"name", "type"});
        SlotPlan plan;
        std::string utf8 = Text(slot["name"], Child(at, "name"));
        plan.name = codepage::FromUtf8(utf8, codePage_);
        if (plan.name.empty())
            Fail(Child(at, "name"), "a slot name may not be empty");
        if (model.IndexOf(plan.name) >= 0)
            Fail(Child(at, "name"), "duplicate slot name " + Quoted(utf8));
        MvSlotType type = Type(slot["type"], Child(at, "type"));
        const json* value = slot.contains("value") ? &slot["value"] : nullptr;
        plan.value = Value(type, value, Child(at, "value"));
        model.slots.push_back(std::move(plan));
    }
    return model;
}

ModelPlan SceneChecker::Model(const json& model, const std::string& pointer) const {
    Expect(model, pointer, json::value_t::object, "an object");
    Keys(model, pointer, {"slots"}, {"slots"});
    return Slots(model["slots"], Child(pointer, "slots"));
}

unsigned SceneChecker::Protection(const json& value, const std::string& pointer) const {
    if (value.is_number_integer())
        return static_cast<unsigned>(Integer(value, pointer, 0, 0xFFFFFFFFLL));
    if (!value.is_array())
        Fail(pointer,
             std::string("expected an integer or an array of names, got ") + value.type_name());
    unsigned bits = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string name = Text(value[i], Child(pointer, i));
        auto it = ProtectionNames().find(name);
        if (it == ProtectionNames().end())
            Fail(Child(pointer, i), "unknown protection " + Quoted(name) +
                                        "; expected position, size, delete, property, confined, "
                                        "insertReplace or tools");
        bits |= it->second;
    }
    return bits;
}

const ModelPlan& SceneChecker::ModelOf(const PadPlan& pad) const {
    return pad.modelName.empty() ? pad.privateModel : models_->at(pad.modelName);
}

PadPlan SceneChecker::Pad(const json& pad, const std::string& pointer, const PadPlan* parent) {
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
    PadPlan plan;
    plan.pointer = pointer;
    plan.name = NullableText(pad["name"], Child(pointer, "name"));
    if (pad["name"].is_string())
        plan.utf8Name = pad["name"].get<std::string>();
    plan.className = Text(pad["class"], Child(pointer, "class"));
    if (plan.className.empty())
        Fail(Child(pointer, "class"), "a class name may not be empty");
    plan.x = Coordinate(pad["x"], Child(pointer, "x"));
    plan.y = Coordinate(pad["y"], Child(pointer, "y"));
    plan.width = static_cast<int>(
        Integer(pad["width"], Child(pointer, "width"), 0, std::numeric_limits<int>::max()));
    plan.height = static_cast<int>(
        Integer(pad["height"], Child(pointer, "height"), 0, std::numeric_limits<int>::max()));
    if (pad.contains("id")) {
        std::string at = Child(pointer, "id");
        plan.id = static_cast<unsigned>(Integer(pad["id"], at, 1, 0xFFFFFFFFLL));
        auto [it, added] = idPointers_.emplace(plan.id, pointer);
        if (!added)
            Fail(at, "id " + std::to_string(plan.id) + " is already used by " + it->second);
    }
    if (pad.contains("visible"))
        plan.visible = Boolean(pad["visible"], Child(pointer, "visible"));
    if (pad.contains("ownView"))
        plan.ownView = Boolean(pad["ownView"], Child(pointer, "ownView"));
    if (pad.contains("selected"))
        plan.selected = Boolean(pad["selected"], Child(pointer, "selected"));
    if (pad.contains("refusesConnector"))
        plan.refusesConnector =
            Boolean(pad["refusesConnector"], Child(pointer, "refusesConnector"));
    if (pad.contains("padName"))
        plan.padName = NullableText(pad["padName"], Child(pointer, "padName"));
    if (pad.contains("memo"))
        plan.memo = NullableText(pad["memo"], Child(pointer, "memo"));
    if (pad.contains("protection"))
        plan.protection = Protection(pad["protection"], Child(pointer, "protection"));
    if (pad.contains("groupDepth"))
        plan.groupDepth = static_cast<int>(Integer(pad["groupDepth"], Child(pointer, "groupDepth"),
                                                   0, std::numeric_limits<int>::max()));
    if (pad.contains("model") && pad.contains("slots"))
        Fail(Child(pointer, "slots"), "a pad has either a shared \"model\" or its own "
                                      "\"slots\", not both");
    if (pad.contains("model")) {
        std::string at = Child(pointer, "model");
        plan.modelName = Text(pad["model"], at);
        if (models_->count(plan.modelName) == 0)
            Fail(at, "no model named " + Quoted(plan.modelName) + " in /models");
    }
    if (pad.contains("slots"))
        plan.privateModel = Slots(pad["slots"], Child(pointer, "slots"));
    if (pad.contains("output")) {
        std::string at = Child(pointer, "output");
        std::string utf8 = Text(pad["output"], at);
        plan.output = ModelOf(plan).IndexOf(codepage::FromUtf8(utf8, codePage_));
        if (plan.output < 0)
            Fail(at, "the pad's model has no slot " + Quoted(utf8));
    }
    if (pad.contains("connect")) {
        std::string at = Child(pointer, "connect");
        std::string utf8 = Text(pad["connect"], at);
        std::string slot = codepage::FromUtf8(utf8, codePage_);
        if (parent == nullptr)
            Fail(at, "a pad on the desktop has no parent to connect to");
        if (ModelOf(*parent).IndexOf(slot) < 0)
            Fail(at, "the parent's model has no slot " + Quoted(utf8));
        plan.connect = slot;
    }
    if (pad.contains("standsFor")) {
        std::string at = Child(pointer, "standsFor");
        if (plan.className != "MvIconPad" && plan.className != "MvDynamicLoadPad")
            Fail(at, "only an MvIconPad or MvDynamicLoadPad pad stands for another pad");
        const json& ref = pad["standsFor"];
        if (!ref.is_string() && !ref.is_number_integer())
            Fail(at, std::string("expected a pad path or id, got ") + ref.type_name());
        plan.standsFor = &ref;
    }
    if (pad.contains("children")) {
        std::string at = Child(pointer, "children");
        const json& children = pad["children"];
        Expect(children, at, json::value_t::array, "an array");
        for (size_t i = 0; i < children.size(); ++i)
            plan.children.push_back(Pad(children[i], Child(at, i), &plan));
    }
    return plan;
}

PadPlan* SceneChecker::FindPath(std::vector<PadPlan>& level, std::string_view path) const {
    size_t slash = path.find('/');
    std::string_view name = path.substr(0, slash);
    for (PadPlan& pad : level) {
        if (pad.name && pad.utf8Name == name)
            return slash == std::string_view::npos ? &pad
                                                   : FindPath(pad.children, path.substr(slash + 1));
    }
    return nullptr;
}

PadPlan* SceneChecker::FindId(std::vector<PadPlan>& level, unsigned id) const {
    for (PadPlan& pad : level) {
        if (pad.id == id)
            return &pad;
        if (PadPlan* found = FindId(pad.children, id))
            return found;
    }
    return nullptr;
}

void SceneChecker::Resolve(PadPlan& pad, ScenePlan& scene) {
    if (pad.standsFor != nullptr) {
        std::string at = Child(pad.pointer, "standsFor");
        const json& ref = *pad.standsFor;
        if (ref.is_string()) {
            std::string path = ref.get<std::string>();
            pad.standsForPad = path.empty() ? nullptr : FindPath(scene.pads, path);
            if (pad.standsForPad == nullptr)
                Fail(at, "no pad at path " + Quoted(path));
        } else {
            long long id = ref.get<long long>();
            pad.standsForPad = id > 0 ? FindId(scene.pads, static_cast<unsigned>(id)) : nullptr;
            if (pad.standsForPad == nullptr)
                Fail(at, "no pad with id " + std::to_string(id));
        }
        if (pad.standsForPad == &pad)
            Fail(at, "a pad cannot stand for itself");
        if (pad.className == "MvIconPad") {
            auto [it, added] = iconOwners_.emplace(pad.standsForPad, pad.pointer);
            if (!added)
                Fail(at, "the pad already has an icon pad, " + it->second);
        }
    }
    for (PadPlan& child : pad.children)
        Resolve(child, scene);
}
