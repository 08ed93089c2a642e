#pragma once

#include "PadRect.h"

class MvSimplePad;

// How the From pad is re-pasted relative to the To pad.
enum class PasteKind {
    InsertAsParent, // the From pad goes between the To pad and the To pad's parent
    InsertAsChild,  // the From pad goes onto the To pad
    Replace,        // the From pad takes the To pad's place
};

// "Parent" and "Child" name the pad that will be the From pad's parent, or its child.
enum class PositionChoice { NotMove, ParentPosition, ChildPosition, MoveTo };
enum class SizeChoice { NotResize, ParentSize, ChildSize, ResizeTo };

// One Insert/Replace as the user chose it, and the geometry the From pad gets from it.
struct PasteRequest {
    MvSimplePad* from = nullptr;
    MvSimplePad* to = nullptr;
    PasteKind kind = PasteKind::InsertAsParent;
    PositionChoice position = PositionChoice::ParentPosition;
    SizeChoice size = SizeChoice::ParentSize;
    // X and Y read for Move to, width and height for Resize to.
    PadRect typed;

    PadRect result;
    // 1 for insert as parent, 0 otherwise.
    int asParent = 0;
};
