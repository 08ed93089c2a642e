#pragma once

#include <cstdint>
#include <vector>

namespace native {

// A set of indexes in [0, Size()): one bit each, and a summary bit for each word of 64 that
// holds a member. Finding the next member and emptying the set cost about the members, not
// the size, so a list of many items with few selected stays quick.
class IndexSet {
public:
    int Size() const { return size_; }
    int Count() const { return count_; }
    // Members at or past `size` leave.
    void Resize(int size);
    bool Test(int index) const;
    void Set(int index, bool member);
    // Every index becomes a member.
    void Fill();
    void Clear();
    // The first member at or after `from`, the last one at or before it; -1 when none.
    int Next(int from) const;
    int Prev(int from) const;

private:
    std::vector<std::uint64_t> words_;
    std::vector<std::uint64_t> summary_;
    int size_ = 0;
    int count_ = 0;
};

} // namespace native
