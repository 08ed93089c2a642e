#include "SceneLoader.h"

#include "DemoScene.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopObject.h"
#include "DesktopPad.h"
#include "InputFile.h"
#include "JsonText.h"
#include "PadLimits.h"
#include "SceneChecker.h"
#include "SceneError.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <vector>

using nlohmann::json;

namespace {

// Fills a slot's value from its plan: the value, then each dictionary's entries in order,
// each dictionary entered as it is met and left when its entries are used up.
void FillValue(SlotValue& value, const std::vector<ValuePlan>& plans) {
    struct Open {
        DesktopDictionary* dictionary;
        size_t left;
    };
    std::vector<Open> open;
    auto fill = [&open](SlotValue& target, const ValuePlan& plan) {
        switch (plan.type) {
        case kSlotBoolean:
            target.SetBoolean(plan.boolean);
            break;
        case kSlotNumber:
            target.SetNumber(plan.number);
            break;
        case kSlotString:
            target.SetString(plan.text);
            break;
        case kSlotObject:
            if (plan.text)
                target.SetObject(std::make_unique<DesktopObject>(*plan.text));
            break;
        case kSlotDictionary: {
            auto dictionary = std::make_unique<DesktopDictionary>();
            if (plan.entries > 0)
                open.push_back({dictionary.get(), plan.entries});
            target.SetDictionary(std::move(dictionary));
            break;
        }
        case kSlotCommand:
            break;
        }
    };
    fill(value, plans.front());
    for (size_t i = 1; i < plans.size(); ++i) {
        while (open.back().left == 0)
            open.pop_back();
        --open.back().left;
        const ValuePlan& entry = plans[i];
        fill(open.back().dictionary->Add(entry.key, entry.type).Value(), entry);
    }
}

void FillModel(DesktopModel& model, const ModelPlan& plan) {
    for (const SlotPlan& slot : plan.slots)
        FillValue(model.AddSlot(slot.name, slot.values.front().type).Value(), slot.values);
}

void Build(Desktop& desktop, const ScenePlan& scene, const std::string& sourceName) {
    desktop.Clear();
    desktop.ReserveIdsUpTo(scene.highestId);
    for (const auto& [name, model] : scene.models)
        FillModel(desktop.AddModel(name), model);
    // Parents come before their children, so each pad's parent is built when it is met.
    std::vector<DesktopPad*> built;
    built.reserve(scene.pads.size());
    for (const PadPlan& plan : scene.pads) {
        DesktopPad* parent = plan.parent < 0 ? nullptr : built[static_cast<size_t>(plan.parent)];
        DesktopPad* pad = desktop.CreatePad(parent, plan.className, plan.ownView, plan.id);
        if (pad == nullptr)
            throw SceneError(sourceName, 0, 0, "/",
                             "the desktop refused pad ID " + std::to_string(plan.id));
        built.push_back(pad);
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
    for (size_t i = 0; i < scene.pads.size(); ++i) {
        const PadPlan& plan = scene.pads[i];
        if (plan.standsFor < 0)
            continue;
        DesktopPad* target = built[static_cast<size_t>(plan.standsFor)];
        built[i]->SetStandsFor(target);
        if (plan.className == "MvIconPad")
            target->SetIcon(built[i]);
    }
    for (DesktopPad* pad : std::vector<DesktopPad*>(desktop.TopLevelPads()))
        desktop.Announce(*pad);
}

} // namespace

void SceneLoader::LoadFile(Desktop& desktop, const std::string& path) {
    std::string text;
    std::string error;
    if (!ReadInputFile(path, kSceneFileLimit, text, error))
        throw SceneError(path, 0, 0, "", error);
    LoadText(desktop, text, path);
}

void SceneLoader::LoadText(Desktop& desktop, std::string_view text, const std::string& sourceName) {
    ScenePlan scene;
    {
        json root;
        JsonProblem problem;
        if (!ParseJson(text, root, problem))
            throw SceneError(sourceName, problem.line, problem.column, problem.pointer,
                             problem.message);
        scene = SceneChecker(sourceName, desktop.CodePage()).Check(root);
    } // the document is freed before the desktop is built
    Build(desktop, scene, sourceName);
}

void SceneLoader::LoadDemo(Desktop& desktop) {
    LoadText(desktop, DemoSceneText(), "demo scene");
}
