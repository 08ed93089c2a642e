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
#include "SceneReader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <vector>

using nlohmann::json;

namespace {

// Fills a slot's value from its plan: the value, then each dictionary's entries in order,
// each dictionary entered as it is met and left when its entries are used up.
void FillValue(SlotValue& value, const ScenePlan& scene, const SlotPlan& slot) {
    struct Open {
        DesktopDictionary* dictionary;
        size_t left;
    };
    std::vector<Open> open;
    auto fill = [&open, &scene](SlotValue& target, const ValuePlan& plan) {
        switch (plan.type) {
        case kSlotBoolean:
            target.SetBoolean(plan.boolean);
            break;
        case kSlotNumber:
            target.SetNumber(plan.number);
            break;
        case kSlotString:
            target.SetString(scene.OptionalText(plan.text));
            break;
        case kSlotObject:
            if (!plan.text.IsNull())
                target.SetObject(
                    std::make_unique<DesktopObject>(std::string(scene.Text(plan.text))));
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
    const ValuePlan* values = scene.values.data() + slot.firstValue;
    fill(value, values[0]);
    for (size_t i = 1; i < slot.valueCount; ++i) {
        while (open.back().left == 0)
            open.pop_back();
        --open.back().left;
        const ValuePlan& entry = values[i];
        fill(open.back().dictionary->Add(std::string(scene.Text(entry.key)), entry.type).Value(),
             entry);
    }
}

void FillModel(DesktopModel& model, const ScenePlan& scene, const ModelPlan& plan) {
    for (std::uint32_t i = 0; i < plan.slotCount; ++i) {
        const SlotPlan& slot = scene.slots[plan.firstSlot + i];
        FillValue(
            model.AddSlot(std::string(scene.Text(slot.name)), scene.values[slot.firstValue].type)
                .Value(),
            scene, slot);
    }
}

void Build(Desktop& desktop, const ScenePlan& scene, const std::string& sourceName) {
    desktop.Clear();
    desktop.ReserveIdsUpTo(scene.highestId);
    std::vector<DesktopModel*> models;
    for (const SharedModelPlan& model : scene.models) {
        models.push_back(&desktop.AddModel(model.name));
        FillModel(*models.back(), scene, model.model);
    }
    // Parents come before their children, so each pad's parent is built when it is met.
    std::vector<DesktopPad*> built;
    built.reserve(scene.pads.size());
    for (const PadPlan& plan : scene.pads) {
        DesktopPad* parent = plan.parent < 0 ? nullptr : built[static_cast<size_t>(plan.parent)];
        DesktopPad* pad = desktop.CreatePad(parent, scene.ClassOf(plan), plan.ownView, plan.id);
        if (pad == nullptr)
            throw SceneError(sourceName, 0, 0, "/",
                             "the desktop refused pad ID " + std::to_string(plan.id));
        built.push_back(pad);
        pad->SetOwnName(scene.OptionalText(plan.name));
        if (!plan.padName.IsNull())
            pad->SetPadName(scene.OptionalText(plan.padName));
        if (!plan.memo.IsNull())
            pad->SetMemo(scene.OptionalText(plan.memo));
        pad->SetPlace(plan.x, plan.y);
        pad->SetSize(plan.width, plan.height);
        pad->SetVisible(plan.visible);
        pad->SetSelected(plan.selected);
        pad->SetRefusesConnector(plan.refusesConnector);
        pad->SetProtection(plan.protection);
        pad->SetGroupDepth(plan.groupDepth);
        if (plan.sharedModel < 0)
            FillModel(*pad->Model(), scene, plan.privateModel);
        else
            desktop.AssignModel(*pad, *models[static_cast<size_t>(plan.sharedModel)]);
        pad->SetOutputIndex(plan.output);
        if (!plan.connect.IsNull())
            pad->SetConnection(scene.OptionalText(plan.connect));
    }
    for (size_t i = 0; i < scene.pads.size(); ++i) {
        const PadPlan& plan = scene.pads[i];
        if (plan.standsFor < 0)
            continue;
        DesktopPad* target = built[static_cast<size_t>(plan.standsFor)];
        built[i]->SetStandsFor(target);
        if (scene.ClassOf(plan) == "MvIconPad")
            target->SetIcon(built[i]);
    }
    for (DesktopPad* pad : std::vector<DesktopPad*>(desktop.TopLevelPads()))
        desktop.Announce(*pad);
}

// The scene is read and checked as it is parsed; only a scene the reader does not vouch for
// goes through a document, whose checker gives the plan or the error with its place.
ScenePlan Plan(std::string_view text, const std::string& sourceName, int codePage) {
    {
        ScenePlan scene;
        if (SceneReader(codePage).Read(text, scene))
            return scene;
    } // what the reader built is freed before the document is
    json root;
    JsonProblem problem;
    if (!ParseJson(text, root, problem))
        throw SceneError(sourceName, problem.line, problem.column, problem.pointer,
                         problem.message);
    return SceneChecker(sourceName, codePage).Check(root);
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
    // The plan's offsets hold what a scene file may hold.
    if (text.size() > kSceneFileLimit)
        throw SceneError(sourceName, 0, 0, "",
                         "larger than the limit of " + SizeText(kSceneFileLimit));
    ScenePlan scene = Plan(text, sourceName, desktop.CodePage());
    Build(desktop, scene, sourceName);
}

void SceneLoader::LoadDemo(Desktop& desktop) {
    LoadText(desktop, DemoSceneText(), "demo scene");
}
