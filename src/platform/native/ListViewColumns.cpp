#include "platform/native/ListViewColumns.h"

#include "platform/NativeBackend.h"

#include <algorithm>
#include <cstring>

namespace native {

namespace {

bool IsLeadByte(unsigned char c) {
    return ActiveCodePage() == 932 && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
}

std::string TextOf(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

int ListViewColumns::Insert(int index, const LVCOLUMNA& column) {
    if (index < 0) {
        return -1;
    }
    index = std::min(index, Count());
    Column added;
    added.fmt = (column.mask & LVCF_FMT) != 0 ? column.fmt : LVCFMT_LEFT;
    added.width = (column.mask & LVCF_WIDTH) != 0 ? std::max(column.cx, 0) : 0;
    added.text = (column.mask & LVCF_TEXT) != 0 ? TextOf(column.pszText) : std::string();
    added.subItem = (column.mask & LVCF_SUBITEM) != 0 ? column.iSubItem : index;
    added.image = (column.mask & LVCF_IMAGE) != 0 ? column.iImage : 0;
    columns_.insert(columns_.begin() + index, added);
    AlignFirst();
    return index;
}

bool ListViewColumns::Delete(int index) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    columns_.erase(columns_.begin() + index);
    AlignFirst();
    return true;
}

bool ListViewColumns::Get(int index, LVCOLUMNA& column) const {
    if (index < 0 || index >= Count()) {
        return false;
    }
    const Column& found = columns_[static_cast<std::size_t>(index)];
    if ((column.mask & LVCF_FMT) != 0) {
        column.fmt = found.fmt;
    }
    if ((column.mask & LVCF_WIDTH) != 0) {
        column.cx = found.width;
    }
    if ((column.mask & LVCF_TEXT) != 0 && column.pszText != nullptr && column.cchTextMax > 0) {
        std::size_t length =
            std::min(found.text.size(), static_cast<std::size_t>(column.cchTextMax - 1));
        std::memcpy(column.pszText, found.text.data(), length);
        column.pszText[length] = '\0';
    }
    if ((column.mask & LVCF_SUBITEM) != 0) {
        column.iSubItem = found.subItem;
    }
    if ((column.mask & LVCF_IMAGE) != 0) {
        column.iImage = found.image;
    }
    if ((column.mask & LVCF_ORDER) != 0) {
        column.iOrder = index;
    }
    return true;
}

bool ListViewColumns::Set(int index, const LVCOLUMNA& column) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    Column& found = columns_[static_cast<std::size_t>(index)];
    if ((column.mask & LVCF_FMT) != 0) {
        found.fmt = column.fmt;
    }
    if ((column.mask & LVCF_WIDTH) != 0) {
        found.width = std::max(column.cx, 0);
    }
    if ((column.mask & LVCF_TEXT) != 0) {
        found.text = TextOf(column.pszText);
    }
    if ((column.mask & LVCF_SUBITEM) != 0) {
        found.subItem = column.iSubItem;
    }
    if ((column.mask & LVCF_IMAGE) != 0) {
        found.image = column.iImage;
    }
    AlignFirst();
    return true;
}

int ListViewColumns::Width(int index) const {
    if (index < 0 || index >= Count()) {
        return 0;
    }
    return columns_[static_cast<std::size_t>(index)].width;
}

bool ListViewColumns::SetWidth(int index, int width) {
    if (index < 0 || index >= Count() || width < 0) {
        return false;
    }
    columns_[static_cast<std::size_t>(index)].width = width;
    return true;
}

std::string ListViewColumns::Heading(int index) const {
    if (index < 0 || index >= Count()) {
        return std::string();
    }
    return columns_[static_cast<std::size_t>(index)].text;
}

int ListViewColumns::Left(int index) const {
    int left = 0;
    for (int i = 0; i < index && i < Count(); ++i) {
        left += columns_[static_cast<std::size_t>(i)].width;
    }
    return left;
}

int ListViewColumns::StringWidth(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    int width = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            width += kWideCharWidth;
            ++p;
        } else {
            width += kCharWidth;
        }
    }
    return width;
}

void ListViewColumns::AlignFirst() {
    if (!columns_.empty()) {
        columns_.front().fmt &= ~LVCFMT_JUSTIFYMASK;
    }
}

} // namespace native
