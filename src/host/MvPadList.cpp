#include "MvPadList.h"

#include <algorithm>

MvSimplePad* MvPadList::at(int index) const {
    if (index < 0 || index >= length())
        return nullptr;
    return pads_[first_ + static_cast<size_t>(index)];
}

void MvPadList::remove(MvSimplePad* pad) {
    auto begin = pads_.begin() + static_cast<std::ptrdiff_t>(first_);
    auto it = std::find(begin, pads_.end(), pad);
    if (it == pads_.end())
        return;
    // The shorter side moves: a pad near the front (the oldest selected) takes the ones
    // before it one place on, and the front is dropped as below.
    if (it - begin > pads_.end() - it) {
        pads_.erase(it);
        return;
    }
    std::move_backward(begin, it, it + 1);
    if (++first_ == pads_.size()) {
        clear();
    } else if (first_ >= 16 && first_ * 2 >= pads_.size()) {
        pads_.erase(pads_.begin(), pads_.begin() + static_cast<std::ptrdiff_t>(first_));
        first_ = 0;
    }
}

void MvPadList::clear() {
    pads_.clear();
    first_ = 0;
}

void MvPadList::insert(int index, MvSimplePad* pad) {
    index = std::clamp(index, 0, length());
    pads_.insert(pads_.begin() + static_cast<std::ptrdiff_t>(first_ + static_cast<size_t>(index)),
                 pad);
}

int MvPadList::indexOf(const MvSimplePad* pad) const {
    auto begin = pads_.begin() + static_cast<std::ptrdiff_t>(first_);
    auto it = std::find(begin, pads_.end(), pad);
    return it == pads_.end() ? -1 : static_cast<int>(it - begin);
}
