#include "PadDeletion.h"

#include "PadRect.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimpleModel.h"
#include "host/MvSimplePad.h"
#include "host/MvSlot.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// A pad connected to a slot of one of the deleted pad's ancestors.
struct DataLink {
    MvSimplePad* pad = nullptr;
    MvSimplePad* ancestor = nullptr;
    std::optional<std::string> slotName;
};

std::vector<MvSimplePad*> PadsOf(MvPadList* list) {
    std::vector<MvSimplePad*> pads;
    for (int i = 0; list != nullptr && i < list->length(); ++i)
        pads.push_back(list->at(i));
    return pads;
}

std::vector<DataLink> LinksIntoAncestors(MvSimplePad* pad) {
    std::vector<DataLink> links;
    for (MvSimplePad* ancestor = pad->get_parent(); ancestor != nullptr;
         ancestor = ancestor->get_parent()) {
        MvSimpleModel* model = ancestor->get_model();
        const int slots = model != nullptr ? model->get_slotsize() : 0;
        for (int j = 0; j < slots; ++j) {
            MvSlot* slot = model->get_slot_at(j);
            const char* name = slot != nullptr ? slot->get_name() : nullptr;
            if (name == nullptr)
                continue;
            // The framework may reuse the list it hands out: it is copied before use.
            for (MvSimplePad* linked : PadsOf(ancestor->get_datalink_children(name))) {
                if (linked == nullptr || linked == pad || linked->get_real_view() == nullptr ||
                    linked->get_datalink_parent() != ancestor)
                    continue;
                const char* slotName = linked->get_slotname();
                links.push_back({linked, ancestor,
                                 slotName ? std::optional<std::string>(slotName) : std::nullopt});
            }
        }
    }
    return links;
}

} // namespace

void DeletePad(MvSimplePad* pad, bool withChildren) {
    if (pad == nullptr)
        return;
    if (!withChildren) {
        DeleteKeepingChildren(pad);
        return;
    }
    pad->delete_hide();
    MwSendSystemEvent(2);
}

void DeleteKeepingChildren(MvSimplePad* pad) {
    if (pad == nullptr)
        return;
    std::vector<MvSimplePad*> kept;
    for (MvSimplePad* child : PadsOf(pad->get_children())) {
        if (child != nullptr && child->get_real_view() != nullptr)
            kept.push_back(child);
    }
    const std::vector<DataLink> links = LinksIntoAncestors(pad);
    MvSimplePad* parent = pad->get_parent();
    const std::optional<PadRect> parentRegion = PadRegion(parent);
    const PadRect origin = parentRegion.value_or(PadRect{});

    for (MvSimplePad* child : kept) {
        // Bounded: a framework that does not lower the depth must not hold the loop.
        for (int depth = child->get_groupDepth(); depth > 0 && child->get_groupDepth() > 0; --depth)
            child->ungroup();
        const PadRect place = PadRegion(child).value_or(PadRect{});
        child->paste(parent, static_cast<int>(std::int64_t{place.x} - origin.x),
                     static_cast<int>(std::int64_t{place.y} - origin.y));
    }
    // Newest first, as the framework keeps its own records.
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        if (!link->slotName)
            continue;
        const char* now = link->pad->get_slotname();
        if (now == nullptr || std::strcmp(now, link->slotName->c_str()) != 0)
            link->pad->connect(link->ancestor, link->slotName->c_str());
    }
    pad->destroy();
}
