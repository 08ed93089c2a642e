#include "MvPadList.h"

#include <algorithm>

MvSimplePad* MvPadList::at(int index) const {
    if (index < 0 || index >= length())
        return nullptr;
    return pads_[static_cast<size_t>(index)];
}

void MvPadList::remove(MvSimplePad* pad) {
    auto it = std::find(pads_.begin(), pads_.end(), pad);
    if (it != pads_.end())
        pads_.erase(it);
}

void MvPadList::insert(int index, MvSimplePad* pad) {
    index = std::clamp(index, 0, length());
    pads_.insert(pads_.begin() + index, pad);
}

int MvPadList::indexOf(const MvSimplePad* pad) const {
    auto it = std::find(pads_.begin(), pads_.end(), pad);
    return it == pads_.end() ? -1 : static_cast<int>(it - pads_.begin());
}
