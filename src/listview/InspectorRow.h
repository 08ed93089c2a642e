#pragma once

#include "RowSequence.h"
#include "RowText.h"

#include <cstdint>
#include <memory>
#include <string>

class MvSimplePad;
class RowIndex;
struct InspectorRow;

// A chain of rows linked through next/prev. The list owns its rows; destroying it destroys
// them and everything below them, however deep.
class RowList {
public:
    RowList() = default;
    ~RowList();
    RowList(const RowList&) = delete;
    RowList& operator=(const RowList&) = delete;

    InspectorRow* head = nullptr;
    InspectorRow* tail = nullptr;
};

// One row of an Inspector's table: the cached display data of one pad. Rows are matched
// by pad, never by identity, so a detached copy stands for the row of its pad. A large table
// holds a row per pad in each Inspector, so the row is kept small: the flags are bits, the
// fields are grouped by size and the children list lies inside the row.
struct InspectorRow {
    InspectorRow() = default;
    InspectorRow(const InspectorRow&) = delete;
    InspectorRow& operator=(const InspectorRow&) = delete;

    std::uint8_t shown : 1 = 1;
    std::uint8_t gone : 1 = 0;
    std::uint8_t desktopSelected : 1 = 0;
    std::uint8_t isDesktop : 1 = 0;
    std::uint8_t connected : 1 = 0;
    // The flag may change without a notice of this pad (see ConnectionMayChange).
    std::uint8_t connectionWatched : 1 = 0;
    // The pad is an icon or loader, whose label names the pad it stands for.
    std::uint8_t standIn : 1 = 0;
    // A whole byte: the row is selected while this equals its view's selection mark, which
    // runs through every value but 0 (see RowSelected).
    std::uint8_t listSelected = 0;
    int depth = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int relX = 0;
    int relY = 0;
    int groupDepth = 0;
    int outputSlotType = 0;
    // A copy's index as recorded; a row of a list is asked with ListIndex.
    int listIndex = 0;
    std::uint32_t padId = 0;
    RowText label;
    RowText outputSlotName;
    RowText outputValueText;
    RowText padName;
    MvSimplePad* pad = nullptr;
    InspectorRow* parentRow = nullptr;
    // Empty for a row without children and for every copy.
    RowList children;
    InspectorRow* next = nullptr;
    InspectorRow* prev = nullptr;
    // The leaf of the list's row sequence that holds the row; null while not listed.
    RowSequence::Leaf* listLeaf = nullptr;
};

// A detached copy of every field but the links and children; the caller owns it. The copy
// records the row's list index of the moment.
std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row);
// The same with the list index the caller knows.
std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row, int listIndex);
// The index of the row's list item: where a list holds it, else as last recorded.
int ListIndex(const InspectorRow& row);

// The row after `row` in pre-order within the subtree of `top`, null after the last one;
// with `descend` false, the rows below `row` are passed over. Walks of any depth use it
// instead of recursion.
InspectorRow* NextInSubtree(const InspectorRow* row, const InspectorRow* top, bool descend = true);
// Visits `row` and every row below it in pre-order, nothing for a null row; visit(row) may
// not change the tree.
template <typename Visit> void ForEachInSubtree(InspectorRow* row, Visit visit) {
    for (InspectorRow* at = row; at != nullptr; at = NextInSubtree(at, row))
        visit(*at);
}

// First row in pre-order over `row` and its subtree whose pad is `pad`; null for a null pad.
// A view finds the rows of its tree through its index; without one the subtree is walked.
InspectorRow* FindRowByPad(InspectorRow* row, const MvSimplePad* pad,
                           const RowIndex* index = nullptr);
// The same search as a walk of the subtree, a null pad matching a null pad.
InspectorRow* FindRowByWalk(InspectorRow* row, const MvSimplePad* pad);
// The same search for other.pad, where a null pad matches the desktop row's null pad.
InspectorRow* FindRowLike(InspectorRow* row, const InspectorRow& other,
                          const RowIndex* index = nullptr);
// FindRowLike over each member of `list` in order, with its subtree.
InspectorRow* FindInList(const RowList* list, const InspectorRow& row);
// The row of `pad`, else the first row of one of its descendants, child by child.
InspectorRow* FindRowOfPadOrDescendant(InspectorRow* root, MvSimplePad* pad,
                                       const RowIndex* index = nullptr);
// The row has a children list with at least one row.
bool HasChildren(const InspectorRow& row);
// 1 + the number of rows below `row`.
int CountSubtree(const InspectorRow* row);
// Links `row` at the tail and takes it over, unless the list already holds a row for its
// pad: then the row is handed back and nothing changes. Returns null when taken.
std::unique_ptr<InspectorRow> Append(RowList& list, std::unique_ptr<InspectorRow> row);
// Links `row` at the tail and takes it over; the caller knows the list holds no row for its
// pad.
InspectorRow* AppendUnchecked(RowList& list, std::unique_ptr<InspectorRow> row);
// Unlinks and destroys the member standing for row.pad (nothing when there is none).
void Remove(RowList& list, const InspectorRow& row);
// Unlinks and destroys `member`, which the list holds.
void Unlink(RowList& list, InspectorRow& member);
int Length(const RowList* list);
