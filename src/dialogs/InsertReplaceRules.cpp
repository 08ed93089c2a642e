#include "InsertReplaceRules.h"

#include "PasteQuestions.h"
#include "PasteRules.h"
#include "host/MvSimplePad.h"
#include "listview/InspectorRow.h"
#include "platform/DecimalText.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

#include <string>

namespace {

bool OnDesktop(MvSimplePad* pad) {
    return pad == nullptr || pad->get_parent() == nullptr;
}

bool StillInTree(InspectorRow* rootRow, MvSimplePad* pad) {
    const InspectorRow* row = FindRowByPad(rootRow, pad);
    return row != nullptr && row->gone == 0;
}

std::int32_t LenientSigned(const std::string& text) {
    return ParseSignedDecimal(text).value_or(0);
}

} // namespace

void ResetInsertReplace(PasteRequest& request, MvSimplePad* from, MvSimplePad* to) {
    request.from = from;
    request.to = to;
    request.kind = PasteKind::InsertAsParent;
    request.position = PositionChoice::ParentPosition;
    request.size = SizeChoice::ParentSize;
}

void ApplyKindRule(PasteRequest& request) {
    if (request.kind == PasteKind::InsertAsParent && OnDesktop(request.to)) {
        if (request.position == PositionChoice::ParentPosition)
            request.position = PositionChoice::ChildPosition;
        if (request.size == SizeChoice::ParentSize)
            request.size = SizeChoice::ChildSize;
    } else if (request.kind == PasteKind::InsertAsChild) {
        if (request.position == PositionChoice::ChildPosition)
            request.position = PositionChoice::ParentPosition;
        if (request.size == SizeChoice::ChildSize)
            request.size = SizeChoice::ParentSize;
    }
}

std::vector<ControlEnabled> InsertReplaceEnabling(const PasteRequest& request) {
    const bool insert = request.kind != PasteKind::Replace;
    const bool parentChoices =
        insert && !(request.kind == PasteKind::InsertAsParent && OnDesktop(request.to));
    const bool childChoices = insert && request.kind != PasteKind::InsertAsChild;
    const bool moveFields = insert && request.position == PositionChoice::MoveTo;
    const bool sizeFields = insert && request.size == SizeChoice::ResizeTo;
    return {
        {IDC_POSITION_GROUP, insert},
        {IDC_PARENT_POSITION, parentChoices},
        {IDC_CHILD_POSITION, childChoices},
        {IDC_NOT_MOVE, insert},
        {IDC_MOVE_TO, insert},
        {IDC_MOVE_X_LABEL, moveFields},
        {IDC_MOVE_X, moveFields},
        {IDC_MOVE_X_SPIN, moveFields},
        {IDC_MOVE_Y_LABEL, moveFields},
        {IDC_MOVE_Y, moveFields},
        {IDC_MOVE_Y_SPIN, moveFields},
        {IDC_SIZE_GROUP, insert},
        {IDC_PARENT_SIZE, parentChoices},
        {IDC_CHILD_SIZE, childChoices},
        {IDC_NOT_RESIZE, insert},
        {IDC_RESIZE_TO, insert},
        {IDC_RESIZE_WIDTH_LABEL, sizeFields},
        {IDC_RESIZE_WIDTH, sizeFields},
        {IDC_RESIZE_WIDTH_SPIN, sizeFields},
        {IDC_RESIZE_HEIGHT_LABEL, sizeFields},
        {IDC_RESIZE_HEIGHT, sizeFields},
        {IDC_RESIZE_HEIGHT_SPIN, sizeFields},
    };
}

unsigned KindDescriptionOf(PasteKind kind) {
    return kind == PasteKind::Replace ? IDS_REPLACE_TO_BY_FROM : IDS_INSERT_UNDER_OVER;
}

bool ChooseKind(PasteRequest& request, PasteKind kind) {
    request.kind = kind;
    ApplyKindRule(request);
    return kind != PasteKind::Replace;
}

bool ChoosePosition(PasteRequest& request, PositionChoice choice) {
    request.position = choice;
    return choice != PositionChoice::MoveTo || request.kind != PasteKind::Replace;
}

bool ChooseSize(PasteRequest& request, SizeChoice choice) {
    request.size = choice;
    return choice != SizeChoice::ResizeTo || request.kind != PasteKind::Replace;
}

GeometryTexts PreviewInsertReplace(PasteRequest& request, const GeometryTexts& typed) {
    request.typed = {LenientSigned(typed.x), LenientSigned(typed.y),
                     static_cast<std::uint32_t>(LenientSigned(typed.width)),
                     static_cast<std::uint32_t>(LenientSigned(typed.height))};
    ComputePasteGeometry(request);
    const PadRect& r = request.result;
    return {std::to_string(r.x), std::to_string(r.y),
            std::to_string(static_cast<std::int32_t>(r.width)),
            std::to_string(static_cast<std::int32_t>(r.height))};
}

InsertReplaceCheck ConfirmInsertReplace(PasteRequest& request, const GeometryTexts& typed,
                                        PasteQuestions& questions) {
    const bool move = request.position == PositionChoice::MoveTo;
    const bool resize = request.size == SizeChoice::ResizeTo;
    auto refuse = [&questions](GeometryField field) {
        questions.Inform(RangeMessageOf(field));
        return InsertReplaceCheck{false, field};
    };
    std::optional<std::int32_t> x, y;
    std::optional<std::uint32_t> width, height;
    if (move && !(x = ParseSignedDecimal(typed.x)))
        return refuse(GeometryField::X);
    if (move && !(y = ParseSignedDecimal(typed.y)))
        return refuse(GeometryField::Y);
    if (resize && !(width = ParseUnsignedDecimal(typed.width)))
        return refuse(GeometryField::Width);
    if (resize && !(height = ParseUnsignedDecimal(typed.height)))
        return refuse(GeometryField::Height);
    if (move && !InPositionRange(*x))
        return refuse(GeometryField::X);
    if (move && !InPositionRange(*y))
        return refuse(GeometryField::Y);
    if (resize && !InSizeRange(*width))
        return refuse(GeometryField::Width);
    if (resize && !InSizeRange(*height))
        return refuse(GeometryField::Height);
    if (move) {
        request.typed.x = *x;
        request.typed.y = *y;
    }
    if (resize) {
        request.typed.width = *width;
        request.typed.height = *height;
    }
    if (request.kind != PasteKind::Replace && !ConfirmPasteGeometry(request, questions))
        return {};
    return {true, std::nullopt};
}

bool PastePadsInTree(const PasteRequest& request, InspectorRow* rootRow) {
    return StillInTree(rootRow, request.from) && StillInTree(rootRow, request.to);
}

int RunInsertReplace(PasteRequest& request, MvSimplePad* from, MvSimplePad* to, bool searchView,
                     const std::function<bool()>& showDialog, const TreeRoot& root,
                     PasteQuestions& questions) {
    if (searchView || from == nullptr || to == nullptr)
        return 0;
    ResetInsertReplace(request, from, to);
    if (!showDialog())
        return 0;
    InspectorRow* rootRow = root ? root() : nullptr;
    if (!PastePadsInTree(request, rootRow))
        return 0;
    return ExecutePaste(request, rootRow, questions);
}
