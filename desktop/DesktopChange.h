#pragma once

class MvSimplePad;
class MvSimpleModel;

// What the desktop reported to the Inspector module, in the order it did so. Freeing is not
// a module notification: it tells observers that a pad's memory is about to be released.
enum class ChangeKind {
    Paste,
    Show,
    Hide,
    Size,
    Position,
    Connect,
    Select,
    Delete,
    Output,
    SlotValue,
    Ownname,
    Group,
    Raise,
    Lower,
    Freeing,
};

struct DesktopChange {
    ChangeKind kind = ChangeKind::Paste;
    MvSimplePad* pad = nullptr;     // null for SlotValue
    MvSimpleModel* model = nullptr; // SlotValue only
    int slotIndex = -1;             // SlotValue only
};

// The module entry point's name without its "inspectorChanged" prefix, e.g. "Position".
const char* ChangeKindName(ChangeKind kind);
