#include "DesktopChange.h"

const char* ChangeKindName(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Paste:
        return "Paste";
    case ChangeKind::Show:
        return "Show";
    case ChangeKind::Hide:
        return "Hide";
    case ChangeKind::Size:
        return "Size";
    case ChangeKind::Position:
        return "Position";
    case ChangeKind::Connect:
        return "Connect";
    case ChangeKind::Select:
        return "Select";
    case ChangeKind::Delete:
        return "Delete";
    case ChangeKind::Output:
        return "Output";
    case ChangeKind::SlotValue:
        return "SlotValue";
    case ChangeKind::Ownname:
        return "Ownname";
    case ChangeKind::Group:
        return "Group";
    case ChangeKind::Raise:
        return "Raise";
    case ChangeKind::Lower:
        return "Lower";
    case ChangeKind::Freeing:
        return "Freeing";
    }
    return "?";
}
