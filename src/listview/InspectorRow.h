#pragma once

#include <cstdint>
#include <memory>
#include <string>

class MvSimplePad;
class RowIndex;
class RowList;

// One row of an Inspector's table: the cached display data of one pad. Rows are matched
// by pad, never by identity, so a detached copy stands for the row of its pad.
struct InspectorRow {
    InspectorRow();
    ~InspectorRow();
    InspectorRow(const InspectorRow&) = delete;
    InspectorRow& operator=(const InspectorRow&) = delete;

    int shown = 1;
    int listSelected = 0;
    int gone = 0;
    int desktopSelected = 0;
    int isDesktop = 0;
    std::string label;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string outputSlotName;
    int depth = 0;
    int outputSlotType = 0;
    std::string outputValueText;
    MvSimplePad* pad = nullptr;
    int listIndex = 0;
    int relX = 0;
    int relY = 0;
    std::string padName;
    int connected = 0;
    int groupDepth = 0;
    std::uint32_t padId = 0;
    InspectorRow* parentRow = nullptr;
    std::unique_ptr<RowList> children;
    InspectorRow* next = nullptr;
    InspectorRow* prev = nullptr;
    // The index of the view tree holding the row; none for copies and detached rows.
    RowIndex* index = nullptr;
};

// A chain of rows linked through next/prev. The list owns its rows.
class RowList {
public:
    RowList() = default;
    ~RowList();
    RowList(const RowList&) = delete;
    RowList& operator=(const RowList&) = delete;

    InspectorRow* head = nullptr;
    InspectorRow* tail = nullptr;
};

// A detached copy of every field but the links and children; the caller owns it.
std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row);

// First row in pre-order over `row` and its subtree whose pad is `pad`; null for a null pad.
// Rows of a view's tree are found through its index.
InspectorRow* FindRowByPad(InspectorRow* row, const MvSimplePad* pad);
// The same search as a walk of the subtree, a null pad matching a null pad.
InspectorRow* FindRowByWalk(InspectorRow* row, const MvSimplePad* pad);
// The same search for other.pad, where a null pad matches the desktop row's null pad.
InspectorRow* FindRowLike(InspectorRow* row, const InspectorRow& other);
// FindRowLike over each member of `list` in order, with its subtree.
InspectorRow* FindInList(const RowList* list, const InspectorRow& row);
// The row of `pad`, else the first row of one of its descendants, child by child.
InspectorRow* FindRowOfPadOrDescendant(InspectorRow* root, MvSimplePad* pad);
// The row has a children list with at least one row.
bool HasChildren(const InspectorRow& row);
// 1 + the number of rows below `row`.
int CountSubtree(const InspectorRow* row);
// Visits `row` and every row below it in pre-order; nothing for a null row.
template <typename Visit> void ForEachInSubtree(InspectorRow* row, Visit visit) {
    if (row == nullptr)
        return;
    visit(*row);
    if (row->children) {
        for (InspectorRow* child = row->children->head; child != nullptr; child = child->next)
            ForEachInSubtree(child, visit);
    }
}

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
