#include "CellText.h"

#include "ColumnId.h"
#include "InspectorRow.h"
#include "host/MvSimplePad.h"

#include <cstdio>
#include <string_view>
#include <vector>

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
        return row.outputSlotName.str();
    case OutputValue:
        return row.outputValueText.str();
    case RelativePosition:
        return Pair(row.relX, row.relY);
    case PadName:
        return row.padName.str();
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

std::string NamesAbove(MvSimplePad* pad) {
    std::vector<std::string_view> names;
    size_t length = 0;
    for (MvSimplePad* up = pad->get_parent(); up != nullptr; up = up->get_parent()) {
        const char* name = up->get_own_name();
        names.emplace_back(name != nullptr ? name : "");
        length += names.back().size() + 1;
    }
    std::string text;
    text.reserve(length);
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        text.append(*it).push_back('\\');
    return text;
}

std::string LabelCellText(const InspectorRow& row, bool nestedLabels, const NestedPrefix* prefix) {
    if (!nestedLabels) {
        // d - 1 indents of three spaces, then the two spaces and mark of the row itself.
        std::string text(row.depth > 1 ? static_cast<size_t>(row.depth - 1) * 3 : 0, ' ');
        if (row.depth >= 1)
            text += HasChildren(row) && row.children.head->shown == 0 ? "  +" : "  -";
        return text.append(row.label.View());
    }
    if (row.isDesktop)
        return row.label.str();
    std::vector<std::string_view> labels{row.label.View()};
    size_t length = row.label.size();
    const InspectorRow* top = &row;
    for (const InspectorRow* up = row.parentRow; up != nullptr && !up->isDesktop;
         up = up->parentRow) {
        labels.push_back(up->label.View());
        length += up->label.size() + 1;
        top = up;
    }
    std::string text;
    // A gone row's pad may have been freed since; its ancestors are no longer asked.
    if (prefix != nullptr && top == prefix->root)
        text = prefix->text;
    else if (top->pad != nullptr && !top->gone)
        text = NamesAbove(top->pad);
    text.reserve(text.size() + length);
    for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
        if (it != labels.rbegin())
            text.push_back('\\');
        text.append(*it);
    }
    return text;
}

int RowImage(const InspectorRow& row) {
    int image = 0;
    if (HasChildren(row))
        image = row.children.head->shown ? 1 : 2;
    return row.desktopSelected ? image + 3 : image;
}
