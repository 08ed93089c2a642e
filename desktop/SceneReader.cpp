#include "SceneReader.h"

#include "PadLimits.h"
#include "SceneNames.h"
#include "host/MvSimplePad.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

constexpr long long kHighestId = 0xFFFFFFFFLL;

PadKey PadKeyOf(std::string_view key) {
    switch (key.size()) {
    case 1:
        return key == "x" ? kX : key == "y" ? kY : kPadKeyCount;
    case 2:
        return key == "id" ? kId : kPadKeyCount;
    case 4:
        return key == "name" ? kName : key == "memo" ? kMemo : kPadKeyCount;
    case 5:
        return key == "class"   ? kClass
               : key == "width" ? kWidth
               : key == "model" ? kModel
               : key == "slots" ? kSlots
                                : kPadKeyCount;
    case 6:
        return key == "height" ? kHeight : key == "output" ? kOutput : kPadKeyCount;
    case 7:
        return key == "visible"   ? kVisible
               : key == "ownView" ? kOwnView
               : key == "padName" ? kPadName
               : key == "connect" ? kConnect
                                  : kPadKeyCount;
    case 8:
        return key == "selected" ? kSelected : key == "children" ? kChildren : kPadKeyCount;
    case 9:
        return key == "standsFor" ? kStandsFor : kPadKeyCount;
    case 10:
        return key == "protection" ? kProtection : key == "groupDepth" ? kGroupDepth : kPadKeyCount;
    case 16:
        return key == "refusesConnector" ? kRefusesConnector : kPadKeyCount;
    default:
        return kPadKeyCount;
    }
}

constexpr unsigned Bit(PadKey key) {
    return 1u << key;
}

constexpr unsigned kRequired =
    Bit(kName) | Bit(kClass) | Bit(kX) | Bit(kY) | Bit(kWidth) | Bit(kHeight);

} // namespace

SceneReader::SceneReader(int codePage) : codePage_(codePage) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c)
        ascii += static_cast<char>(c);
    asciiKept_ = codepage::FromUtf8(ascii, codePage) == ascii;
}

bool SceneReader::Read(std::string_view text, ScenePlan& scene) {
    JsonPullReader json(text);
    json_ = &json;
    scene_ = &scene;
    explicitIds_.clear();
    pathReferences_.clear();
    idReferences_.clear();
    utf8Names_.clear();
    try {
        json.BeginObject();
        bool models = false;
        bool pads = false;
        bool description = false;
        std::string_view key;
        while (json.NextKey(key)) {
            if (key == "description" && !description) {
                description = true;
                json.String();
            } else if (key == "models" && !models && !pads) {
                models = true;
                Models();
            } else if (key == "pads" && !pads) {
                pads = true;
                Pads();
            } else {
                GiveUp();
            }
        }
        json.End();
        if (!pads)
            GiveUp();
        Resolve();
        AssignIds();
    } catch (const JsonPullReader::Unreadable&) {
        return false;
    } catch (const Unsure&) {
        return false;
    }
    return true;
}

PlanText SceneReader::Text() {
    return Convert(json_->String());
}

PlanText SceneReader::Convert(std::string_view utf8) {
    if (asciiKept_ && json_->Ascii())
        return scene_->AddText(utf8);
    return scene_->AddText(codepage::FromUtf8(utf8, codePage_));
}

PlanText SceneReader::NullableText() {
    return json_->Null() ? PlanText{} : Text();
}

long long SceneReader::Integer(long long low, long long high) {
    long long value = json_->Integer();
    if (value < low || value > high)
        GiveUp();
    return value;
}

MvSlotType SceneReader::Type() {
    const auto* found = FindName(kSlotTypeNames, json_->String());
    if (found == nullptr)
        GiveUp();
    return found->second;
}

void SceneReader::Models() {
    JsonPullReader& json = *json_;
    std::vector<SharedModelPlan>& models = scene_->models;
    json.BeginObject();
    std::string_view key;
    while (json.NextKey(key)) {
        if (key.empty())
            GiveUp();
        SharedModelPlan model{std::string(key), {}};
        json.BeginObject();
        bool slots = false;
        while (json.NextKey(key)) {
            if (key != "slots" || slots)
                GiveUp();
            slots = true;
            model.model = Slots();
        }
        if (!slots)
            GiveUp();
        models.push_back(std::move(model));
    }
    std::sort(models.begin(), models.end(),
              [](const SharedModelPlan& a, const SharedModelPlan& b) { return a.name < b.name; });
    for (size_t i = 1; i < models.size(); ++i) {
        if (models[i - 1].name == models[i].name)
            GiveUp();
    }
}

ModelPlan SceneReader::Slots() {
    JsonPullReader& json = *json_;
    ScenePlan& scene = *scene_;
    ModelPlan model{static_cast<std::uint32_t>(scene.slots.size()), 0};
    json.BeginArray();
    while (json.NextElement()) {
        json.BeginObject();
        SlotPlan slot;
        slot.firstValue = static_cast<std::uint32_t>(scene.values.size());
        bool named = false;
        bool typed = false;
        bool valued = false;
        MvSlotType type = kSlotCommand;
        std::string_view key;
        while (json.NextKey(key)) {
            if (key == "name" && !named) {
                named = true;
                slot.name = Text();
                if (slot.name.length == 0 || scene.SlotIndex(model, scene.Text(slot.name)) >= 0)
                    GiveUp();
            } else if (key == "type" && !typed) {
                typed = true;
                type = Type();
            } else if (key == "value" && typed && !valued) {
                valued = true;
                ValuePlan value;
                value.type = type;
                Value(value);
            } else {
                GiveUp();
            }
        }
        if (!named || !typed)
            GiveUp();
        if (!valued) {
            ValuePlan value;
            value.type = type;
            scene.values.push_back(value);
        }
        slot.valueCount = static_cast<std::uint32_t>(scene.values.size()) - slot.firstValue;
        scene.slots.push_back(slot);
        ++model.slotCount;
    }
    return model;
}

void SceneReader::Scalar(ValuePlan& plan) {
    switch (plan.type) {
    case kSlotBoolean:
        plan.boolean = json_->Boolean();
        break;
    case kSlotNumber:
        plan.number = json_->Number();
        break;
    case kSlotString:
    case kSlotObject:
        plan.text = NullableText();
        break;
    case kSlotDictionary:
    case kSlotCommand:
        GiveUp();
    }
}

void SceneReader::Value(ValuePlan plan) {
    JsonPullReader& json = *json_;
    std::vector<ValuePlan>& values = scene_->values;
    if (plan.type != kSlotDictionary) {
        Scalar(plan);
        values.push_back(plan);
        return;
    }
    // The dictionaries open, innermost last; each but the first is the value of an entry
    // whose object ends with its array.
    std::vector<std::uint32_t> open;
    json.BeginArray();
    values.push_back(plan);
    open.push_back(static_cast<std::uint32_t>(values.size() - 1));
    std::string_view key;
    while (!open.empty()) {
        if (!json.NextElement()) {
            open.pop_back();
            if (!open.empty() && json.NextKey(key))
                GiveUp();
            continue;
        }
        ++values[open.back()].entries;
        json.BeginObject();
        ValuePlan entry;
        bool keyed = false;
        bool typed = false;
        bool valued = false;
        bool nested = false;
        while (!nested && json.NextKey(key)) {
            if (key == "key" && !keyed) {
                keyed = true;
                entry.key = Text();
            } else if (key == "type" && !typed) {
                typed = true;
                entry.type = Type();
            } else if (key == "value" && typed && !valued) {
                valued = true;
                if (entry.type == kSlotDictionary) {
                    // Its entries come next; the entry's object must end with them.
                    if (!keyed)
                        GiveUp();
                    json.BeginArray();
                    nested = true;
                } else {
                    Scalar(entry);
                }
            } else {
                GiveUp();
            }
        }
        if (!keyed || !typed)
            GiveUp();
        values.push_back(entry);
        if (nested)
            open.push_back(static_cast<std::uint32_t>(values.size() - 1));
    }
}

unsigned SceneReader::Protection() {
    JsonPullReader& json = *json_;
    if (json.Peek() != '[')
        return static_cast<unsigned>(Integer(0, kHighestId));
    unsigned bits = 0;
    json.BeginArray();
    while (json.NextElement()) {
        const auto* found = FindName(kProtectionNames, json.String());
        if (found == nullptr)
            GiveUp();
        bits |= found->second;
    }
    return bits;
}

void SceneReader::Pads() {
    JsonPullReader& json = *json_;
    // The arrays of pads open, innermost last: whose children they are, and where that pad
    // lies on the desktop. Each but the first ends its pad's object.
    struct Open {
        int parent;
        int x;
        int y;
    };
    std::vector<Open> open{{-1, 0, 0}};
    json.BeginArray();
    std::string_view key;
    while (!open.empty()) {
        if (!json.NextElement()) {
            open.pop_back();
            if (!open.empty() && json.NextKey(key))
                GiveUp();
            continue;
        }
        Open level = open.back();
        int x = 0;
        int y = 0;
        int index = static_cast<int>(scene_->pads.size());
        if (Pad(level.parent, level.x, level.y, x, y))
            open.push_back({index, x, y});
    }
}

bool SceneReader::Pad(int parent, int parentX, int parentY, int& desktopX, int& desktopY) {
    JsonPullReader& json = *json_;
    ScenePlan& scene = *scene_;
    int index = static_cast<int>(scene.pads.size());
    PadPlan& plan = scene.pads.emplace_back();
    plan.parent = parent;
    json.BeginObject();
    unsigned seen = 0;
    long long x = 0;
    long long y = 0;
    std::string output;
    bool children = false;
    std::string_view key;
    while (!children && json.NextKey(key)) {
        PadKey at = PadKeyOf(key);
        if (at == kPadKeyCount || (seen & Bit(at)) != 0)
            GiveUp();
        seen |= Bit(at);
        switch (at) {
        case kName:
            if (!json.Null()) {
                std::string_view utf8 = json.String();
                plan.name = Convert(utf8);
                if (!asciiKept_ || !json.Ascii())
                    utf8Names_.emplace(index, utf8);
            }
            break;
        case kClass: {
            std::string_view name = json.String();
            if (name.empty())
                GiveUp();
            plan.className = scene.ClassIndex(name);
            break;
        }
        case kX:
            x = json.Integer();
            break;
        case kY:
            y = json.Integer();
            break;
        case kWidth:
            plan.width = static_cast<std::uint16_t>(Integer(0, kPadSizeMax));
            break;
        case kHeight:
            plan.height = static_cast<std::uint16_t>(Integer(0, kPadSizeMax));
            break;
        case kId:
            plan.id = static_cast<unsigned>(Integer(1, kHighestId));
            explicitIds_.emplace_back(plan.id, index);
            break;
        case kVisible:
            plan.visible = json.Boolean();
            break;
        case kOwnView:
            plan.ownView = json.Boolean();
            break;
        case kSelected:
            plan.selected = json.Boolean();
            break;
        case kRefusesConnector:
            plan.refusesConnector = json.Boolean();
            break;
        case kPadName:
            plan.padName = NullableText();
            break;
        case kMemo:
            plan.memo = NullableText();
            break;
        case kProtection:
            plan.protection = Protection();
            break;
        case kGroupDepth:
            plan.groupDepth = static_cast<std::uint8_t>(Integer(0, kPadGroupDepthMax));
            break;
        case kModel:
            plan.sharedModel = scene.FindModel(json.String());
            if (plan.sharedModel < 0)
                GiveUp();
            break;
        case kSlots:
            plan.privateModel = Slots();
            break;
        case kOutput: {
            std::string_view utf8 = json.String();
            output = asciiKept_ && json.Ascii() ? std::string(utf8)
                                                : codepage::FromUtf8(utf8, codePage_);
            break;
        }
        case kConnect:
            plan.connect = Text();
            break;
        case kStandsFor:
            if (json.Peek() == '"')
                pathReferences_.emplace_back(index, json.String());
            else
                idReferences_.emplace_back(index, json.Integer());
            break;
        case kChildren:
            // The pad's own keys come first: its children are read once it is checked.
            json.BeginArray();
            children = true;
            break;
        case kPadKeyCount:
            GiveUp();
        }
    }
    if ((seen & kRequired) != kRequired || ((seen & Bit(kModel)) && (seen & Bit(kSlots))))
        GiveUp();
    // The place is relative to the parent; the position on the desktop must lie within the
    // framework's limits.
    auto inside = [](long long value, long long low, long long high) {
        return value >= low && value <= high;
    };
    constexpr long long kIntMin = std::numeric_limits<int>::min();
    constexpr long long kIntMax = std::numeric_limits<int>::max();
    if (!inside(x, kIntMin, kIntMax) || !inside(y, kIntMin, kIntMax) ||
        !inside(parentX + x, kPadPositionMin, kPadPositionMax) ||
        !inside(parentY + y, kPadPositionMin, kPadPositionMax))
        GiveUp();
    desktopX = static_cast<int>(parentX + x);
    desktopY = static_cast<int>(parentY + y);
    plan.x = static_cast<int>(x);
    plan.y = static_cast<int>(y);
    if ((seen & Bit(kOutput)) != 0) {
        plan.output = scene.SlotIndex(scene.ModelOf(plan), output);
        if (plan.output < 0)
            GiveUp();
    }
    if ((seen & Bit(kConnect)) != 0 &&
        (parent < 0 || scene.SlotIndex(scene.ModelOf(scene.pads[static_cast<size_t>(parent)]),
                                       scene.Text(plan.connect)) < 0))
        GiveUp();
    if ((seen & Bit(kStandsFor)) != 0 && scene.ClassOf(plan) != "MvIconPad" &&
        scene.ClassOf(plan) != "MvDynamicLoadPad")
        GiveUp();
    return children;
}

int SceneReader::FindPath(std::string_view path) const {
    const ScenePlan& scene = *scene_;
    size_t group = 0; // the pads on the desktop
    for (;;) {
        size_t slash = path.find('/');
        std::string_view name = path.substr(0, slash);
        int found = -1;
        for (size_t i = firstChild_[group]; i < firstChild_[group + 1]; ++i) {
            int pad = children_[i];
            const PadPlan& plan = scene.pads[static_cast<size_t>(pad)];
            if (plan.name.IsNull())
                continue;
            auto utf8 = utf8Names_.find(pad);
            if ((utf8 == utf8Names_.end() ? scene.Text(plan.name)
                                          : std::string_view(utf8->second)) == name) {
                found = pad;
                break;
            }
        }
        if (found < 0 || slash == std::string_view::npos)
            return found;
        group = static_cast<size_t>(found) + 1;
        path.remove_prefix(slash + 1);
    }
}

void SceneReader::Resolve() {
    std::vector<PadPlan>& pads = scene_->pads;
    std::sort(explicitIds_.begin(), explicitIds_.end());
    for (size_t i = 1; i < explicitIds_.size(); ++i) {
        if (explicitIds_[i - 1].first == explicitIds_[i].first)
            GiveUp();
    }
    for (const auto& [pad, id] : idReferences_) {
        auto found = std::lower_bound(explicitIds_.begin(), explicitIds_.end(),
                                      std::make_pair(static_cast<unsigned>(id), 0));
        if (id < 1 || id > kHighestId || found == explicitIds_.end() ||
            found->first != static_cast<unsigned>(id))
            GiveUp();
        pads[static_cast<size_t>(pad)].standsFor = found->second;
    }
    if (!pathReferences_.empty()) {
        // The children of each pad, grouped: the pads on the desktop first, then each pad's.
        firstChild_.assign(pads.size() + 2, 0);
        for (const PadPlan& pad : pads)
            ++firstChild_[static_cast<size_t>(pad.parent + 1) + 1];
        for (size_t i = 1; i < firstChild_.size(); ++i)
            firstChild_[i] += firstChild_[i - 1];
        children_.resize(pads.size());
        std::vector<std::uint32_t> next(firstChild_.begin(), firstChild_.end() - 1);
        for (size_t i = 0; i < pads.size(); ++i)
            children_[next[static_cast<size_t>(pads[i].parent + 1)]++] = static_cast<int>(i);
    }
    for (const auto& [pad, path] : pathReferences_) {
        int found = path.empty() ? -1 : FindPath(path);
        if (found < 0)
            GiveUp();
        pads[static_cast<size_t>(pad)].standsFor = found;
    }
    // No pad stands for itself, and each has at most one icon pad.
    std::vector<bool> iconed(pads.size());
    for (size_t i = 0; i < pads.size(); ++i) {
        int target = pads[i].standsFor;
        if (target < 0)
            continue;
        if (target == static_cast<int>(i))
            GiveUp();
        if (scene_->ClassOf(pads[i]) == "MvIconPad") {
            if (iconed[static_cast<size_t>(target)])
                GiveUp();
            iconed[static_cast<size_t>(target)] = true;
        }
    }
}

// Pads without an ID get the next ones above the highest given, in document order.
void SceneReader::AssignIds() {
    unsigned long long next = explicitIds_.empty() ? 1 : explicitIds_.back().first + 1ULL;
    for (PadPlan& pad : scene_->pads) {
        if (pad.id != 0)
            continue;
        if (next > static_cast<unsigned long long>(kHighestId))
            GiveUp();
        pad.id = static_cast<unsigned>(next++);
    }
    scene_->highestId = static_cast<unsigned>(next - 1);
}
