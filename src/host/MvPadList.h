#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

class MvSimplePad;

// An ordered list of pad references. Owns nothing: the pads belong to the framework.
class MvPadList {
public:
    MvPadList() = default;
    MvPadList(MvPadList&& other) noexcept { Take(other); }
    MvPadList& operator=(MvPadList&& other) noexcept;
    ~MvPadList() { Release(); }

    int length() const { return static_cast<int>(size_ - first_); }
    // Null for an index out of range.
    MvSimplePad* at(int index) const {
        return index < 0 || index >= length() ? nullptr
                                              : Data()[first_ + static_cast<uint32_t>(index)];
    }
    void append(MvSimplePad* pad) {
        if (size_ == capacity_)
            Grow();
        Data()[size_++] = pad;
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
        MvSimplePad** data = Data();
        size_ =
            static_cast<uint32_t>(std::remove_if(data + first_, data + size_, dropCounted) - data);
        if (first_ == size_)
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
    // Most lists are short (a model's dependents are usually its one pad, most pads have a
    // child or two): these pads lie in the list itself, so reading them reads no other block.
    static constexpr uint32_t kInline = 2;

    // How often each pad is listed, in a long list that removals look into: a pad that is not
    // listed is known at once, and one listed once is looked for from both ends, so that
    // withdrawing many pads, listed or not, does not cost a pass over the list each. Until
    // then, the places that long searches have looked at since the list was last emptied.
    struct Lookup {
        size_t searched = 0;
        bool counting = false;
        Counts counts;
    };

    MvSimplePad** Data() { return capacity_ > kInline ? heap_ : inline_; }
    MvSimplePad* const* Data() const { return capacity_ > kInline ? heap_ : inline_; }
    // Doubles the room, the listed pads moved to its front.
    void Grow();
    void Take(MvPadList& other) noexcept;
    void Release() noexcept;
    void Count(const MvSimplePad* pad, int delta);
    // The counts, when the list keeps them.
    Counts* Counted();

    // Lists of selected pads lose their oldest member first: it is dropped by moving
    // `first_`, and the dropped places are reclaimed once they are half the list. An empty
    // list holds no memory, which matters with two lists in every pad. The pads are
    // [first_, size_) of Data(); `heap_` is owned once the list outgrew its own places.
    union {
        MvSimplePad* inline_[kInline] = {};
        MvSimplePad** heap_;
    };
    uint32_t size_ = 0;
    uint32_t first_ = 0;
    uint32_t capacity_ = kInline;
    // Only for lists that a removal had to search far into.
    std::unique_ptr<Lookup> lookup_;
};
