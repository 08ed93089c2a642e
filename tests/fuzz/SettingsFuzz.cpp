// Any stored value as the Inspector's column settings: reading gives a valid column set,
// and writing that set reads back as the same set.

#include "frame/ColumnSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    ColumnSet set = ParseColumnSettings(text);
    if (set.columnCount < 1 || set.columnCount > kMaxColumns || set.columnIds[0] != 0)
        std::abort();
    for (int i = 1; i < set.columnCount; ++i) {
        if (set.columnIds[i] < 1 || set.columnIds[i] > kMaxStoredColumnId)
            std::abort();
    }
    std::string stored = FormatColumnSettings(set.columnCount, set.columnIds, set.columnWidths);
    ColumnSet again = ParseColumnSettings(stored);
    if (again.columnCount != set.columnCount)
        std::abort();
    for (int i = 0; i < set.columnCount; ++i) {
        if (again.columnIds[i] != set.columnIds[i] || again.columnWidths[i] != set.columnWidths[i])
            std::abort();
    }
    return 0;
}
