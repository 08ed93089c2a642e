#include "PasteRules.h"

#include "AreaFit.h"
#include "PasteQuestions.h"
#include "host/MvHostServices.h"
#include "host/MvSimplePad.h"
#include "listview/InspectorRow.h"
#include "resources/ResourceIds.h"

#include <cstring>
#include <set>
#include <tuple>

namespace {

bool IsClass(MvSimplePad* pad, const char* name) {
    const char* className = pad->get_class_name();
    return className != nullptr && std::strcmp(className, name) == 0;
}

// An icon or dynamically loaded pad stands for another pad; null when it stands for none.
MvSimplePad* PadStoodFor(MvSimplePad* pad) {
    if (!IsClass(pad, "MvIconPad") && !IsClass(pad, "MvDynamicLoadPad"))
        return pad;
    auto* iconPad = dynamic_cast<MvIconPad*>(pad);
    return iconPad ? iconPad->get_pad() : nullptr;
}

// Every way up is tried once: a state seen before has already answered false, since any
// true ends the whole search. This also ends walks that come round to where they started.
class LoopSearch {
public:
    bool Contains(MvSimplePad* a, MvSimplePad* b, bool viaIcon) {
        if (a == nullptr || b == nullptr)
            return false;
        a = PadStoodFor(a);
        if (a == nullptr || !seen_.emplace(a, b, viaIcon).second)
            return false;
        if (!viaIcon) {
            MvSimplePad* parent = b->get_parent();
            return parent == a || Contains(a, parent, false) || Contains(a, b, true);
        }
        MvSimplePad* icon = b->get_icon();
        if (icon == nullptr)
            return false;
        MvSimplePad* iconParent = icon->get_parent();
        if (iconParent == a || Contains(a, iconParent, false))
            return true;
        MvSimplePad* parent = b->get_parent();
        return parent != nullptr && Contains(a, parent, true);
    }

private:
    std::set<std::tuple<MvSimplePad*, MvSimplePad*, bool>> seen_;
};

// Putting `pad` on `newParent` (null: the desktop) would make the pad contain itself. The
// search follows icons as well as parents whether or not the pad is iconified, so a plain
// ancestor is never missed.
bool PutsInsideItself(MvSimplePad* pad, MvSimplePad* newParent) {
    return pad == newParent || PasteCreatesLoop(pad, newParent, false);
}

// Every pad the paste puts somewhere is tested: the From pad on its new parent, and under
// insert as parent also the To pad on the From pad.
bool PasteLoops(const PasteRequest& request) {
    MvSimplePad* from = request.from;
    MvSimplePad* to = request.to;
    switch (request.kind) {
    case PasteKind::InsertAsChild:
        return PutsInsideItself(from, to);
    case PasteKind::InsertAsParent:
        return PutsInsideItself(to, from) || PutsInsideItself(from, to->get_parent());
    case PasteKind::Replace:
        return from == to || PutsInsideItself(from, to->get_parent());
    }
    return true;
}

} // namespace

bool IsExcludedPadClass(const char* className) {
    if (className == nullptr)
        return false;
    for (const char* excluded : {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"})
        if (std::strcmp(className, excluded) == 0)
            return true;
    return false;
}

bool IsPasteEligible(const InspectorRow* row) {
    return row != nullptr && row->gone == 0 && row->isDesktop == 0 && row->pad != nullptr &&
           row->pad->isProtected2(kProtectInsertReplace) == 0 &&
           !IsExcludedPadClass(row->pad->get_class_name());
}

std::optional<PastePads> PastePadsOfSelection(const RowList* selectedRows) {
    if (selectedRows == nullptr)
        return std::nullopt;
    int rows = 0;
    int eligible = 0;
    PastePads pads;
    for (const InspectorRow* row = selectedRows->head; row != nullptr; row = row->next) {
        ++rows;
        if (IsPasteEligible(row) && ++eligible <= 2)
            (eligible == 1 ? pads.from : pads.to) = row->pad;
    }
    if (rows != 2 || eligible != 2 || pads.from == pads.to)
        return std::nullopt;
    return pads;
}

std::optional<PastePads> PastePadsOfDrop(const InspectorRow* source, const InspectorRow* target) {
    if (!IsPasteEligible(source) || !IsPasteEligible(target) || source->pad == target->pad)
        return std::nullopt;
    return PastePads{source->pad, target->pad};
}

void ComputePasteGeometry(PasteRequest& request) {
    const PadRect from = PadRegion(request.from).value_or(PadRect{});
    const PadRect to = PadRegion(request.to).value_or(PadRect{});
    // The To pad's parent becomes the From pad's parent only under insert as parent.
    const std::optional<PadRect> parent =
        PadRegion(request.to ? request.to->get_parent() : nullptr);
    const bool asParent = request.kind == PasteKind::InsertAsParent;
    PadRect& result = request.result;

    switch (request.position) {
    case PositionChoice::NotMove:
        result.x = from.x;
        result.y = from.y;
        break;
    case PositionChoice::ParentPosition:
        if (asParent) {
            result.x = parent ? parent->x : 0;
            result.y = parent ? parent->y : 0;
        } else {
            result.x = to.x;
            result.y = to.y;
        }
        break;
    case PositionChoice::ChildPosition:
        result.x = asParent ? to.x : 0;
        result.y = asParent ? to.y : 0;
        break;
    case PositionChoice::MoveTo:
        result.x = request.typed.x;
        result.y = request.typed.y;
        break;
    }

    switch (request.size) {
    case SizeChoice::NotResize:
        result.width = from.width;
        result.height = from.height;
        break;
    case SizeChoice::ParentSize:
        if (asParent) {
            result.width = parent ? parent->width : 1;
            result.height = parent ? parent->height : 1;
        } else {
            result.width = to.width;
            result.height = to.height;
        }
        break;
    case SizeChoice::ChildSize:
        result.width = asParent ? to.width : 0;
        result.height = asParent ? to.height : 0;
        break;
    case SizeChoice::ResizeTo:
        result.width = request.typed.width;
        result.height = request.typed.height;
        break;
    }
    request.asParent = asParent ? 1 : 0;
}

bool ConfirmPasteGeometry(PasteRequest& request, PasteQuestions& questions) {
    ComputePasteGeometry(request);
    PadRect fitted = request.result;
    switch (request.kind) {
    case PasteKind::Replace:
        return true;
    case PasteKind::InsertAsChild:
        if (AreaFit(request.to, request.from, fitted) == 1) {
            if (!questions.Confirm(IDS_FROM_CONFINED_CHILD))
                return false;
            request.result = fitted;
        }
        return true;
    case PasteKind::InsertAsParent:
        // The To pad becomes the From pad's child: a confined To pad must fit in it.
        if (const std::optional<PadRect> toRegion = PadRegion(request.to)) {
            PadRect toFitted = *toRegion;
            if (AreaFit(request.to, request.to, toFitted, request.result) == 1) {
                if (!questions.Confirm(IDS_TO_CONFINED))
                    return false;
                request.result = *toRegion;
                return true;
            }
        }
        if (AreaFit(request.to ? request.to->get_parent() : nullptr, request.from, fitted) == 1) {
            if (!questions.Confirm(IDS_FROM_CONFINED))
                return false;
            request.result = fitted;
        }
        return true;
    }
    return true;
}

bool PasteCreatesLoop(MvSimplePad* a, MvSimplePad* b, bool viaIcon) {
    return LoopSearch().Contains(a, b, viaIcon);
}

int ExecutePaste(const PasteRequest& request, const InspectorRow* rootRow,
                 PasteQuestions& questions) {
    MvSimplePad* from = request.from;
    MvSimplePad* to = request.to;
    if (from == nullptr || to == nullptr)
        return 0;
    if (PasteLoops(request)) {
        questions.Inform(IDS_PASTE_LOOP);
        return 0;
    }
    if (request.kind == PasteKind::Replace) {
        // A refused replace removed nothing, so the Inspector keeps its top pad. The root row
        // is read first: an Inspector whose top pad is replaced closes meanwhile.
        const bool replacesRoot = rootRow != nullptr && rootRow->pad == to;
        const int replaced = MvToolHelp::replace(to, from, nullptr, 0);
        return replaced != 0 && replacesRoot ? 1 : 0;
    }
    const PadRect& r = request.result;
    const int asParent = request.kind == PasteKind::InsertAsParent ? 1 : 0;
    MvToolHelp::insert(to, from, asParent, r.x, r.y, static_cast<int>(r.width),
                       static_cast<int>(r.height));
    return 0;
}
