#include "InspectorRow.h"

#include "RowIndex.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"

#include <utility>
#include <vector>

// A table of a million pads holds a million rows in each Inspector.
static_assert(sizeof(void*) != 8 || sizeof(InspectorRow) <= 168, "a row fits 176 bytes of heap");

RowList::~RowList() {
    // The children of each row are spliced in after it before it goes, so that no
    // destructor recurses into a deep tree.
    InspectorRow* row = head;
    head = tail = nullptr;
    while (row != nullptr) {
        if (row->children.head != nullptr) {
            row->children.tail->next = row->next;
            row->next = row->children.head;
            row->children.head = row->children.tail = nullptr;
        }
        InspectorRow* next = row->next;
        delete row;
        row = next;
    }
}

std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row) {
    return CopyRow(row, ListIndex(row));
}

std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row, int listIndex) {
    auto copy = std::make_unique<InspectorRow>();
    copy->shown = row.shown;
    copy->listSelected = row.listSelected;
    copy->gone = row.gone;
    copy->desktopSelected = row.desktopSelected;
    copy->isDesktop = row.isDesktop;
    copy->label = row.label;
    copy->x = row.x;
    copy->y = row.y;
    copy->width = row.width;
    copy->height = row.height;
    copy->outputSlotName = row.outputSlotName;
    copy->depth = row.depth;
    copy->outputSlotType = row.outputSlotType;
    copy->outputValueText = row.outputValueText;
    copy->pad = row.pad;
    copy->listIndex = listIndex;
    copy->relX = row.relX;
    copy->relY = row.relY;
    copy->padName = row.padName;
    copy->connected = row.connected;
    copy->groupDepth = row.groupDepth;
    copy->padId = row.padId;
    return copy;
}

int ListIndex(const InspectorRow& row) {
    return RowSequence::Holds(row) ? RowSequence::IndexOf(row) : row.listIndex;
}

InspectorRow* NextInSubtree(const InspectorRow* row, const InspectorRow* top, bool descend) {
    if (descend && row->children.head != nullptr)
        return row->children.head;
    for (; row != top; row = row->parentRow) {
        if (row->next != nullptr)
            return row->next;
    }
    return nullptr;
}

InspectorRow* FindRowByWalk(InspectorRow* row, const MvSimplePad* pad) {
    for (InspectorRow* at = row; at != nullptr; at = NextInSubtree(at, row)) {
        if (at->pad == pad)
            return at;
    }
    return nullptr;
}

InspectorRow* FindRowByPad(InspectorRow* row, const MvSimplePad* pad, const RowIndex* index) {
    if (pad == nullptr)
        return nullptr;
    return index != nullptr ? index->Find(row, pad) : FindRowByWalk(row, pad);
}

InspectorRow* FindRowLike(InspectorRow* row, const InspectorRow& other, const RowIndex* index) {
    return index != nullptr ? index->Find(row, other.pad) : FindRowByWalk(row, other.pad);
}

InspectorRow* FindInList(const RowList* list, const InspectorRow& row) {
    if (list == nullptr)
        return nullptr;
    for (InspectorRow* member = list->head; member != nullptr; member = member->next) {
        if (InspectorRow* hit = FindRowByWalk(member, row.pad))
            return hit;
    }
    return nullptr;
}

InspectorRow* FindRowOfPadOrDescendant(InspectorRow* root, MvSimplePad* pad,
                                       const RowIndex* index) {
    if (pad == nullptr)
        return nullptr;
    if (InspectorRow* hit = FindRowByPad(root, pad, index))
        return hit;
    // Pre-order over the pad's descendants, with a stack of children lists instead of
    // recursion.
    std::vector<std::pair<MvPadList*, int>> stack;
    if (MvPadList* children = pad->get_children())
        stack.emplace_back(children, 0);
    while (!stack.empty()) {
        auto& [children, at] = stack.back();
        if (at >= children->length()) {
            stack.pop_back();
            continue;
        }
        MvSimplePad* child = children->at(at++);
        if (child == nullptr)
            continue;
        if (InspectorRow* hit = FindRowByPad(root, child, index))
            return hit;
        if (MvPadList* below = child->get_children())
            stack.emplace_back(below, 0);
    }
    return nullptr;
}

bool HasChildren(const InspectorRow& row) {
    return row.children.head != nullptr;
}

int CountSubtree(const InspectorRow* row) {
    int count = 0;
    for (const InspectorRow* at = row; at != nullptr; at = NextInSubtree(at, row))
        ++count;
    return count;
}

std::unique_ptr<InspectorRow> Append(RowList& list, std::unique_ptr<InspectorRow> row) {
    if (!row || FindInList(&list, *row) != nullptr)
        return row;
    AppendUnchecked(list, std::move(row));
    return nullptr;
}

InspectorRow* AppendUnchecked(RowList& list, std::unique_ptr<InspectorRow> row) {
    InspectorRow* raw = row.release();
    raw->prev = list.tail;
    raw->next = nullptr;
    if (list.tail != nullptr)
        list.tail->next = raw;
    else
        list.head = raw;
    list.tail = raw;
    return raw;
}

void Remove(RowList& list, const InspectorRow& row) {
    InspectorRow* member = list.head;
    while (member != nullptr && member->pad != row.pad)
        member = member->next;
    if (member != nullptr)
        Unlink(list, *member);
}

void Unlink(RowList& list, InspectorRow& member) {
    (member.prev ? member.prev->next : list.head) = member.next;
    (member.next ? member.next->prev : list.tail) = member.prev;
    delete &member;
}

int Length(const RowList* list) {
    int count = 0;
    for (const InspectorRow* row = list ? list->head : nullptr; row != nullptr; row = row->next)
        ++count;
    return count;
}
