#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class MvSimplePad;

// A map from pads to small values, flat and open-addressed: a lookup touches one slot run
// of one array instead of a bucket and a node, and nothing is allocated per entry. The
// tables of a large Inspector are looked up for every row, so their cache misses count.
// A null pad is a valid key (the desktop row has none); it is kept beside the slots.
template <typename Value> class PadTable {
public:
    size_t Size() const { return size_ + (hasNull_ ? 1 : 0); }
    bool Empty() const { return Size() == 0; }

    Value* Find(const MvSimplePad* pad) {
        if (pad == nullptr)
            return hasNull_ ? &nullValue_ : nullptr;
        // An emptied table may keep its slots: nothing to look through.
        if (size_ == 0)
            return nullptr;
        for (size_t at = Home(pad);; at = Next(at)) {
            if (slots_[at].pad == pad)
                return &slots_[at].value;
            if (slots_[at].pad == nullptr)
                return nullptr;
        }
    }
    const Value* Find(const MvSimplePad* pad) const {
        return const_cast<PadTable*>(this)->Find(pad);
    }
    bool Contains(const MvSimplePad* pad) const { return Find(pad) != nullptr; }
    // Starts bringing the slot where `pad` is looked for into the cache, for a lookup soon.
    void Prefetch(const MvSimplePad* pad) const {
        if (!slots_.empty())
            __builtin_prefetch(&slots_[Home(pad)]);
    }

    // Adds `pad` unless it is there already; true when added. An entry present keeps its value.
    bool Insert(const MvSimplePad* pad, Value value) {
        if (pad == nullptr) {
            if (hasNull_)
                return false;
            hasNull_ = true;
            nullValue_ = std::move(value);
            return true;
        }
        if ((size_ + 1) * 2 > slots_.size())
            Grow((size_ + 1) * 2);
        size_t at = Home(pad);
        for (; slots_[at].pad != nullptr; at = Next(at)) {
            if (slots_[at].pad == pad)
                return false;
        }
        slots_[at] = Slot{pad, std::move(value)};
        ++size_;
        return true;
    }

    bool Erase(const MvSimplePad* pad) {
        if (pad == nullptr) {
            bool had = hasNull_;
            hasNull_ = false;
            return had;
        }
        if (slots_.empty())
            return false;
        size_t hole = Home(pad);
        for (; slots_[hole].pad != pad; hole = Next(hole)) {
            if (slots_[hole].pad == nullptr)
                return false;
        }
        // Entries after the hole move back into it when that keeps them reachable from home.
        for (size_t at = Next(hole); slots_[at].pad != nullptr; at = Next(at)) {
            size_t home = Home(slots_[at].pad);
            if (((at - home) & Mask()) >= ((at - hole) & Mask())) {
                slots_[hole] = std::move(slots_[at]);
                hole = at;
            }
        }
        slots_[hole] = Slot{};
        --size_;
        return true;
    }

    // Keeps the slots, so that a table refilled to its old size allocates nothing; a table
    // far larger than what it holds lets them go instead, so that a clear costs what it held.
    void Clear() {
        if (size_ != 0 && size_ * 8 < slots_.size())
            slots_ = std::vector<Slot>();
        else if (size_ != 0)
            std::fill(slots_.begin(), slots_.end(), Slot{});
        size_ = 0;
        hasNull_ = false;
    }

    void Reserve(size_t entries) {
        if (entries * 2 > slots_.size())
            Grow(entries * 2);
    }

    template <typename Visit> void ForEach(Visit visit) {
        if (hasNull_)
            visit(static_cast<const MvSimplePad*>(nullptr), nullValue_);
        for (Slot& slot : slots_) {
            if (slot.pad != nullptr)
                visit(slot.pad, slot.value);
        }
    }

private:
    struct Slot {
        const MvSimplePad* pad = nullptr;
        Value value{};
    };

    size_t Mask() const { return slots_.size() - 1; }
    size_t Next(size_t at) const { return (at + 1) & Mask(); }
    size_t Home(const MvSimplePad* pad) const {
        auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(pad));
        return static_cast<size_t>((bits * 0x9E3779B97F4A7C15ull) >> 32) & Mask();
    }

    void Grow(size_t atLeast) {
        size_t capacity = 16;
        while (capacity < atLeast)
            capacity *= 2;
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
        size_ = 0;
        for (Slot& slot : old) {
            if (slot.pad != nullptr)
                Insert(slot.pad, std::move(slot.value));
        }
    }

    std::vector<Slot> slots_;
    size_t size_ = 0;
    bool hasNull_ = false;
    Value nullValue_{};
};
