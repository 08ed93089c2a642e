#pragma once

#include "ScenePlan.h"

#include <cstring>
#include <string>

// The first difference between two scene plans, or empty when they would build the same
// desktop. Texts are compared by what they say, not where the plans keep them.
inline std::string PlanDifference(const ScenePlan& a, const ScenePlan& b) {
    auto text = [](const ScenePlan& plan, PlanText at) {
        return at.IsNull() ? std::string("(null)") : "\"" + std::string(plan.Text(at)) + "\"";
    };
    auto sameText = [&](PlanText x, PlanText y) { return text(a, x) == text(b, y); };
    auto sameModel = [&](const ModelPlan& x, const ModelPlan& y) -> std::string {
        if (x.slotCount != y.slotCount)
            return "slot count " + std::to_string(x.slotCount) + " / " +
                   std::to_string(y.slotCount);
        for (std::uint32_t i = 0; i < x.slotCount; ++i) {
            const SlotPlan& s = a.slots[x.firstSlot + i];
            const SlotPlan& t = b.slots[y.firstSlot + i];
            std::string where = "slot " + std::to_string(i) + ": ";
            if (!sameText(s.name, t.name))
                return where + "name " + text(a, s.name) + " / " + text(b, t.name);
            if (s.valueCount != t.valueCount)
                return where + "value count";
            for (std::uint32_t j = 0; j < s.valueCount; ++j) {
                const ValuePlan& v = a.values[s.firstValue + j];
                const ValuePlan& w = b.values[t.firstValue + j];
                std::string at = where + "value " + std::to_string(j) + ": ";
                if (v.type != w.type || v.boolean != w.boolean || v.entries != w.entries)
                    return at + "type, boolean or entries";
                // Bit for bit: the sign of a zero counts.
                if (std::memcmp(&v.number, &w.number, sizeof v.number) != 0)
                    return at + "number " + std::to_string(v.number) + " / " +
                           std::to_string(w.number);
                if (!sameText(v.text, w.text) || !sameText(v.key, w.key))
                    return at + "text or key";
            }
        }
        return "";
    };
    if (a.models.size() != b.models.size())
        return "model count";
    for (size_t i = 0; i < a.models.size(); ++i) {
        if (a.models[i].name != b.models[i].name)
            return "model " + std::to_string(i) + " name";
        std::string difference = sameModel(a.models[i].model, b.models[i].model);
        if (!difference.empty())
            return "model " + a.models[i].name + ": " + difference;
    }
    if (a.pads.size() != b.pads.size())
        return "pad count " + std::to_string(a.pads.size()) + " / " + std::to_string(b.pads.size());
    if (a.highestId != b.highestId)
        return "highest ID";
    for (size_t i = 0; i < a.pads.size(); ++i) {
        const PadPlan& p = a.pads[i];
        const PadPlan& q = b.pads[i];
        std::string where = "pad " + std::to_string(i) + ": ";
        if (p.parent != q.parent || p.id != q.id || p.standsFor != q.standsFor ||
            p.output != q.output)
            return where + "parent, id, standsFor or output";
        if (p.x != q.x || p.y != q.y || p.width != q.width || p.height != q.height)
            return where + "place or size";
        if (p.groupDepth != q.groupDepth || p.visible != q.visible || p.ownView != q.ownView ||
            p.selected != q.selected || p.refusesConnector != q.refusesConnector ||
            p.protection != q.protection)
            return where + "flags";
        if (a.ClassOf(p) != b.ClassOf(q))
            return where + "class";
        if (!sameText(p.name, q.name) || !sameText(p.padName, q.padName) ||
            !sameText(p.memo, q.memo) || !sameText(p.connect, q.connect))
            return where + "name " + text(a, p.name) + " / " + text(b, q.name) +
                   ", or pad name, memo or connection";
        if (p.sharedModel != q.sharedModel)
            return where + "shared model";
        if (p.sharedModel < 0) {
            std::string difference = sameModel(p.privateModel, q.privateModel);
            if (!difference.empty())
                return where + difference;
        }
    }
    return "";
}
