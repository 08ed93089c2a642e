#include "platform/native/ItemList.h"

#include "platform/native/ControlSupport.h"

#include <algorithm>

namespace native {

namespace {

// Folds ASCII letters to lower case, leaving the trail bytes of double-byte characters alone.
std::string Folded(const std::string& text) {
    std::string folded = text;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        auto byte = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(byte) && i + 1 < folded.size()) {
            ++i;
        } else if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte - 'A' + 'a');
        }
    }
    return folded;
}

} // namespace

int ItemList::Add(const std::string& text, bool sorted) {
    auto at = items_.end();
    if (sorted) {
        std::string key = Folded(text);
        at = std::find_if(items_.begin(), items_.end(),
                          [&](const Item& item) { return Folded(item.text) > key; });
    }
    return Insert(static_cast<int>(at - items_.begin()), text);
}

int ItemList::Insert(int index, const std::string& text) {
    if (index < -1 || index > Count()) {
        return -1;
    }
    if (index == -1) {
        index = Count();
    }
    items_.insert(items_.begin() + index, Item{text, 0});
    if (selection_ >= index) {
        ++selection_;
    }
    return index;
}

int ItemList::Delete(int index) {
    if (!Valid(index)) {
        return -1;
    }
    items_.erase(items_.begin() + index);
    if (selection_ == index) {
        selection_ = -1;
    } else if (selection_ > index) {
        --selection_;
    }
    top_ = std::clamp(top_, 0, std::max(Count() - 1, 0));
    return Count();
}

void ItemList::Clear() {
    items_.clear();
    selection_ = -1;
    top_ = 0;
}

int ItemList::Find(int start, const std::string& text, bool exact) const {
    if (items_.empty()) {
        return -1;
    }
    std::string key = Folded(text);
    int first = Valid(start) ? start + 1 : 0;
    for (int step = 0; step < Count(); ++step) {
        int index = (first + step) % Count();
        std::string folded = Folded(items_[index].text);
        if (exact ? folded == key : folded.compare(0, key.size(), key) == 0) {
            return index;
        }
    }
    return -1;
}

bool ItemList::Select(int index) {
    selection_ = Valid(index) ? index : -1;
    return Valid(index);
}

void ItemList::SetTop(int index) {
    top_ = std::clamp(index, 0, std::max(Count() - 1, 0));
}

void ItemList::EnsureVisible(int index, int rows) {
    if (!Valid(index)) {
        return;
    }
    rows = std::max(rows, 1);
    if (index < top_) {
        top_ = index;
    } else if (index >= top_ + rows) {
        top_ = index - rows + 1;
    }
}

} // namespace native
