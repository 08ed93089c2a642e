#include "SceneLoader.h"

#include "DemoScene.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopObject.h"
#include "DesktopPad.h"
#include "SceneChecker.h"
#include "SceneError.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

using nlohmann::json;

namespace {

void FillValue(SlotValue& value, const ValuePlan& plan) {
    switch (plan.type) {
    case kSlotBoolean:
        value.SetBoolean(plan.boolean);
        break;
    case kSlotNumber:
        value.SetNumber(plan.number);
        break;
    case kSlotString:
        value.SetString(plan.text);
        break;
    case kSlotObject:
        if (plan.text)
            value.SetObject(std::make_unique<DesktopObject>(*plan.text));
        break;
    case kSlotDictionary: {
        auto dictionary = std::make_unique<DesktopDictionary>();
        for (const EntryPlan& entry : plan.entries) {
            const ValuePlan& entryValue = entry.value.front();
            FillValue(dictionary->Add(entry.key, entryValue.type).Value(), entryValue);
        }
        value.SetDictionary(std::move(dictionary));
        break;
    }
    case kSlotCommand:
        break;
    }
}

void FillModel(DesktopModel& model, const ModelPlan& plan) {
    for (const SlotPlan& slot : plan.slots)
        FillValue(model.AddSlot(slot.name, slot.value.type).Value(), slot.value);
}

using Built = std::unordered_map<const PadPlan*, DesktopPad*>;

void Create(Desktop& desktop, const PadPlan& plan, DesktopPad* parent, Built& built) {
    DesktopPad* pad = desktop.CreatePad(parent, plan.className, plan.ownView, plan.id);
    built[&plan] = pad;
    pad->SetOwnName(plan.name);
    pad->SetPadName(plan.padName);
    pad->SetMemo(plan.memo);
    pad->SetPlace(plan.x, plan.y);
    pad->SetSize(plan.width, plan.height);
    pad->SetVisible(plan.visible);
    pad->SetSelected(plan.selected);
    pad->SetRefusesConnector(plan.refusesConnector);
    pad->SetProtection(plan.protection);
    pad->SetGroupDepth(plan.groupDepth);
    if (plan.modelName.empty())
        FillModel(*pad->Model(), plan.privateModel);
    else
        desktop.AssignModel(*pad, *desktop.FindModel(plan.modelName));
    pad->SetOutputIndex(plan.output);
    pad->SetConnection(plan.connect);
}

void Link(const PadPlan& plan, const Built& built) {
    if (plan.standsForPad == nullptr)
        return;
    DesktopPad* pad = built.at(&plan);
    DesktopPad* target = built.at(plan.standsForPad);
    pad->SetStandsFor(target);
    if (plan.className == "MvIconPad")
        target->SetIcon(pad);
}

// The plan holds its pads in pre-order: a parent is built before its children, in the order
// a walk of the tree would take, at any depth.
void Build(Desktop& desktop, const ScenePlan& scene) {
    desktop.Clear();
    unsigned highest = 0;
    for (const PadPlan& pad : scene.allPads)
        highest = std::max(highest, pad.id);
    desktop.ReserveIdsUpTo(highest);
    for (const auto& [name, model] : scene.models)
        FillModel(desktop.AddModel(name), model);
    Built built;
    built.reserve(scene.allPads.size());
    for (const PadPlan& pad : scene.allPads)
        Create(desktop, pad, pad.parent != nullptr ? built.at(pad.parent) : nullptr, built);
    for (const PadPlan& pad : scene.allPads)
        Link(pad, built);
    for (DesktopPad* pad : std::vector<DesktopPad*>(desktop.TopLevelPads()))
        desktop.Announce(*pad);
}

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
    ScenePlan scene = SceneChecker(sourceName, desktop.CodePage()).Check(root);
    Build(desktop, scene);
}

void SceneLoader::LoadDemo(Desktop& desktop) {
    LoadText(desktop, DemoSceneText(), "demo scene");
}
