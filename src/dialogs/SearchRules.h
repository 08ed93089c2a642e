#pragma once

#include <memory>
#include <string>
#include <string_view>

class RowList;
struct InspectorRow;

// What the Search dialog asks of a pad. A condition is stated when its box is checked and
// its text is not empty; a slot row when it is checked and any of its three texts is not.
struct SearchConditions {
    static constexpr int kSlotRows = 3;

    int labelChecked = 0;
    int padNameChecked = 0;
    int padIdChecked = 0;
    int memoChecked = 0;
    int slotChecked[kSlotRows] = {};
    std::string label{};
    std::string padName{};
    std::string padId{};
    // Line breaks as the multi-line field holds them: CR LF.
    std::string memo{};
    std::string slotName[kSlotRows]{};
    // "Number", "String", "Boolean", "Dictionary", "Command" or empty.
    std::string slotType[kSlotRows]{};
    std::string slotValue[kSlotRows]{};
};

// At least one condition is stated, and no checked slot row has a value without a name or a
// type to compare it with.
bool SearchConditionsValid(const SearchConditions& conditions);

// Whether `text` holds `part`, looked for at character starts only, so that the trail byte of
// a double-byte character never starts a match.
bool ContainsText(std::string_view text, std::string_view part);
// A Pad ID field: blanks, a sign and decimal digits, read up to the first other character;
// no digits read as 0. Values beyond the range of pad IDs saturate.
long long ReadPadIdText(const std::string& text);

// Whether the row meets every stated condition: its label as the table shows it, the rest
// read from its pad. Gone rows and the desktop row never do.
bool RowMatches(const InspectorRow& row, const SearchConditions& conditions);
// Copies of the matching rows of the tree, parent before children, each labelled as its row
// is and marked shown; never null.
std::unique_ptr<RowList> CollectHits(const InspectorRow* root, const SearchConditions& conditions);
