#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <vector>

namespace native {

// The items of a list box or a combo box's list, its selection and the first item shown.
// Searches and sorting ignore the case of ASCII letters, as the original platform's do.
class ItemList {
public:
    struct Item {
        std::string text;
        LPARAM data = 0;
    };

    // The new item's index, in order when `sorted`.
    int Add(const std::string& text, bool sorted);
    // Before `index`, or at the end for -1; -1 when the index is past the end.
    int Insert(int index, const std::string& text);
    // The number of items left, -1 for a bad index. A deleted selection is no selection.
    int Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Null for a bad index.
    const Item* At(int index) const { return Valid(index) ? &items_[index] : nullptr; }
    Item* At(int index) { return Valid(index) ? &items_[index] : nullptr; }
    // The first item after `start` (from the first for -1), wrapping, that begins with the
    // text, or is the text when `exact`; -1 when none does.
    int Find(int start, const std::string& text, bool exact) const;

    int Selection() const { return selection_; }
    // -1 or a bad index clears the selection; false then, except for -1.
    bool Select(int index);
    int Top() const { return top_; }
    void SetTop(int index);
    // Scrolls so that the item shows among `rows` rows.
    void EnsureVisible(int index, int rows);

private:
    std::vector<Item> items_;
    int selection_ = -1;
    int top_ = 0;
};

} // namespace native
