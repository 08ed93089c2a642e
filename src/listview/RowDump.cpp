#include "RowDump.h"

#include "InspectorRow.h"

namespace {

void Describe(const InspectorRow* row, std::string& out, int& count) {
    const int fields[] = {row->x,    row->y,    row->width,     row->height,
                          row->relX, row->relY, row->connected, row->groupDepth};
    out += std::to_string(row->depth) + "\t" + row->label;
    for (int value : fields)
        out += "\t" + std::to_string(value);
    out += "\t" + std::to_string(row->padId) + "\t" + std::to_string(row->shown) + "\t" +
           std::to_string(row->gone) + "\n";
    ++count;
    if (row->children) {
        for (const InspectorRow* child = row->children->head; child; child = child->next)
            Describe(child, out, count);
    }
}

} // namespace

std::string DescribeRows(const InspectorRow* root, int* count) {
    std::string out;
    int rows = 0;
    if (root != nullptr)
        Describe(root, out, rows);
    if (count != nullptr)
        *count = rows;
    return out;
}

std::string DescribeRowList(const RowList* rows, int* count) {
    std::string out;
    int described = 0;
    for (const InspectorRow* row = rows ? rows->head : nullptr; row != nullptr; row = row->next)
        Describe(row, out, described);
    if (count != nullptr)
        *count = described;
    return out;
}
