#include "CellText.h"

#include "ColumnId.h"
#include "InspectorRow.h"
#include "host/MvSimplePad.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string_view>
#include <unordered_map>
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

std::string LabelCellText(const InspectorRow& row, bool nestedLabels, const NestedPrefix* prefix,
                          size_t limit) {
    if (!nestedLabels) {
        // d - 1 indents of three spaces, then the two spaces and mark of the row itself.
        size_t indent = row.depth > 1 ? static_cast<size_t>(row.depth - 1) * 3 : 0;
        std::string text(std::min(indent, limit), ' ');
        if (row.depth >= 1)
            text += HasChildren(row) && row.children.head->shown == 0 ? "  +" : "  -";
        text.append(row.label.View());
        if (text.size() > limit)
            text.resize(limit);
        return text;
    }
    if (row.isDesktop)
        return row.label.str();
    // The labels from the row up, outermost last. A label goes once the ones above it fill
    // the limit on their own, so a row deep in a chain costs a walk up, not a text of every
    // name above it.
    std::deque<std::string_view> labels{row.label.View()};
    // The kept labels' lengths, each with its backslash.
    size_t kept = row.label.size() + 1;
    const InspectorRow* top = &row;
    for (const InspectorRow* up = row.parentRow; up != nullptr && !up->isDesktop;
         up = up->parentRow) {
        labels.push_back(up->label.View());
        kept += up->label.size() + 1;
        while (labels.size() > 1 && kept - labels.front().size() - 2 >= limit) {
            kept -= labels.front().size() + 1;
            labels.pop_front();
        }
        top = up;
    }
    std::string text;
    // A gone row's pad may have been freed since; its ancestors are no longer asked.
    if (prefix != nullptr && top == prefix->root)
        text = prefix->text;
    else if (top->pad != nullptr && !top->gone)
        text = NamesAbove(top->pad);
    text.reserve(std::min(text.size() + kept, limit));
    for (auto it = labels.rbegin(); it != labels.rend() && text.size() < limit; ++it) {
        if (it != labels.rbegin())
            text.push_back('\\');
        text.append(*it);
    }
    if (text.size() > limit)
        text.resize(limit);
    return text;
}

std::vector<std::string> FlatLabelCells(const std::vector<InspectorRow*>& rows, size_t limit) {
    std::vector<std::string> cells;
    cells.reserve(rows.size());
    // The ancestors of the last row, outermost first: `path` holds their names, each followed
    // by a backslash, and each ancestor where its own name ends there. Each is the prefix of the
    // one below it, so one text serves them all.
    struct Above {
        MvSimplePad* pad;
        size_t end;
    };
    std::vector<Above> chain;
    std::unordered_map<const MvSimplePad*, size_t> chainIndex;
    std::string path;
    std::vector<MvSimplePad*> walked;
    for (const InspectorRow* row : rows) {
        if (row->isDesktop || row->parentRow != nullptr || row->pad == nullptr || row->gone) {
            cells.push_back(LabelCellText(*row, true, nullptr, limit));
            continue;
        }
        // Up from the parent to the nearest ancestor the chain holds, or to the top.
        walked.clear();
        size_t keep = 0;
        for (MvSimplePad* up = row->pad->get_parent(); up != nullptr; up = up->get_parent()) {
            auto found = chainIndex.find(up);
            if (found != chainIndex.end()) {
                keep = found->second + 1;
                break;
            }
            walked.push_back(up);
        }
        for (size_t i = keep; i < chain.size(); ++i)
            chainIndex.erase(chain[i].pad);
        chain.resize(keep);
        path.resize(keep != 0 ? chain.back().end : 0);
        for (auto it = walked.rbegin(); it != walked.rend(); ++it) {
            if (path.size() < limit) {
                const char* name = (*it)->get_own_name();
                path.append(name != nullptr ? name : "").push_back('\\');
                path.resize(std::min(path.size(), limit));
            }
            chainIndex.emplace(*it, chain.size());
            chain.push_back({*it, path.size()});
        }
        std::string cell;
        cell.reserve(std::min(path.size() + row->label.size(), limit));
        cell.append(path).append(row->label.View());
        cell.resize(std::min(cell.size(), limit));
        cells.push_back(std::move(cell));
    }
    return cells;
}

int RowImage(const InspectorRow& row) {
    int image = 0;
    if (HasChildren(row))
        image = row.children.head->shown ? 1 : 2;
    return row.desktopSelected ? image + 3 : image;
}
