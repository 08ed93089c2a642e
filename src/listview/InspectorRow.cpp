#include "InspectorRow.h"

#include "RowIndex.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"

InspectorRow::InspectorRow() = default;
InspectorRow::~InspectorRow() {
    if (index != nullptr)
        index->Forget(*this);
}

RowList::~RowList() {
    InspectorRow* row = head;
    while (row != nullptr) {
        InspectorRow* next = row->next;
        delete row;
        row = next;
    }
}

std::unique_ptr<InspectorRow> CopyRow(const InspectorRow& row) {
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
    copy->listIndex = row.listIndex;
    copy->relX = row.relX;
    copy->relY = row.relY;
    copy->padName = row.padName;
    copy->connected = row.connected;
    copy->groupDepth = row.groupDepth;
    copy->padId = row.padId;
    return copy;
}

InspectorRow* FindRowByWalk(InspectorRow* row, const MvSimplePad* pad) {
    if (row == nullptr)
        return nullptr;
    if (row->pad == pad)
        return row;
    if (row->children) {
        for (InspectorRow* child = row->children->head; child != nullptr; child = child->next) {
            if (InspectorRow* hit = FindRowByWalk(child, pad))
                return hit;
        }
    }
    return nullptr;
}

namespace {

InspectorRow* FindPad(InspectorRow* row, const MvSimplePad* pad) {
    if (row != nullptr && row->index != nullptr)
        return row->index->Find(row, pad);
    return FindRowByWalk(row, pad);
}

} // namespace

InspectorRow* FindRowByPad(InspectorRow* row, const MvSimplePad* pad) {
    if (pad == nullptr)
        return nullptr;
    return FindPad(row, pad);
}

InspectorRow* FindRowLike(InspectorRow* row, const InspectorRow& other) {
    return FindPad(row, other.pad);
}

InspectorRow* FindInList(const RowList* list, const InspectorRow& row) {
    if (list == nullptr)
        return nullptr;
    for (InspectorRow* member = list->head; member != nullptr; member = member->next) {
        if (InspectorRow* hit = FindRowLike(member, row))
            return hit;
    }
    return nullptr;
}

InspectorRow* FindRowOfPadOrDescendant(InspectorRow* root, MvSimplePad* pad) {
    if (pad == nullptr)
        return nullptr;
    if (InspectorRow* hit = FindRowByPad(root, pad))
        return hit;
    if (MvPadList* children = pad->get_children()) {
        for (int i = 0; i < children->length(); ++i) {
            if (InspectorRow* hit = FindRowOfPadOrDescendant(root, children->at(i)))
                return hit;
        }
    }
    return nullptr;
}

bool HasChildren(const InspectorRow& row) {
    return row.children && row.children->head;
}

int CountSubtree(const InspectorRow* row) {
    if (row == nullptr)
        return 0;
    int count = 1;
    if (row->children) {
        for (const InspectorRow* child = row->children->head; child != nullptr; child = child->next)
            count += CountSubtree(child);
    }
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
