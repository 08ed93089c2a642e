#include "MvPadList.h"

#include <algorithm>

MvSimplePad* MvPadList::at(int index) const {
    if (index < 0 || index >= length())
        return nullptr;
    return pads_[first_ + static_cast<size_t>(index)];
}

namespace {

// The only occurrence of `pad` in [begin, end), looked for from both ends at once; `end`
// when there is none.
template <typename It> It FindOnly(It begin, It end, const MvSimplePad* pad) {
    for (It front = begin, back = end; front != back;) {
        if (*front == pad)
            return front;
        if (++front == back)
            break;
        if (*--back == pad)
            return back;
    }
    return end;
}

} // namespace

void MvPadList::Count(const MvSimplePad* pad, int delta) {
    if (!lookup_ || !lookup_->counting)
        return;
    auto it = lookup_->counts.try_emplace(pad, 0).first;
    if ((it->second += delta) <= 0)
        lookup_->counts.erase(it);
}

MvPadList::Counts* MvPadList::Counted() {
    if (!lookup_)
        return nullptr;
    size_t length = static_cast<size_t>(this->length());
    if (!lookup_->counting && length >= kCountedLength && lookup_->searched >= 4 * length) {
        for (size_t i = first_; i < pads_.size(); ++i)
            ++lookup_->counts[pads_[i]];
        lookup_->counting = true;
    } else if (lookup_->counting && length < kCountedLength / 2) {
        lookup_.reset();
        return nullptr;
    }
    return lookup_->counting ? &lookup_->counts : nullptr;
}

void MvPadList::remove(MvSimplePad* pad) {
    auto begin = pads_.begin() + static_cast<std::ptrdiff_t>(first_);
    auto it = pads_.end();
    if (Counts* counts = Counted()) {
        auto count = counts->find(pad);
        if (count == counts->end())
            return;
        it = count->second == 1 ? FindOnly(begin, pads_.end(), pad)
                                : std::find(begin, pads_.end(), pad);
        if (--count->second == 0)
            counts->erase(count);
    } else {
        it = std::find(begin, pads_.end(), pad);
        if (size_t searched = static_cast<size_t>(it - begin); searched >= kCountedLength) {
            if (!lookup_)
                lookup_ = std::make_unique<Lookup>();
            lookup_->searched += searched;
        }
    }
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
    lookup_.reset();
}

void MvPadList::insert(int index, MvSimplePad* pad) {
    index = std::clamp(index, 0, length());
    pads_.insert(pads_.begin() + static_cast<std::ptrdiff_t>(first_ + static_cast<size_t>(index)),
                 pad);
    Count(pad, 1);
}

int MvPadList::indexOf(const MvSimplePad* pad) const {
    auto begin = pads_.begin() + static_cast<std::ptrdiff_t>(first_);
    auto it = pads_.end();
    if (!lookup_ || !lookup_->counting) {
        it = std::find(begin, pads_.end(), pad);
    } else if (auto count = lookup_->counts.find(pad); count != lookup_->counts.end()) {
        it = count->second == 1 ? FindOnly(begin, pads_.end(), pad)
                                : std::find(begin, pads_.end(), pad);
    }
    return it == pads_.end() ? -1 : static_cast<int>(it - begin);
}
