#pragma once

#include "platform/CommCtrl.h"

#include <string>
#include <vector>

namespace native {

// The columns of a list view's report view, left to right, and the font metric their
// texts are measured by.
class ListViewColumns {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kWideCharWidth = 12;

    // Index of the new column, -1 when refused; an index past the end appends.
    int Insert(int index, const LVCOLUMNA& column);
    bool Delete(int index);
    bool Get(int index, LVCOLUMNA& column) const;
    bool Set(int index, const LVCOLUMNA& column);
    int Count() const { return static_cast<int>(columns_.size()); }
    // 0 for no such column.
    int Width(int index) const;
    bool SetWidth(int index, int width);
    std::string Heading(int index) const;
    // The x of the column's left edge when nothing is scrolled.
    int Left(int index) const;
    int TotalWidth() const { return Left(Count()); }

    // Width of a text, by the active code page.
    static int StringWidth(const char* text);

private:
    struct Column {
        int fmt = LVCFMT_LEFT;
        int width = 0;
        std::string text;
        int subItem = 0;
        int image = 0;
    };

    // The first column shows the items' labels, which are never aligned otherwise.
    void AlignFirst();

    std::vector<Column> columns_;
};

} // namespace native
