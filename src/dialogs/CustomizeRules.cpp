#include "CustomizeRules.h"

#include "host/MvHostServices.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kResetColumns = 5;

bool Displayed(const CustomizeLists& lists, const std::string& text) {
    return std::find(lists.displayed.begin(), lists.displayed.end(), text) != lists.displayed.end();
}

// Compares as the list box does: letters without regard to case, the second byte of a
// double-byte character as it stands.
bool StartsWithNoCase(const std::string& item, const std::string& text) {
    if (text.size() > item.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (MwIsMbyteLead(item.c_str() + i) && i + 1 < text.size()) {
            if (item[i] != text[i] || item[i + 1] != text[i + 1])
                return false;
            ++i;
            continue;
        }
        auto a = static_cast<unsigned char>(item[i]);
        auto b = static_cast<unsigned char>(text[i]);
        if (a != b && (a >= 0x80 || b >= 0x80 || std::tolower(a) != std::tolower(b)))
            return false;
    }
    return true;
}

void Move(CustomizeLists& lists, int from, int to) {
    std::swap(lists.displayed[static_cast<size_t>(from)], lists.displayed[static_cast<size_t>(to)]);
    lists.displayedSelection = to;
}

void ShowFirst(CustomizeLists& lists, int count) {
    lists.displayed.assign(lists.items.begin(),
                           lists.items.begin() + std::min<size_t>(count, lists.items.size()));
    lists.displayedSelection = -1;
}

} // namespace

void InitCustomizeLists(CustomizeLists& lists, const ColumnSet& set, const ColumnHeader& header) {
    lists.itemSelection = -1;
    lists.displayedSelection = -1;
    lists.displayed.clear();
    std::string text;
    if (lists.items.empty()) {
        for (int id = 0; id < kMaxColumns; ++id) {
            if (!header(id, text))
                return;
            lists.items.push_back(text);
        }
    }
    for (int i = 0; i < set.columnCount && i < kMaxColumns; ++i) {
        if (!header(set.columnIds[i], text))
            return;
        lists.displayed.push_back(text);
    }
}

void PressCustomizeButton(CustomizeLists& lists, CustomizeButton button) {
    int s = lists.itemSelection;
    int d = lists.displayedSelection;
    int last = static_cast<int>(lists.displayed.size()) - 1;
    switch (button) {
    case CustomizeButton::Add:
        if (s > 0 && s < static_cast<int>(lists.items.size()) &&
            !Displayed(lists, lists.items[static_cast<size_t>(s)]))
            lists.displayed.push_back(lists.items[static_cast<size_t>(s)]);
        break;
    case CustomizeButton::Delete:
        if (d > 0 && d <= last) {
            lists.displayed.erase(lists.displayed.begin() + d);
            lists.displayedSelection = -1;
        }
        break;
    case CustomizeButton::Up:
        if (d >= 2 && d <= last)
            Move(lists, d, d - 1);
        break;
    case CustomizeButton::Down:
        if (d > 0 && d < last)
            Move(lists, d, d + 1);
        break;
    case CustomizeButton::Clear:
        ShowFirst(lists, 1);
        break;
    case CustomizeButton::Reset:
        ShowFirst(lists, kResetColumns);
        break;
    }
}

CustomizeButtons CustomizeButtonStates(const CustomizeLists& lists) {
    int s = lists.itemSelection;
    int d = lists.displayedSelection;
    int last = static_cast<int>(lists.displayed.size()) - 1;
    CustomizeButtons buttons;
    buttons.add = s >= 0 && s < static_cast<int>(lists.items.size()) &&
                  !Displayed(lists, lists.items[static_cast<size_t>(s)]);
    buttons.remove = d > 0 && d <= last;
    buttons.up = d >= 2 && d <= last;
    buttons.down = d > 0 && d < last;
    return buttons;
}

int FindCustomizeItem(const std::vector<std::string>& items, const std::string& text) {
    int count = static_cast<int>(items.size());
    for (int step = 1; step <= count; ++step) {
        int i = step % count;
        if (StartsWithNoCase(items[static_cast<size_t>(i)], text))
            return i;
    }
    return -1;
}

bool ApplyDisplayedColumns(const CustomizeLists& lists, const int currentWidths[], int first,
                           ColumnSet& set) {
    if (lists.displayed.empty())
        return false;
    int widthOf[kMaxColumns];
    std::fill(std::begin(widthOf), std::end(widthOf), -1);
    // A stored set may hold identifier 10, which has no column of its own and no width here.
    for (int i = 0; i < set.columnCount && i < kMaxColumns; ++i) {
        if (set.columnIds[i] >= 0 && set.columnIds[i] < kMaxColumns)
            widthOf[set.columnIds[i]] = currentWidths[i];
    }
    int count = first;
    for (size_t i = static_cast<size_t>(first); i < lists.displayed.size() && count < kMaxColumns;
         ++i) {
        int id = FindCustomizeItem(lists.items, lists.displayed[i]);
        if (id < 0 || id >= kMaxColumns)
            continue;
        set.columnIds[count] = id;
        set.columnWidths[count] = widthOf[id];
        ++count;
    }
    set.columnCount = count;
    return true;
}
