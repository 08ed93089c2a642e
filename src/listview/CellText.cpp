#include "CellText.h"

#include "ColumnId.h"
#include "InspectorRow.h"
#include "host/MvSimplePad.h"

#include <cstdio>

namespace {

std::string Pair(int a, int b) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "(%5d,%5d)", a, b);
    return buffer;
}

} // namespace

unsigned ColumnHeaderId(int id) {
    static const unsigned kHeaders[] = {32744, 32745, 32746, 32747, 32748,
                                        32750, 32751, 32752, 32753, 32754};
    return id >= 0 && id < kMaxColumns ? kHeaders[id] : 0;
}

std::string CellText(const InspectorRow& row, int id, const std::string& yes,
                     const std::string& no) {
    char buffer[32];
    switch (id) {
    case Position:
        return Pair(row.x, row.y);
    case Size:
        return Pair(row.width, row.height);
    case OutputSlot:
        return row.outputSlotName;
    case OutputValue:
        return row.outputValueText;
    case RelativePosition:
        return Pair(row.relX, row.relY);
    case PadName:
        return row.padName;
    case Connection:
        return row.connected ? yes : no;
    case GroupDepth:
        std::snprintf(buffer, sizeof buffer, "%3d", row.groupDepth);
        return buffer;
    case PadId:
        std::snprintf(buffer, sizeof buffer, "%.10u", row.padId);
        return buffer;
    default:
        return "";
    }
}

std::string LabelCellText(const InspectorRow& row, bool nestedLabels) {
    if (!nestedLabels) {
        std::string text;
        for (int i = 1; i < row.depth; ++i)
            text += "   ";
        if (row.depth >= 1)
            text += HasChildren(row) && row.children->head->shown == 0 ? "  +" : "  -";
        return text + row.label;
    }
    if (row.isDesktop)
        return row.label;
    std::string text = row.label;
    const InspectorRow* top = &row;
    for (const InspectorRow* up = row.parentRow; up != nullptr && !up->isDesktop;
         up = up->parentRow) {
        text = up->label + "\\" + text;
        top = up;
    }
    // A gone row's pad may have been freed since; its ancestors are no longer asked.
    if (top->pad != nullptr && !top->gone) {
        for (MvSimplePad* pad = top->pad->get_parent(); pad != nullptr; pad = pad->get_parent()) {
            const char* name = pad->get_own_name();
            text = std::string(name ? name : "") + "\\" + text;
        }
    }
    return text;
}

int RowImage(const InspectorRow& row) {
    int image = 0;
    if (HasChildren(row))
        image = row.children->head->shown ? 1 : 2;
    return row.desktopSelected ? image + 3 : image;
}
