#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

class MvSimplePad;

// An ordered list of pad references. Owns nothing: the pads belong to the framework.
class MvPadList {
public:
    int length() const { return static_cast<int>(pads_.size() - first_); }
    // Null for an index out of range.
    MvSimplePad* at(int index) const;
    void append(MvSimplePad* pad) {
        pads_.push_back(pad);
        Count(pad, 1);
    }
    // Removes the first occurrence; nothing when the pad is not listed.
    void remove(MvSimplePad* pad);
    // Removes every pad that `drop` is true for, in one pass.
    template <typename Drop> void removeWhere(Drop drop) {
        auto dropCounted = [this, &drop](MvSimplePad* pad) {
            if (!drop(pad))
                return false;
            Count(pad, -1);
            return true;
        };
        pads_.erase(std::remove_if(pads_.begin() + static_cast<std::ptrdiff_t>(first_), pads_.end(),
                                   dropCounted),
                    pads_.end());
        if (first_ == pads_.size())
            clear();
    }
    void clear();
    void insert(int index, MvSimplePad* pad);
    int indexOf(const MvSimplePad* pad) const;

private:
    using Counts = std::unordered_map<const MvSimplePad*, int>;
    // A list this long keeps its counts once removals have looked through it several times
    // over: building them costs one pass, and most removals find their pad near an end.
    static constexpr size_t kCountedLength = 64;

    // How often each pad is listed, in a long list that removals look into: a pad that is not
    // listed is known at once, and one listed once is looked for from both ends, so that
    // withdrawing many pads, listed or not, does not cost a pass over the list each. Until
    // then, the places that long searches have looked at since the list was last emptied.
    struct Lookup {
        size_t searched = 0;
        bool counting = false;
        Counts counts;
    };

    void Count(const MvSimplePad* pad, int delta);
    // The counts, when the list keeps them.
    Counts* Counted();

    // Lists of selected pads lose their oldest member first: it is dropped by moving
    // `first_`, and the dropped slots are reclaimed once they are half the vector. An empty
    // list holds no memory, which matters with two lists in every pad.
    std::vector<MvSimplePad*> pads_;
    size_t first_ = 0;
    // Only for lists that a removal had to search far into.
    std::unique_ptr<Lookup> lookup_;
};
