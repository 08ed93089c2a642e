#include "RowDump.h"

#include "InspectorRow.h"

namespace {

void DescribeOne(const InspectorRow& row, std::string& out) {
    const int fields[] = {row.x,    row.y,    row.width,     row.height,
                          row.relX, row.relY, row.connected, row.groupDepth};
    out += std::to_string(row.depth) + "\t";
    out += row.label.View();
    for (int value : fields)
        out += "\t" + std::to_string(value);
    out += "\t" + std::to_string(row.padId) + "\t" + std::to_string(row.shown) + "\t" +
           std::to_string(row.gone) + "\n";
}

} // namespace

std::string DescribeRows(const InspectorRow* root, int* count) {
    std::string out;
    int rows = 0;
    for (const InspectorRow* row = root; row != nullptr; row = NextInSubtree(row, root)) {
        DescribeOne(*row, out);
        ++rows;
    }
    if (count != nullptr)
        *count = rows;
    return out;
}

std::string DescribeRowList(const RowList* rows, int* count) {
    std::string out;
    int described = 0;
    for (const InspectorRow* row = rows ? rows->head : nullptr; row != nullptr; row = row->next) {
        DescribeOne(*row, out);
        ++described;
    }
    if (count != nullptr)
        *count = described;
    return out;
}
