#include "ListDescription.h"

#include "platform/CommCtrl.h"

namespace {

std::string ItemText(HWND list, int index, int subItem) {
    char buffer[2048] = "";
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return buffer;
}

} // namespace

std::vector<std::string> DescribeList(HWND list) {
    std::vector<std::string> lines;
    std::string header = "#";
    int columns = 0;
    for (;; ++columns) {
        char text[256] = "";
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        if (!SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(columns),
                          reinterpret_cast<LPARAM>(&column)))
            break;
        header += std::string("\t") + text;
    }
    lines.push_back(header);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // The states travel in a whole item, cleared first: an owner-data list reports only
        // those it or its parent holds.
        LVITEMA stateItem{};
        stateItem.mask = LVIF_STATE;
        stateItem.iItem = i;
        stateItem.state = 0;
        stateItem.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&stateItem));
        UINT state = stateItem.state & stateItem.stateMask;
        std::string letters;
        if (state & LVIS_SELECTED)
            letters += 'S';
        if (state & LVIS_FOCUSED)
            letters += 'F';
        if (state & LVIS_DROPHILITED)
            letters += 'D';
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::string line = std::to_string(i) + "\t" + (letters.empty() ? "-" : letters) + "\t" +
                           std::to_string(item.iImage);
        for (int c = 0; c < std::max(columns, 1); ++c)
            line += "\t" + ItemText(list, i, c);
        lines.push_back(line);
    }
    return lines;
}
