#include "platform/native/IndexSet.h"

#include <bit>
#include <cstddef>

namespace native {

namespace {

constexpr int kBits = 64;

std::uint64_t Bit(int index) {
    return std::uint64_t{1} << (index % kBits);
}

// Bits from `index % 64` upwards, and up to it.
std::uint64_t From(int index) {
    return ~std::uint64_t{0} << (index % kBits);
}
std::uint64_t UpTo(int index) {
    return ~std::uint64_t{0} >> (kBits - 1 - index % kBits);
}

} // namespace

void IndexSet::Resize(int size) {
    size = size < 0 ? 0 : size;
    // Emptied, the set drops its members a word at a time.
    if (size == 0)
        Clear();
    for (int member = Next(size); member != -1; member = Next(member + 1))
        Set(member, false);
    size_ = size;
    words_.resize(static_cast<std::size_t>((size + kBits - 1) / kBits), 0);
    summary_.resize((words_.size() + kBits - 1) / kBits, 0);
}

bool IndexSet::Test(int index) const {
    return index >= 0 && index < size_ &&
           (words_[static_cast<std::size_t>(index / kBits)] & Bit(index));
}

void IndexSet::Set(int index, bool member) {
    if (index < 0 || index >= size_ || Test(index) == member)
        return;
    int w = index / kBits;
    std::uint64_t& word = words_[static_cast<std::size_t>(w)];
    word ^= Bit(index);
    count_ += member ? 1 : -1;
    std::uint64_t& summary = summary_[static_cast<std::size_t>(w / kBits)];
    summary = word != 0 ? summary | Bit(w) : summary & ~Bit(w);
}

void IndexSet::Fill() {
    for (std::size_t w = 0; w < words_.size(); ++w)
        words_[w] = ~std::uint64_t{0};
    if (size_ % kBits != 0)
        words_.back() = UpTo(size_ - 1);
    for (std::size_t s = 0; s < summary_.size(); ++s)
        summary_[s] = ~std::uint64_t{0};
    if (words_.size() % kBits != 0)
        summary_.back() = UpTo(static_cast<int>(words_.size()) - 1);
    count_ = size_;
}

void IndexSet::Clear() {
    for (std::size_t s = 0; s < summary_.size(); ++s) {
        for (std::uint64_t bits = summary_[s]; bits != 0; bits &= bits - 1)
            words_[s * kBits + static_cast<std::size_t>(std::countr_zero(bits))] = 0;
        summary_[s] = 0;
    }
    count_ = 0;
}

int IndexSet::Next(int from) const {
    if (from < 0)
        from = 0;
    if (from >= size_ || count_ == 0)
        return -1;
    int w = from / kBits;
    if (std::uint64_t bits = words_[static_cast<std::size_t>(w)] & From(from))
        return w * kBits + std::countr_zero(bits);
    for (int s = (w + 1) / kBits, first = w + 1; s < static_cast<int>(summary_.size());
         ++s, first = s * kBits) {
        if (std::uint64_t bits = summary_[static_cast<std::size_t>(s)] & From(first)) {
            int word = s * kBits + std::countr_zero(bits);
            return word * kBits + std::countr_zero(words_[static_cast<std::size_t>(word)]);
        }
    }
    return -1;
}

int IndexSet::Prev(int from) const {
    if (from >= size_)
        from = size_ - 1;
    if (from < 0 || count_ == 0)
        return -1;
    int w = from / kBits;
    if (std::uint64_t bits = words_[static_cast<std::size_t>(w)] & UpTo(from))
        return w * kBits + kBits - 1 - std::countl_zero(bits);
    for (int last = w - 1; last >= 0; last = (last / kBits) * kBits - 1) {
        if (std::uint64_t bits = summary_[static_cast<std::size_t>(last / kBits)] & UpTo(last)) {
            int word = (last / kBits) * kBits + kBits - 1 - std::countl_zero(bits);
            return word * kBits + kBits - 1 -
                   std::countl_zero(words_[static_cast<std::size_t>(word)]);
        }
    }
    return -1;
}

} // namespace native
