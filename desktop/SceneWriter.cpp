#include "SceneWriter.h"

#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "InputFile.h"
#include "PadLimits.h"
#include "SafeFile.h"
#include "SceneError.h"
#include "SceneNames.h"
#include "host/MvBasicObject.h"
#include "platform/CodePage.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Deeper pads are indented no further, so that the text grows linearly with the depth.
constexpr size_t kIndentedLevels = 32;

std::string_view TypeName(MvSlotType type) {
    for (const auto& [name, named] : kSlotTypeNames) {
        if (named == type)
            return name;
    }
    return "command";
}

class Writer {
public:
    explicit Writer(Desktop& desktop) : desktop_(desktop), codePage_(desktop.CodePage()) {}

    std::string Write() {
        out_ = "{\n";
        const std::vector<DesktopModel*>& models = desktop_.NamedModels();
        if (!models.empty()) {
            out_ += "  \"models\": {";
            for (size_t i = 0; i < models.size(); ++i) {
                out_ += i == 0 ? "\n    " : ",\n    ";
                // Model names are kept as the scene gave them, in UTF-8.
                out_ += Quoted(models[i]->Name()) + ": { ";
                Slots(*models[i]);
                out_ += " }";
            }
            out_ += "\n  },\n";
        }
        out_ += "  \"pads\": [";
        Pads();
        out_ += "\n}\n";
        return std::move(out_);
    }

private:
    // The pads in pre-order, each list closed when its last pad is written.
    void Pads() {
        struct Open {
            DesktopPad* parent; // null: the desktop
            int next;
        };
        const std::vector<DesktopPad*>& top = desktop_.TopLevelPads();
        auto count = [&top](DesktopPad* parent) {
            return parent != nullptr ? parent->ChildCount() : static_cast<int>(top.size());
        };
        std::vector<Open> open{{nullptr, 0}};
        while (!open.empty()) {
            Open& level = open.back();
            if (level.next == count(level.parent)) {
                if (level.next > 0)
                    out_ += "\n" + Indent(open.size());
                out_ += "]";
                open.pop_back();
                if (!open.empty())
                    out_ += " }";
                continue;
            }
            DesktopPad* pad = level.parent != nullptr ? level.parent->Child(level.next)
                                                      : top[static_cast<size_t>(level.next)];
            out_ += level.next > 0 ? ",\n" : "\n";
            ++level.next;
            out_ += Indent(open.size() + 1) + "{ ";
            Fields(*pad);
            if (pad->ChildCount() > 0) {
                out_ += ", \"children\": [";
                open.push_back({pad, 0});
            } else {
                out_ += " }";
            }
        }
    }

    void Fields(DesktopPad& pad) {
        out_ += "\"name\": " + Text(pad.get_own_name());
        out_ += ", \"class\": " + Quoted(pad.get_class_name());
        out_ += ", \"id\": " + std::to_string(pad.GetCreatePadID());
        out_ += ", \"x\": " + std::to_string(pad.RelX()) + ", \"y\": " + std::to_string(pad.RelY());
        out_ += ", \"width\": " + std::to_string(pad.Width()) +
                ", \"height\": " + std::to_string(pad.Height());
        if (!pad.Visible())
            out_ += ", \"visible\": false";
        if (!pad.HasOwnView())
            out_ += ", \"ownView\": false";
        if (pad.get_pad_name() != nullptr)
            out_ += ", \"padName\": " + Text(pad.get_pad_name());
        if (pad.get_pad_memo() != nullptr)
            out_ += ", \"memo\": " + Text(pad.get_pad_memo());
        if (pad.get_protection() != 0)
            out_ += ", \"protection\": " + std::to_string(pad.get_protection());
        if (pad.get_groupDepth() != 0)
            out_ += ", \"groupDepth\": " + std::to_string(pad.get_groupDepth());
        if (pad.Selected())
            out_ += ", \"selected\": true";
        if (pad.RefusesConnector())
            out_ += ", \"refusesConnector\": true";
        DesktopModel* model = pad.Model();
        if (model != nullptr && !model->Name().empty()) {
            out_ += ", \"model\": " + Quoted(model->Name());
        } else if (model != nullptr && model->get_slotsize() > 0) {
            out_ += ", ";
            Slots(*model);
        }
        if (model != nullptr && pad.OutputIndex() >= 0 && pad.OutputIndex() < model->get_slotsize())
            out_ += ", \"output\": " + Text(model->Slot(pad.OutputIndex())->Name().c_str());
        // A connection names a slot of the parent's model; one the parent's model lacks would
        // make the scene fail to load, so it is left out.
        DesktopPad* parent = pad.Parent();
        if (pad.SlotName() && parent != nullptr && parent->Model() != nullptr &&
            parent->Model()->IndexOf(*pad.SlotName()) >= 0)
            out_ += ", \"connect\": " + Text(pad.SlotName()->c_str());
        DesktopPad* standsFor = pad.StandsFor();
        if (standsFor != nullptr && desktop_.IsLive(standsFor))
            out_ += ", \"standsFor\": " + std::to_string(standsFor->GetCreatePadID());
    }

    // `"slots": [ ... ]`, each slot on the line of its model or pad; dictionaries are
    // written entry by entry, entering each nested one as it is met.
    void Slots(DesktopModel& model) {
        out_ += "\"slots\": [";
        for (int i = 0; i < model.get_slotsize(); ++i) {
            DesktopSlot& slot = *model.Slot(i);
            out_ += i == 0 ? " " : ", ";
            out_ += "{ \"name\": " + Text(slot.Name().c_str()) + ", ";
            Value(slot.Value());
        }
        out_ += " ]";
    }

    void Value(SlotValue& value) {
        struct Open {
            DesktopDictionary* dictionary;
            int next;
        };
        std::vector<Open> open;
        if (TypedValue(value))
            open.push_back({value.Dictionary(), 0});
        while (!open.empty()) {
            Open& level = open.back();
            if (level.next == level.dictionary->length()) {
                out_ += " ] }";
                open.pop_back();
                continue;
            }
            DesktopDictionaryValue& entry = level.dictionary->Entry(level.next);
            out_ += level.next > 0 ? ", " : " ";
            ++level.next;
            out_ += "{ \"key\": " + Text(entry.get_key()) + ", ";
            if (TypedValue(entry.Value()))
                open.push_back({entry.Value().Dictionary(), 0});
        }
    }

    // Writes `"type": …, "value": …` and closes the object, except for a dictionary with
    // entries, whose list is left open for them (true).
    bool TypedValue(SlotValue& value) {
        out_ += "\"type\": \"" + std::string(TypeName(value.Type())) + "\"";
        switch (value.Type()) {
        case kSlotDictionary:
            if (value.Dictionary() != nullptr && value.Dictionary()->length() > 0) {
                out_ += ", \"value\": [";
                return true;
            }
            break;
        case kSlotBoolean:
            out_ += value.Boolean() ? ", \"value\": true" : ", \"value\": false";
            break;
        case kSlotNumber:
            if (!std::isfinite(value.Number()))
                throw SceneError("", 0, 0, "", "a number slot holds a value JSON cannot hold");
            out_ += ", \"value\": " + Number(value.Number());
            break;
        case kSlotString:
            out_ += ", \"value\": " + Text(value.String());
            break;
        case kSlotObject:
            if (value.Object() != nullptr)
                out_ += ", \"value\": " + Text(value.Object()->print());
            break;
        case kSlotCommand:
            break;
        }
        out_ += " }";
        return false;
    }

    // Whole numbers as integers, as a person writes them; any other number in the shortest
    // form that reads back as the same double.
    static std::string Number(double number) {
        constexpr double kExactIntegers = 9007199254740992.0; // 2^53
        if (number == std::trunc(number) && std::fabs(number) < kExactIntegers &&
            !(number == 0 && std::signbit(number)))
            return std::to_string(static_cast<long long>(number));
        return nlohmann::json(number).dump();
    }

    // A text of the code page, or null.
    std::string Text(const char* text) const {
        if (text == nullptr)
            return "null";
        return Quoted(codepage::ToUtf8(text, codePage_));
    }

    static std::string Quoted(const std::string& utf8) {
        return nlohmann::json(utf8).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    static std::string Indent(size_t level) {
        return std::string(std::min(level, kIndentedLevels) * 2, ' ');
    }

    Desktop& desktop_;
    int codePage_;
    std::string out_;
};

} // namespace

std::string SceneWriter::Text(Desktop& desktop) {
    return Writer(desktop).Write();
}

void SceneWriter::SaveFile(Desktop& desktop, const std::string& path) {
    std::string text;
    try {
        text = Text(desktop);
    } catch (const SceneError& e) {
        throw SceneError(path, 0, 0, "", e.Problem() + "; the file is left as it was");
    }
    if (text.size() > kSceneFileLimit)
        throw SceneError(path, 0, 0, "",
                         "the scene would be larger than " + SizeText(kSceneFileLimit) +
                             ", which cannot be loaded; the file is left as it was");
    std::string error;
    if (!ReplaceFileContents(path, text, error))
        throw SceneError(path, 0, 0, "", "cannot be written (" + error + ")");
}
