#include "SceneLoader.h"

#include "CodePage.h"
#include "DemoScene.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopObject.h"
#include "DesktopPad.h"
#include "SceneError.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <map>
#include <sstream>

using nlohmann::json;

namespace {

struct ValueSpec;

struct EntrySpec {
    std::string key;
    std::vector<ValueSpec> value; // exactly one; a vector because ValueSpec is incomplete here
};

struct ValueSpec {
    MvSlotType type = kSlotCommand;
    bool boolean = false;
    double number = 0;
    std::optional<std::string> text;
    std::vector<EntrySpec> entries;
};

struct SlotSpec {
    std::string name;
    ValueSpec value;
};

struct ModelSpec {
    std::vector<SlotSpec> slots;

    int IndexOf(const std::string& name) const {
        for (size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].name == name)
                return static_cast<int>(i);
        }
        return -1;
    }
};

struct PadSpec {
    std::string pointer;
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
    ModelSpec privateModel;
    int output = -1;
    std::optional<std::string> connect;
    const json* standsFor = nullptr;
    PadSpec* standsForPad = nullptr;
    std::vector<PadSpec> children;
};

struct SceneSpec {
    std::map<std::string, ModelSpec> models;
    std::vector<PadSpec> pads;
};

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

// Checks a parsed document and turns it into specs; every failure throws a SceneError
// that names the JSON pointer of the value at fault.
class Checker {
public:
    Checker(std::string source, int codePage) : source_(std::move(source)), codePage_(codePage) {}

    SceneSpec Check(const json& root) {
        SceneSpec scene;
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
        for (PadSpec& pad : scene.pads)
            Resolve(pad, scene);
        return scene;
    }

private:
    [[noreturn]] void Fail(const std::string& pointer, const std::string& problem) const {
        throw SceneError(source_, 0, 0, pointer.empty() ? "/" : pointer, problem);
    }

    void Expect(const json& value, const std::string& pointer, json::value_t type,
                const char* what) const {
        bool ok = value.type() == type ||
                  (type == json::value_t::number_integer && value.is_number_integer());
        if (!ok)
            Fail(pointer, std::string("expected ") + what + ", got " + value.type_name());
    }

    void Keys(const json& object, const std::string& pointer,
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

    bool Boolean(const json& value, const std::string& pointer) const {
        Expect(value, pointer, json::value_t::boolean, "true or false");
        return value.get<bool>();
    }

    long long Integer(const json& value, const std::string& pointer, long long low,
                      long long high) const {
        if (!value.is_number_integer())
            Fail(pointer, std::string("expected an integer, got ") + value.type_name());
        if (value.is_number_unsigned() &&
            value.get<unsigned long long>() > static_cast<unsigned long long>(high))
            Fail(pointer, "must be at most " + std::to_string(high));
        long long number = value.get<long long>();
        if (number < low || number > high)
            Fail(pointer,
                 "must be between " + std::to_string(low) + " and " + std::to_string(high));
        return number;
    }

    int Coordinate(const json& value, const std::string& pointer) const {
        return static_cast<int>(Integer(value, pointer, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
    }

    std::string Text(const json& value, const std::string& pointer) const {
        Expect(value, pointer, json::value_t::string, "a string");
        return value.get<std::string>();
    }

    // A text in the active code page; null stays null.
    std::optional<std::string> NullableText(const json& value, const std::string& pointer) const {
        if (value.is_null())
            return std::nullopt;
        if (!value.is_string())
            Fail(pointer, std::string("expected a string or null, got ") + value.type_name());
        return codepage::FromUtf8(value.get<std::string>(), codePage_);
    }

    MvSlotType Type(const json& value, const std::string& pointer) const {
        std::string name = Text(value, pointer);
        auto it = TypeNames().find(name);
        if (it == TypeNames().end())
            Fail(pointer, "unknown slot type " + Quoted(name) +
                              "; expected dictionary, boolean, number, string, command or object");
        return it->second;
    }

    ValueSpec Value(MvSlotType type, const json* value, const std::string& pointer) const {
        ValueSpec spec;
        spec.type = type;
        if (value == nullptr)
            return spec;
        switch (type) {
        case kSlotBoolean:
            spec.boolean = Boolean(*value, pointer);
            break;
        case kSlotNumber:
            if (!value->is_number())
                Fail(pointer, std::string("expected a number, got ") + value->type_name());
            spec.number = value->get<double>();
            break;
        case kSlotString:
        case kSlotObject:
            spec.text = NullableText(*value, pointer);
            break;
        case kSlotDictionary:
            Expect(*value, pointer, json::value_t::array, "an array of entries");
            for (size_t i = 0; i < value->size(); ++i)
                spec.entries.push_back(Entry((*value)[i], Child(pointer, i)));
            break;
        case kSlotCommand:
            Fail(pointer, "a command slot has no value");
        }
        return spec;
    }

    EntrySpec Entry(const json& entry, const std::string& pointer) const {
        Expect(entry, pointer, json::value_t::object, "an object");
        Keys(entry, pointer, {"key", "type", "value"}, {"key", "type"});
        EntrySpec spec;
        spec.key = codepage::FromUtf8(Text(entry["key"], Child(pointer, "key")), codePage_);
        MvSlotType type = Type(entry["type"], Child(pointer, "type"));
        const json* value = entry.contains("value") ? &entry["value"] : nullptr;
        spec.value.push_back(Value(type, value, Child(pointer, "value")));
        return spec;
    }

    ModelSpec Slots(const json& slots, const std::string& pointer) const {
        Expect(slots, pointer, json::value_t::array, "an array of slots");
        ModelSpec model;
        for (size_t i = 0; i < slots.size(); ++i) {
            const json& slot = slots[i];
            std::string at = Child(pointer, i);
            Expect(slot, at, json::value_t::object, "an object");
            Keys(slot, at, {"name", "type", "value"}, {"name", "type"});
            SlotSpec spec;
            std::string utf8 = Text(slot["name"], Child(at, "name"));
            spec.name = codepage::FromUtf8(utf8, codePage_);
            if (spec.name.empty())
                Fail(Child(at, "name"), "a slot name may not be empty");
            if (model.IndexOf(spec.name) >= 0)
                Fail(Child(at, "name"), "duplicate slot name " + Quoted(utf8));
            MvSlotType type = Type(slot["type"], Child(at, "type"));
            const json* value = slot.contains("value") ? &slot["value"] : nullptr;
            spec.value = Value(type, value, Child(at, "value"));
            model.slots.push_back(std::move(spec));
        }
        return model;
    }

    ModelSpec Model(const json& model, const std::string& pointer) const {
        Expect(model, pointer, json::value_t::object, "an object");
        Keys(model, pointer, {"slots"}, {"slots"});
        return Slots(model["slots"], Child(pointer, "slots"));
    }

    unsigned Protection(const json& value, const std::string& pointer) const {
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
                Fail(Child(pointer, i),
                     "unknown protection " + Quoted(name) +
                         "; expected position, size, delete, property, confined, "
                         "insertReplace or tools");
            bits |= it->second;
        }
        return bits;
    }

    const ModelSpec& ModelOf(const PadSpec& pad) const {
        return pad.modelName.empty() ? pad.privateModel : models_->at(pad.modelName);
    }

    PadSpec Pad(const json& pad, const std::string& pointer, const PadSpec* parent) {
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
        PadSpec spec;
        spec.pointer = pointer;
        spec.name = NullableText(pad["name"], Child(pointer, "name"));
        if (pad["name"].is_string())
            spec.utf8Name = pad["name"].get<std::string>();
        spec.className = Text(pad["class"], Child(pointer, "class"));
        if (spec.className.empty())
            Fail(Child(pointer, "class"), "a class name may not be empty");
        spec.x = Coordinate(pad["x"], Child(pointer, "x"));
        spec.y = Coordinate(pad["y"], Child(pointer, "y"));
        spec.width = static_cast<int>(
            Integer(pad["width"], Child(pointer, "width"), 0, std::numeric_limits<int>::max()));
        spec.height = static_cast<int>(
            Integer(pad["height"], Child(pointer, "height"), 0, std::numeric_limits<int>::max()));
        if (pad.contains("id")) {
            std::string at = Child(pointer, "id");
            spec.id = static_cast<unsigned>(Integer(pad["id"], at, 1, 0xFFFFFFFFLL));
            auto [it, added] = idPointers_.emplace(spec.id, pointer);
            if (!added)
                Fail(at, "id " + std::to_string(spec.id) + " is already used by " + it->second);
        }
        if (pad.contains("visible"))
            spec.visible = Boolean(pad["visible"], Child(pointer, "visible"));
        if (pad.contains("ownView"))
            spec.ownView = Boolean(pad["ownView"], Child(pointer, "ownView"));
        if (pad.contains("selected"))
            spec.selected = Boolean(pad["selected"], Child(pointer, "selected"));
        if (pad.contains("refusesConnector"))
            spec.refusesConnector =
                Boolean(pad["refusesConnector"], Child(pointer, "refusesConnector"));
        if (pad.contains("padName"))
            spec.padName = NullableText(pad["padName"], Child(pointer, "padName"));
        if (pad.contains("memo"))
            spec.memo = NullableText(pad["memo"], Child(pointer, "memo"));
        if (pad.contains("protection"))
            spec.protection = Protection(pad["protection"], Child(pointer, "protection"));
        if (pad.contains("groupDepth"))
            spec.groupDepth =
                static_cast<int>(Integer(pad["groupDepth"], Child(pointer, "groupDepth"), 0,
                                         std::numeric_limits<int>::max()));
        if (pad.contains("model") && pad.contains("slots"))
            Fail(Child(pointer, "slots"), "a pad has either a shared \"model\" or its own "
                                          "\"slots\", not both");
        if (pad.contains("model")) {
            std::string at = Child(pointer, "model");
            spec.modelName = Text(pad["model"], at);
            if (models_->count(spec.modelName) == 0)
                Fail(at, "no model named " + Quoted(spec.modelName) + " in /models");
        }
        if (pad.contains("slots"))
            spec.privateModel = Slots(pad["slots"], Child(pointer, "slots"));
        if (pad.contains("output")) {
            std::string at = Child(pointer, "output");
            std::string utf8 = Text(pad["output"], at);
            spec.output = ModelOf(spec).IndexOf(codepage::FromUtf8(utf8, codePage_));
            if (spec.output < 0)
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
            spec.connect = slot;
        }
        if (pad.contains("standsFor")) {
            std::string at = Child(pointer, "standsFor");
            if (spec.className != "MvIconPad" && spec.className != "MvDynamicLoadPad")
                Fail(at, "only an MvIconPad or MvDynamicLoadPad pad stands for another pad");
            const json& ref = pad["standsFor"];
            if (!ref.is_string() && !ref.is_number_integer())
                Fail(at, std::string("expected a pad path or id, got ") + ref.type_name());
            spec.standsFor = &ref;
        }
        if (pad.contains("children")) {
            std::string at = Child(pointer, "children");
            const json& children = pad["children"];
            Expect(children, at, json::value_t::array, "an array");
            for (size_t i = 0; i < children.size(); ++i)
                spec.children.push_back(Pad(children[i], Child(at, i), &spec));
        }
        return spec;
    }

    PadSpec* FindPath(std::vector<PadSpec>& level, std::string_view path) const {
        size_t slash = path.find('/');
        std::string_view name = path.substr(0, slash);
        for (PadSpec& pad : level) {
            if (pad.name && pad.utf8Name == name)
                return slash == std::string_view::npos
                           ? &pad
                           : FindPath(pad.children, path.substr(slash + 1));
        }
        return nullptr;
    }

    PadSpec* FindId(std::vector<PadSpec>& level, unsigned id) const {
        for (PadSpec& pad : level) {
            if (pad.id == id)
                return &pad;
            if (PadSpec* found = FindId(pad.children, id))
                return found;
        }
        return nullptr;
    }

    void Resolve(PadSpec& pad, SceneSpec& scene) {
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
        for (PadSpec& child : pad.children)
            Resolve(child, scene);
    }

    std::string source_;
    int codePage_;
    const std::map<std::string, ModelSpec>* models_ = nullptr;
    std::map<unsigned, std::string> idPointers_;
    std::map<const PadSpec*, std::string> iconOwners_;
};

void FillValue(SlotValue& value, const ValueSpec& spec) {
    switch (spec.type) {
    case kSlotBoolean:
        value.SetBoolean(spec.boolean);
        break;
    case kSlotNumber:
        value.SetNumber(spec.number);
        break;
    case kSlotString:
        value.SetString(spec.text);
        break;
    case kSlotObject:
        if (spec.text)
            value.SetObject(std::make_unique<DesktopObject>(*spec.text));
        break;
    case kSlotDictionary: {
        auto dictionary = std::make_unique<DesktopDictionary>();
        for (const EntrySpec& entry : spec.entries) {
            const ValueSpec& entryValue = entry.value.front();
            FillValue(dictionary->Add(entry.key, entryValue.type).Value(), entryValue);
        }
        value.SetDictionary(std::move(dictionary));
        break;
    }
    case kSlotCommand:
        break;
    }
}

void FillModel(DesktopModel& model, const ModelSpec& spec) {
    for (const SlotSpec& slot : spec.slots)
        FillValue(model.AddSlot(slot.name, slot.value.type).Value(), slot.value);
}

// Builds the checked scene; nothing here can fail.
class Builder {
public:
    explicit Builder(Desktop& desktop) : desktop_(desktop) {}

    void Build(const SceneSpec& scene) {
        desktop_.Clear();
        unsigned highest = 0;
        for (const PadSpec& pad : scene.pads)
            highest = std::max(highest, HighestId(pad));
        desktop_.ReserveIdsUpTo(highest);
        for (const auto& [name, model] : scene.models)
            FillModel(desktop_.AddModel(name), model);
        for (const PadSpec& pad : scene.pads)
            Create(pad, nullptr);
        for (const PadSpec& pad : scene.pads)
            Link(pad);
        for (DesktopPad* pad : std::vector<DesktopPad*>(desktop_.TopLevelPads()))
            desktop_.Announce(*pad);
    }

private:
    static unsigned HighestId(const PadSpec& pad) {
        unsigned highest = pad.id;
        for (const PadSpec& child : pad.children)
            highest = std::max(highest, HighestId(child));
        return highest;
    }

    void Create(const PadSpec& spec, DesktopPad* parent) {
        DesktopPad* pad = desktop_.CreatePad(parent, spec.className, spec.ownView, spec.id);
        built_[&spec] = pad;
        pad->SetOwnName(spec.name);
        pad->SetPadName(spec.padName);
        pad->SetMemo(spec.memo);
        pad->SetPlace(spec.x, spec.y);
        pad->SetSize(spec.width, spec.height);
        pad->SetVisible(spec.visible);
        pad->SetSelected(spec.selected);
        pad->SetRefusesConnector(spec.refusesConnector);
        pad->SetProtection(spec.protection);
        pad->SetGroupDepth(spec.groupDepth);
        if (spec.modelName.empty())
            FillModel(*pad->Model(), spec.privateModel);
        else
            desktop_.AssignModel(*pad, *desktop_.FindModel(spec.modelName));
        pad->SetOutputIndex(spec.output);
        pad->SetConnection(spec.connect);
        for (const PadSpec& child : spec.children)
            Create(child, pad);
    }

    void Link(const PadSpec& spec) {
        if (spec.standsForPad != nullptr) {
            DesktopPad* pad = built_.at(&spec);
            DesktopPad* target = built_.at(spec.standsForPad);
            pad->SetStandsFor(target);
            if (spec.className == "MvIconPad")
                target->SetIcon(pad);
        }
        for (const PadSpec& child : spec.children)
            Link(child);
    }

    Desktop& desktop_;
    std::map<const PadSpec*, DesktopPad*> built_;
};

// Line and column (in characters) of the byte at `offset`, both from 1.
std::pair<int, int> LineColumn(std::string_view text, size_t offset) {
    offset = std::min(offset, text.size());
    int line = 1;
    int column = 1;
    for (size_t i = 0; i < offset; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// nlohmann's message without its own prefix and byte-counted position.
std::string SyntaxProblem(const json::parse_error& error) {
    std::string message = error.what();
    size_t column = message.find(", column ");
    if (column != std::string::npos) {
        size_t colon = message.find(": ", column);
        if (colon != std::string::npos)
            return message.substr(colon + 2);
    }
    size_t bracket = message.find("] ");
    return bracket == std::string::npos ? message : message.substr(bracket + 2);
}

} // namespace

void SceneLoader::LoadFile(Desktop& desktop, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SceneError(path, 0, 0, "", std::string("cannot open: ") + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw SceneError(path, 0, 0, "", "cannot read the file");
    LoadText(desktop, text.str(), path);
}

void SceneLoader::LoadText(Desktop& desktop, std::string_view text, const std::string& sourceName) {
    json root;
    try {
        root = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& error) {
        size_t offset = error.byte > 0 ? error.byte - 1 : 0;
        auto [line, column] = LineColumn(text, offset);
        throw SceneError(sourceName, line, column, "", SyntaxProblem(error));
    }
    SceneSpec scene = Checker(sourceName, desktop.CodePage()).Check(root);
    Builder(desktop).Build(scene);
}

void SceneLoader::LoadDemo(Desktop& desktop) {
    LoadText(desktop, DemoSceneText(), "demo scene");
}
