#include "MwViewList.h"

#include <algorithm>

MwView* MwViewList::BeforeView() {
    if (cursor_ <= 0)
        return nullptr;
    --cursor_;
    return At(cursor_);
}

void MwViewList::Remove(MwView* view) {
    auto it = std::find(views_.begin(), views_.end(), view);
    if (it != views_.end())
        views_.erase(it);
}

MwView* MwViewList::At(int index) const {
    if (index < 0 || index >= Length())
        return nullptr;
    return views_[static_cast<size_t>(index)];
}
