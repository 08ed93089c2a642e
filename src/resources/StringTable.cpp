#include "StringTable.h"

#include <algorithm>
#include <iterator>

namespace {

// Sorted by identifier.
const StringEntry kStrings[] = {
    {4, "Insert under/over the 'To' Pad", "先ﾊﾟｯﾄﾞの親/子として挿入"},
    {5, "Replace 'To' Pad by 'From' Pad", "先ﾊﾟｯﾄﾞを元ﾊﾟｯﾄﾞで置換"},
    {6, "Desktop", "デスクトップ"},
    {7, "No", "□"},
    {8, "Yes", "■"},
    {101, "0/0", "0/0"},
    {32741, "Cannot open the Inspector.", "階層情報を表示することができません"},
    {32742, "Inspector", "階層情報"},
    {32755, "Inspector [Search]", "階層情報 [検索]"},
};

} // namespace

const StringEntry* FindStringEntry(unsigned id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, unsigned key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it : nullptr;
}
