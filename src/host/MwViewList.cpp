#include "MwViewList.h"

#include <algorithm>

MwView* MwViewList::BeforeView() {
    if (cursor_ <= 0)
        return nullptr;
    --cursor_;
    return At(cursor_);
}

// From the top: the views that go first are usually the topmost.
void MwViewList::Remove(MwView* view) {
    auto it = std::find(views_.rbegin(), views_.rend(), view);
    if (it != views_.rend())
        views_.erase(std::next(it).base());
}

MwView* MwViewList::At(int index) const {
    if (index < 0 || index >= Length())
        return nullptr;
    return views_[static_cast<size_t>(index)];
}
