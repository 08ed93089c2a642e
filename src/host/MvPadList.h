#pragma once

#include <deque>

class MvSimplePad;

// An ordered list of pad references. Owns nothing: the pads belong to the framework.
class MvPadList {
public:
    int length() const { return static_cast<int>(pads_.size()); }
    // Null for an index out of range.
    MvSimplePad* at(int index) const;
    void append(MvSimplePad* pad) { pads_.push_back(pad); }
    // Removes the first occurrence; nothing when the pad is not listed.
    void remove(MvSimplePad* pad);
    void clear() { pads_.clear(); }
    void insert(int index, MvSimplePad* pad);
    int indexOf(const MvSimplePad* pad) const;

private:
    // Lists of selected pads lose their oldest member first; a deque does that at once.
    std::deque<MvSimplePad*> pads_;
};
