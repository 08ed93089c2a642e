#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

class MvSimplePad;

// An ordered list of pad references. Owns nothing: the pads belong to the framework.
class MvPadList {
public:
    int length() const { return static_cast<int>(pads_.size() - first_); }
    // Null for an index out of range.
    MvSimplePad* at(int index) const;
    void append(MvSimplePad* pad) { pads_.push_back(pad); }
    // Removes the first occurrence; nothing when the pad is not listed.
    void remove(MvSimplePad* pad);
    // Removes every pad that `drop` is true for, in one pass.
    template <typename Drop> void removeWhere(Drop drop) {
        pads_.erase(
            std::remove_if(pads_.begin() + static_cast<std::ptrdiff_t>(first_), pads_.end(), drop),
            pads_.end());
        if (first_ == pads_.size())
            clear();
    }
    void clear();
    void insert(int index, MvSimplePad* pad);
    int indexOf(const MvSimplePad* pad) const;

private:
    // Lists of selected pads lose their oldest member first: it is dropped by moving
    // `first_`, and the dropped slots are reclaimed once they are half the vector. An empty
    // list holds no memory, which matters with two lists in every pad.
    std::vector<MvSimplePad*> pads_;
    size_t first_ = 0;
};
