#include "MvPadList.h"

#include <algorithm>

#include <limits>
#include <new>

MvPadList& MvPadList::operator=(MvPadList&& other) noexcept {
    if (this != &other) {
        Release();
        Take(other);
    }
    return *this;
}

void MvPadList::Take(MvPadList& other) noexcept {
    if (other.capacity_ > kInline)
        heap_ = other.heap_;
    else
        std::copy(other.inline_, other.inline_ + kInline, inline_);
    size_ = other.size_;
    first_ = other.first_;
    capacity_ = other.capacity_;
    lookup_ = std::move(other.lookup_);
    other.capacity_ = kInline;
    other.size_ = other.first_ = 0;
}

void MvPadList::Release() noexcept {
    if (capacity_ > kInline)
        delete[] heap_;
    capacity_ = kInline;
    size_ = first_ = 0;
}

void MvPadList::Grow() {
    if (capacity_ > std::numeric_limits<uint32_t>::max() / 2)
        throw std::bad_alloc();
    uint32_t capacity = capacity_ * 2;
    auto* grown = new MvSimplePad*[capacity];
    MvSimplePad** data = Data();
    std::copy(data + first_, data + size_, grown);
    if (capacity_ > kInline)
        delete[] heap_;
    heap_ = grown;
    capacity_ = capacity;
    size_ -= first_;
    first_ = 0;
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
        MvSimplePad** data = Data();
        for (uint32_t i = first_; i < size_; ++i)
            ++lookup_->counts[data[i]];
        lookup_->counting = true;
    } else if (lookup_->counting && length < kCountedLength / 2) {
        lookup_.reset();
        return nullptr;
    }
    return lookup_->counting ? &lookup_->counts : nullptr;
}

void MvPadList::remove(MvSimplePad* pad) {
    MvSimplePad** data = Data();
    MvSimplePad** begin = data + first_;
    MvSimplePad** end = data + size_;
    MvSimplePad** it = end;
    if (Counts* counts = Counted()) {
        auto count = counts->find(pad);
        if (count == counts->end())
            return;
        it = count->second == 1 ? FindOnly(begin, end, pad) : std::find(begin, end, pad);
        if (--count->second == 0)
            counts->erase(count);
    } else {
        it = std::find(begin, end, pad);
        if (size_t searched = static_cast<size_t>(it - begin); searched >= kCountedLength) {
            if (!lookup_)
                lookup_ = std::make_unique<Lookup>();
            lookup_->searched += searched;
        }
    }
    if (it == end)
        return;
    // The shorter side moves: a pad near the front (the oldest selected) takes the ones
    // before it one place on, and the front is dropped as below.
    if (it - begin > end - it) {
        std::move(it + 1, end, it);
        --size_;
        return;
    }
    std::move_backward(begin, it, it + 1);
    if (++first_ == size_) {
        clear();
    } else if (first_ >= 16 && first_ * 2 >= size_) {
        std::move(data + first_, end, data);
        size_ -= first_;
        first_ = 0;
    }
}

void MvPadList::clear() {
    size_ = first_ = 0;
    lookup_.reset();
}

void MvPadList::insert(int index, MvSimplePad* pad) {
    index = std::clamp(index, 0, length());
    if (size_ == capacity_)
        Grow();
    MvSimplePad** data = Data();
    MvSimplePad** at = data + first_ + static_cast<uint32_t>(index);
    std::move_backward(at, data + size_, data + size_ + 1);
    *at = pad;
    ++size_;
    Count(pad, 1);
}

int MvPadList::indexOf(const MvSimplePad* pad) const {
    MvSimplePad* const* begin = Data() + first_;
    MvSimplePad* const* end = Data() + size_;
    MvSimplePad* const* it = end;
    if (!lookup_ || !lookup_->counting) {
        it = std::find(begin, end, pad);
    } else if (auto count = lookup_->counts.find(pad); count != lookup_->counts.end()) {
        it = count->second == 1 ? FindOnly(begin, end, pad) : std::find(begin, end, pad);
    }
    return it == end ? -1 : static_cast<int>(it - begin);
}
