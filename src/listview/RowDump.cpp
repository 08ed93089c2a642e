#include "RowDump.h"

#include "InspectorRow.h"

#include <vector>

namespace {

void Describe(const InspectorRow* row, std::string& out) {
    const int fields[] = {row->x,    row->y,    row->width,     row->height,
                          row->relX, row->relY, row->connected, row->groupDepth};
    out += std::to_string(row->depth) + "\t" + row->label;
    for (int value : fields)
        out += "\t" + std::to_string(value);
    out += "\t" + std::to_string(row->padId) + "\t" + std::to_string(row->shown) + "\t" +
           std::to_string(row->gone) + "\n";
}

const InspectorRow* FirstChild(const InspectorRow* row) {
    return row->children ? row->children->head : nullptr;
}

} // namespace

std::string DescribeRows(const InspectorRow* root, int* count) {
    std::string out;
    int rows = 0;
    if (root != nullptr) {
        Describe(root, out);
        ++rows;
        // Per level, the row to describe next there: trees of any depth need no recursion.
        std::vector<const InspectorRow*> next{FirstChild(root)};
        while (!next.empty()) {
            const InspectorRow* row = next.back();
            if (row == nullptr) {
                next.pop_back();
                continue;
            }
            next.back() = row->next;
            Describe(row, out);
            ++rows;
            next.push_back(FirstChild(row));
        }
    }
    if (count != nullptr)
        *count = rows;
    return out;
}

std::string DescribeRowList(const RowList* rows, int* count) {
    std::string out;
    int described = 0;
    for (const InspectorRow* row = rows ? rows->head : nullptr; row != nullptr; row = row->next) {
        int subtree = 0;
        out += DescribeRows(row, &subtree);
        described += subtree;
    }
    if (count != nullptr)
        *count = described;
    return out;
}
