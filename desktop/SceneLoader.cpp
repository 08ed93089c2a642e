#include "SceneLoader.h"

#include "DemoScene.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopObject.h"
#include "DesktopPad.h"
#include "InputFile.h"
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

// Builds the document through nlohmann's own DOM builder, keeping where and why parsing
// failed: a number too large for a double fails there too, with its place.
class DocumentBuilder : public nlohmann::detail::json_sax_dom_parser<json> {
public:
    explicit DocumentBuilder(json& root) : json_sax_dom_parser(root, false) {}

    template <typename Exception>
    bool parse_error(size_t position, const std::string& token, const Exception& error) {
        // A number that does not fit is placed at its first character.
        constexpr int kNumberOverflow = 406;
        position_ = error.id == kNumberOverflow && token.size() <= position
                        ? position - token.size() + 1
                        : position;
        problem_ = error.what();
        return false;
    }

    size_t Position() const { return position_; }
    // nlohmann's message without its own prefix and byte-counted position.
    std::string Problem() const {
        std::string message = problem_;
        size_t column = message.find(", column ");
        if (column != std::string::npos) {
            size_t colon = message.find(": ", column);
            if (colon != std::string::npos)
                return message.substr(colon + 2);
        }
        size_t bracket = message.find("] ");
        return bracket == std::string::npos ? message : message.substr(bracket + 2);
    }

private:
    size_t position_ = 0;
    std::string problem_;
};

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
        DocumentBuilder builder(root);
        if (!json::sax_parse(text.begin(), text.end(), &builder)) {
            size_t offset = builder.Position() > 0 ? builder.Position() - 1 : 0;
            auto [line, column] = LineColumn(text, offset);
            throw SceneError(sourceName, line, column, "", builder.Problem());
        }
        scene = SceneChecker(sourceName, desktop.CodePage()).Check(root);
    } // the document is freed before the desktop is built
    Build(desktop, scene, sourceName);
}

void SceneLoader::LoadDemo(Desktop& desktop) {
    LoadText(desktop, DemoSceneText(), "demo scene");
}
