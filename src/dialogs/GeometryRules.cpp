#include "GeometryRules.h"

#include "AreaFit.h"
#include "GeometryMessages.h"
#include "host/MvDeskTop.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvPadView.h"
#include "host/MvSimplePad.h"
#include "listview/InspectorRow.h"
#include "listview/PadTable.h"
#include "platform/CWaitCursor.h"
#include "platform/DecimalText.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Origin {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// 32-bit arithmetic as the framework does it: wrapping, never undefined.
std::int32_t Plus(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t Minus(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// The X and Y of the parent's region; 0, 0 on the desktop or under a parent without a view.
Origin ParentOrigin(MvSimplePad* pad) {
    std::optional<PadRect> parent = PadRegion(pad != nullptr ? pad->get_parent() : nullptr);
    return parent ? Origin{parent->x, parent->y} : Origin{};
}

bool IsLiveRow(const InspectorRow* row) {
    return row != nullptr && row->gone == 0 && row->isDesktop == 0 && row->pad != nullptr;
}

bool IsGrouped(MvSimplePad* pad) {
    return pad->get_groupDepth() != 0;
}

// The row of the reference pad in the tree; null when the pad has left it. The pad of a
// row that has left may be freed already and is never read.
InspectorRow* LiveReferenceRow(const GeometrySelection& selection, InspectorRow* rootRow,
                               const RowIndex* index) {
    if (selection.referenceRow == nullptr)
        return nullptr;
    InspectorRow* row = FindRowLike(rootRow, *selection.referenceRow, index);
    return IsLiveRow(row) ? row : nullptr;
}

// The reference pad's parent origin, read afresh while the pad is in the tree; otherwise
// from the place its row recorded.
Origin ReferenceOrigin(const GeometrySelection& selection, InspectorRow* rootRow,
                       const RowIndex* index) {
    if (InspectorRow* row = LiveReferenceRow(selection, rootRow, index))
        return ParentOrigin(row->pad);
    const InspectorRow& copy = *selection.referenceRow;
    return {Minus(copy.x, copy.relX), Minus(copy.y, copy.relY)};
}

void RecordUndo(MvSimplePad* pad, UndoType kind) {
    MvPadView* view = pad->get_view();
    MvDeskTop* desktop = view != nullptr ? view->GetDeskTop() : nullptr;
    MvPadManager* manager = desktop != nullptr ? desktop->get_padmanager() : nullptr;
    if (UndoBuffer* undo = manager != nullptr ? manager->getUndoBuffer() : nullptr)
        undo->SetUndoBuffer(kind, pad);
}

// The target rectangle refused by the area fit: the pad would leave its parent's area.
bool LeavesParent(MvSimplePad* pad, PadRect target) {
    return AreaFit(pad->get_parent(), pad, target) != 0;
}

// Shrinking or moving the pad would leave one of its confined children outside it.
bool StrandsChildren(MvSimplePad* pad, const PadRect& target) {
    std::optional<PadRect> children = ProtectedChildrenBounds(pad);
    return children && AreaFit(pad, pad, *children, target) != 0;
}

} // namespace

GeometrySelection::GeometrySelection() = default;
GeometrySelection::~GeometrySelection() = default;
GeometrySelection::GeometrySelection(GeometrySelection&&) noexcept = default;
GeometrySelection& GeometrySelection::operator=(GeometrySelection&&) noexcept = default;

unsigned RangeMessageOf(GeometryField field) {
    return field == GeometryField::X || field == GeometryField::Y ? IDS_POSITION_RANGE
                                                                  : IDS_SIZE_RANGE;
}

std::optional<GeometryFailure> ValidateGeometryFields(const GeometryTexts& texts,
                                                      GeometryValues& values) {
    auto failure = [](GeometryField field) {
        return GeometryFailure{field, RangeMessageOf(field)};
    };
    auto read = [](const std::string& text, auto& value, auto parse) {
        auto parsed = parse(text);
        if (parsed)
            value = *parsed;
        return parsed.has_value();
    };
    // Each text lands in its value as soon as it reads. Height is read before width, but
    // width's range is tested first.
    if (!read(texts.x, values.x, ParseSignedDecimal))
        return failure(GeometryField::X);
    if (!read(texts.y, values.y, ParseSignedDecimal))
        return failure(GeometryField::Y);
    if (!read(texts.height, values.height, ParseUnsignedDecimal))
        return failure(GeometryField::Height);
    if (!read(texts.width, values.width, ParseUnsignedDecimal))
        return failure(GeometryField::Width);

    if (!InPositionRange(values.x))
        return failure(GeometryField::X);
    if (!InPositionRange(values.y))
        return failure(GeometryField::Y);
    if (!InSizeRange(values.width))
        return failure(GeometryField::Width);
    if (!InSizeRange(values.height))
        return failure(GeometryField::Height);
    return std::nullopt;
}

bool OpenGeometry(const RowList* selectedRows, InspectorRow* rootRow, GeometrySelection& selection,
                  GeometryValues& values, const RowIndex* index) {
    selection = GeometrySelection{};
    selection.pads = std::make_unique<RowList>();
    PadTable<bool> taken;
    for (const InspectorRow* selected = selectedRows ? selectedRows->head : nullptr;
         selected != nullptr; selected = selected->next) {
        InspectorRow* row = FindRowLike(rootRow, *selected, index);
        if (!IsLiveRow(row) || !taken.Insert(row->pad, true))
            continue;
        InspectorRow* copy = AppendUnchecked(*selection.pads, CopyRow(*row));
        if (selection.referenceRow == nullptr) {
            selection.referenceRow = copy;
            continue;
        }
        const unsigned protection = row->pad->get_protection();
        const bool positionLocked = (protection & kProtectPosition) != 0;
        const bool sizeLocked = (protection & kProtectSize) != 0;
        GeometryFlags& flags = selection.flags;
        flags.somePositionLocked |= positionLocked;
        flags.someSizeLocked |= sizeLocked;
        flags.someFixed |= (positionLocked && sizeLocked) || IsGrouped(row->pad);
    }
    if (selection.referenceRow == nullptr)
        return false;

    const InspectorRow& reference = *selection.referenceRow;
    const PadRect rect =
        PadRegion(reference.pad)
            .value_or(PadRect{reference.x, reference.y, static_cast<std::uint32_t>(reference.width),
                              static_cast<std::uint32_t>(reference.height)});
    const bool single = selection.pads->head == selection.pads->tail;
    values = GeometryValues{rect.x,
                            rect.y,
                            rect.width,
                            rect.height,
                            CoordinateMode::Absolute,
                            {single, single, single, single}};
    return true;
}

std::optional<GeometryFailure> SwitchGeometryMode(const GeometryTexts& texts, CoordinateMode mode,
                                                  const GeometrySelection& selection,
                                                  InspectorRow* rootRow, GeometryValues& values,
                                                  const RowIndex* index) {
    if (std::optional<GeometryFailure> failure = ValidateGeometryFields(texts, values))
        return failure;
    if (mode == values.mode || selection.referenceRow == nullptr)
        return std::nullopt;
    const Origin origin = ReferenceOrigin(selection, rootRow, index);
    if (mode == CoordinateMode::Relative) {
        values.x = Minus(values.x, origin.x);
        values.y = Minus(values.y, origin.y);
    } else {
        values.x = Plus(values.x, origin.x);
        values.y = Plus(values.y, origin.y);
    }
    values.mode = mode;
    return std::nullopt;
}

std::optional<GeometryFailure> ToggleArrange(const GeometryTexts& texts, GeometryField field,
                                             GeometryValues& values) {
    if (std::optional<GeometryFailure> failure = ValidateGeometryFields(texts, values))
        return failure;
    values.SetArranged(field, !values.Arranged(field));
    return std::nullopt;
}

bool ArrangeBoxesEnabled(const GeometrySelection& selection) {
    return Length(selection.pads.get()) > 1;
}

bool GeometryFieldEnabled(const GeometrySelection& selection, const GeometryValues& values,
                          GeometryField field, InspectorRow* rootRow, const RowIndex* index) {
    if (!values.Arranged(field))
        return false;
    // Without its pad in the tree the field follows its Arrange flag: the other pads
    // still take the value.
    InspectorRow* reference = LiveReferenceRow(selection, rootRow, index);
    if (reference == nullptr)
        return true;
    const bool size = field == GeometryField::Width || field == GeometryField::Height;
    const unsigned lock = size ? kProtectSize : kProtectPosition;
    return (reference->pad->get_protection() & lock) == 0 && reference->pad->get_groupDepth() < 1;
}

unsigned GeometryQuestion(const GeometryFlags& flags) {
    if (flags.someFixed || (flags.somePositionLocked && flags.someSizeLocked))
        return IDS_CANNOT_CHANGE_GEOMETRY;
    if (flags.somePositionLocked)
        return IDS_CANNOT_CHANGE_POSITION;
    if (flags.someSizeLocked)
        return IDS_CANNOT_CHANGE_SIZE;
    return 0;
}

GeometryCheck CheckGeometry(const GeometryTexts& texts, const GeometrySelection& selection,
                            GeometryValues& values, GeometryMessages& messages) {
    if (std::optional<GeometryFailure> failure = ValidateGeometryFields(texts, values)) {
        messages.Warn(failure->messageId);
        return {false, failure->field};
    }
    const unsigned question = GeometryQuestion(selection.flags);
    return {question == 0 || messages.Ask(question), std::nullopt};
}

void ApplyGeometryToPads(const RowList* pads, const GeometryValues& values, const TreeRoot& root,
                         GeometryMessages& owner, const TreeIndex& index) {
    if (pads == nullptr || pads->head == nullptr || root() == nullptr)
        return;
    CWaitCursor wait;
    // The work list: copies in selection order, each done once. `pending` finds the entry
    // of a pad still to do, so that an ancestor is found without walking the list.
    std::vector<std::unique_ptr<InspectorRow>> work;
    PadTable<std::size_t> pending;
    for (const InspectorRow* pad = pads->head; pad != nullptr; pad = pad->next) {
        if (pending.Insert(pad->pad, work.size()))
            work.push_back(CopyRow(*pad));
    }
    std::size_t first = 0;
    while (first < work.size()) {
        if (!work[first]) {
            ++first;
            continue;
        }
        std::size_t chosen = first;
        // Asked afresh: a change of a pad may rebuild the tree.
        const RowIndex* rows = index ? index() : nullptr;
        InspectorRow* row = FindRowLike(root(), *work[first], rows);
        if (IsLiveRow(row)) {
            // The highest selected ancestor goes first; the walk comes back to this pad.
            for (InspectorRow* up = row->parentRow; up != nullptr; up = up->parentRow) {
                if (const std::size_t* entry = pending.Find(up->pad))
                    chosen = *entry;
            }
            ApplyGeometry(*work[chosen], values, root(), owner, index ? index() : nullptr);
        }
        pending.Erase(work[chosen]->pad);
        work[chosen].reset();
    }
}

void ApplyGeometry(const InspectorRow& entry, const GeometryValues& values, InspectorRow* rootRow,
                   GeometryMessages& owner, const RowIndex* index) {
    InspectorRow* row = FindRowLike(rootRow, entry, index);
    if (!IsLiveRow(row))
        return;
    MvSimplePad* pad = row->pad;
    const std::optional<PadRect> region = PadRegion(pad);
    if (!region)
        return;
    const PadRect& r = *region;
    const Origin o = ParentOrigin(pad);
    const bool absolute = values.mode == CoordinateMode::Absolute;

    auto target = [&](bool arranged, std::int32_t value, std::int32_t current,
                      std::int32_t originPart, std::int32_t& relative, std::int32_t& desktop) {
        if (arranged) {
            relative = absolute ? Minus(value, originPart) : value;
            desktop = absolute ? value : Plus(value, originPart);
        } else {
            relative = Minus(current, originPart);
            desktop = current;
        }
    };
    std::int32_t relX = 0, relY = 0;
    PadRect t;
    target(values.Arranged(GeometryField::X), values.x, r.x, o.x, relX, t.x);
    target(values.Arranged(GeometryField::Y), values.y, r.y, o.y, relY, t.y);
    t.width = values.Arranged(GeometryField::Width) ? values.width : r.width;
    t.height = values.Arranged(GeometryField::Height) ? values.height : r.height;

    const unsigned protection = pad->get_protection();
    const bool grouped = IsGrouped(pad);
    bool resizeDue = false;
    if ((protection & kProtectSize) == 0 && !grouped &&
        (values.Arranged(GeometryField::Width) || values.Arranged(GeometryField::Height)) &&
        (values.width != r.width || values.height != r.height)) {
        RecordUndo(pad, kUndoResize);
        if (LeavesParent(pad, t) || StrandsChildren(pad, t)) {
            owner.Warn(IDS_CANNOT_LEAVE_PARENT);
            return;
        }
        resizeDue = true;
    }
    bool moveDue = false;
    if ((protection & kProtectPosition) == 0 && !grouped &&
        (values.Arranged(GeometryField::X) || values.Arranged(GeometryField::Y)) &&
        (relX != Minus(r.x, o.x) || relY != Minus(r.y, o.y))) {
        RecordUndo(pad, kUndoMove);
        if (LeavesParent(pad, t)) {
            owner.Warn(IDS_CANNOT_LEAVE_PARENT);
            return;
        }
        moveDue = true;
    }
    if (resizeDue)
        pad->resize(static_cast<int>(t.width), static_cast<int>(t.height));
    if (moveDue)
        pad->move(relX, relY, 0);
    SetScrollFromInspect();
}

std::optional<PadRect> ProtectedChildrenBounds(MvSimplePad* pad) {
    MvPadList* children = pad != nullptr ? pad->get_children() : nullptr;
    std::optional<PadRect> bounds;
    std::int64_t right = 0, bottom = 0;
    for (int i = 0; children != nullptr && i < children->length(); ++i) {
        MvSimplePad* child = children->at(i);
        if (child == nullptr || child->isProtected(kProtectConfined) == 0 || IsGrouped(child))
            continue;
        std::optional<PadRect> region = PadRegion(child);
        if (!region)
            continue;
        const std::int64_t childRight = std::int64_t{region->x} + region->width;
        const std::int64_t childBottom = std::int64_t{region->y} + region->height;
        if (!bounds) {
            bounds = PadRect{region->x, region->y, 0, 0};
            right = childRight;
            bottom = childBottom;
        } else {
            bounds->x = std::min(bounds->x, region->x);
            bounds->y = std::min(bounds->y, region->y);
            right = std::max(right, childRight);
            bottom = std::max(bottom, childBottom);
        }
    }
    if (bounds) {
        bounds->width = static_cast<std::uint32_t>(right - bounds->x);
        bounds->height = static_cast<std::uint32_t>(bottom - bounds->y);
    }
    return bounds;
}

bool RereadGeometry(const GeometrySelection& selection, InspectorRow* rootRow,
                    GeometryValues& values, const RowIndex* index) {
    InspectorRow* row = LiveReferenceRow(selection, rootRow, index);
    std::optional<PadRect> rect = row != nullptr ? PadRegion(row->pad) : std::nullopt;
    if (!rect)
        return false;
    values.x = rect->x;
    values.y = rect->y;
    values.width = rect->width;
    values.height = rect->height;
    if (values.mode == CoordinateMode::Relative) {
        const Origin origin = ParentOrigin(row->pad);
        values.x = Minus(values.x, origin.x);
        values.y = Minus(values.y, origin.y);
    }
    return true;
}

bool AnyGeometryPadLeft(const RowList* pads, InspectorRow* rootRow, const RowIndex* index) {
    for (const InspectorRow* pad = pads ? pads->head : nullptr; pad != nullptr; pad = pad->next) {
        if (FindRowLike(rootRow, *pad, index) != nullptr)
            return true;
    }
    return false;
}

bool ReflectGeometry(const GeometrySelection& selection, GeometryValues& values,
                     const TreeRoot& root, GeometryMessages& dialog, const TreeIndex& index) {
    ApplyGeometryToPads(selection.pads.get(), values, root, dialog, index);
    InspectorRow* rootRow = root();
    if (rootRow == nullptr)
        return false;
    const RowIndex* rows = index ? index() : nullptr;
    RereadGeometry(selection, rootRow, values, rows);
    return AnyGeometryPadLeft(selection.pads.get(), rootRow, rows);
}
