#include "DeleteRun.h"

#include "DeleteOrder.h"
#include "DeleteScope.h"
#include "PadDeletion.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "listview/HitIndex.h"
#include "listview/InspectorRow.h"
#include "listview/PadTable.h"

namespace {

bool IsOfferable(const InspectorRow* row) {
    return row != nullptr && row->gone == 0 && row->isDesktop == 0;
}

// Pads that are grouped or protected against deletion are never offered.
bool IsProtected(MvSimplePad* pad) {
    return pad == nullptr || pad->get_groupDepth() > 0 ||
           (pad->get_protection() & kProtectDelete) != 0;
}

bool IsDeletable(const InspectorRow* row) {
    return IsOfferable(row) && !IsProtected(row->pad);
}

bool HasShownChild(MvSimplePad* pad) {
    MvPadList* children = pad != nullptr ? pad->get_children() : nullptr;
    for (int i = 0; children != nullptr && i < children->length(); ++i) {
        MvSimplePad* child = children->at(i);
        if (child != nullptr && child->get_real_view() != nullptr && child->isDeleteHide() == 0)
            return true;
    }
    return false;
}

} // namespace

DeleteRun::DeleteRun(DeleteScope& scope) : scope_(scope) {}
DeleteRun::~DeleteRun() = default;

DeleteRun::Start DeleteRun::Begin(const RowList* selectedRows) {
    closeAfterDelete_ = false;
    current_.reset();
    candidates_ = std::make_unique<RowList>();
    candidateOf_.Clear();
    if (selectedRows == nullptr)
        return Start::Nothing;
    rememberedAutoUpdate_ = scope_.MainAutoUpdate();
    scope_.SetAutoUpdate(0);

    bool someProtected = false;
    PadTable<bool> taken;
    for (const InspectorRow* selected = selectedRows->head; selected != nullptr;
         selected = selected->next) {
        InspectorRow* row = LookUp(*selected);
        if (row == nullptr || row->isDesktop != 0)
            continue;
        if (row->gone != 0 || IsProtected(row->pad)) {
            someProtected = true;
            continue;
        }
        if (taken.Insert(row->pad, true))
            candidateOf_.Insert(row->pad, AppendUnchecked(*candidates_, CopyRow(*row)));
    }
    // A run that offers nothing, also because the view lost its tree meanwhile, gives Auto
    // Update back at once: nothing else would.
    if (!ShowNextCandidate()) {
        RestoreAutoUpdate();
        return Start::Nothing;
    }
    return someProtected ? Start::OfferAfterWarning : Start::Offer;
}

MvSimplePad* DeleteRun::CurrentPad() const {
    return current_ ? current_->pad : nullptr;
}

std::string DeleteRun::Label() const {
    MvSimplePad* pad = CurrentPad();
    const char* name = pad != nullptr ? pad->get_own_name() : nullptr;
    return name != nullptr ? name : "";
}

bool DeleteRun::ChildBoxEnabled() const {
    return HasShownChild(CurrentPad());
}

bool DeleteRun::SingleCandidate() const {
    return Candidates() == 1;
}

int DeleteRun::Candidates() const {
    return Length(candidates_.get());
}

DeleteRun::Step DeleteRun::Delete(bool withChildren) {
    closeAfterDelete_ = false;
    if (scope_.RootRow() == nullptr || !current_)
        return Step::Stay;
    InspectorRow* row = LookUp(*current_);
    if (!IsDeletable(row)) {
        RemoveCandidate(current_->pad);
        return Step::Stay;
    }
    if (IsTopPad(row->pad)) {
        // The Inspector closes when its top pad goes: the dialog ends first.
        closeAfterDelete_ = true;
        return Step::End;
    }
    DeleteOne(row->pad, withChildren);
    return ShowNextCandidate() ? Step::ShowNext : Step::End;
}

DeleteRun::Step DeleteRun::Next() {
    if (current_)
        RemoveCandidate(current_->pad);
    return ShowNextCandidate() ? Step::ShowNext : Step::End;
}

void DeleteRun::Finish(int endCode, bool withChildren) {
    if ((endCode == kEndDeleted || endCode == kEndNext) && closeAfterDelete_ && current_) {
        // Looked up once more: a pad that went meanwhile is never touched.
        InspectorRow* row = LookUp(*current_);
        if (scope_.SearchRows() != nullptr)
            scope_.SetAutoUpdate(rememberedAutoUpdate_);
        if (IsOfferable(row))
            DeletePad(row->pad, withChildren);
        return;
    }
    if (endCode == kEndDeleteAll) {
        DeleteAll(withChildren);
        if (closeAfterDelete_)
            return;
    }
    RestoreAutoUpdate();
    scope_.Rebuild();
}

void DeleteRun::DeleteAll(bool withChildren) {
    // The candidates' rows as DeepestSelectedBelow finds them, looked up afresh each time: a
    // destroyed pad's row leaves the tree.
    place_ = Where();
    order_ = std::make_unique<DeleteOrder>(*candidates_, [this](const InspectorRow& copy) {
        return place_.root != nullptr ? FindRowLike(place_.root, copy, place_.index) : nullptr;
    });
    scope_.HoldPublishing(true);
    for (place_ = Where(); candidates_->head != nullptr && place_.root != nullptr;
         place_ = Where()) {
        InspectorRow* first = LookUpAt(place_, *candidates_->head);
        const InspectorRow* chosen = nullptr;
        if (IsOfferable(first)) {
            chosen = order_->DeepestBelow(candidates_->head->pad);
            if (chosen == nullptr)
                chosen = first;
        }
        if (chosen == nullptr) {
            RemoveCandidate(candidates_->head->pad);
            continue;
        }
        current_ = CopyRow(*chosen);
        InspectorRow* row = chosen->gone == 0 ? LookUpAt(place_, *current_) : nullptr;
        if (!IsDeletable(row)) {
            RemoveCandidate(current_->pad);
            continue;
        }
        // The same test as Delete: a search-results Inspector must not delete its source's
        // top pad and then rebuild from the pad it has just deleted.
        if (IsTopPadAt(place_, row->pad)) {
            closeAfterDelete_ = true;
            if (place_.searchRows != nullptr)
                scope_.SetAutoUpdate(rememberedAutoUpdate_);
            scope_.HoldPublishing(false);
            DeletePad(row->pad, withChildren);
            order_.reset();
            return;
        }
        DeleteOne(row->pad, withChildren);
    }
    scope_.HoldPublishing(false);
    order_.reset();
}

void DeleteRun::RemoveCandidate(const MvSimplePad* pad) {
    if (order_)
        order_->Drop(pad);
    InspectorRow** copy = candidateOf_.Find(pad);
    if (copy == nullptr)
        return;
    InspectorRow* member = *copy;
    candidateOf_.Erase(pad);
    Unlink(*candidates_, *member);
}

const InspectorRow* DeleteRun::DeepestSelectedBelow(const InspectorRow& row) const {
    InspectorRow* root = scope_.RootRow();
    if (root == nullptr)
        return nullptr;
    const InspectorRow* choice = &row;
    for (const InspectorRow* member = candidates_ ? candidates_->head : nullptr; member != nullptr;
         member = member->next) {
        const InspectorRow* found = FindRowLike(root, *member, scope_.Index());
        if (found == nullptr || found->gone != 0)
            continue;
        for (const InspectorRow* up = found->parentRow; up != nullptr; up = up->parentRow) {
            if (up->pad == choice->pad) {
                choice = member;
                break;
            }
        }
    }
    return choice;
}

InspectorRow* DeleteRun::LookUp(const InspectorRow& row) const {
    return LookUpAt(Where(), row);
}

bool DeleteRun::IsTopPad(const MvSimplePad* pad) const {
    return IsTopPadAt(Where(), pad);
}

DeleteRun::Place DeleteRun::Where() const {
    Place place;
    place.root = scope_.RootRow();
    place.index = scope_.Index();
    place.searchRows = scope_.SearchRows();
    if (place.searchRows != nullptr)
        place.hits = scope_.Hits();
    return place;
}

InspectorRow* DeleteRun::LookUpAt(const Place& place, const InspectorRow& row) {
    if (place.searchRows != nullptr)
        return place.hits != nullptr ? place.hits->First(row.pad)
                                     : FindInList(place.searchRows, row);
    return FindRowLike(place.root, row, place.index);
}

bool DeleteRun::IsTopPadAt(const Place& place, const MvSimplePad* pad) {
    if (pad == nullptr)
        return false;
    if (place.root != nullptr && place.root->pad == pad)
        return true;
    const RowList* searchRows = place.searchRows;
    return searchRows != nullptr && searchRows->head != nullptr &&
           searchRows->head == searchRows->tail && searchRows->head->pad == pad;
}

bool DeleteRun::ShowNextCandidate() {
    while (candidates_->head != nullptr && scope_.RootRow() != nullptr) {
        InspectorRow* first = LookUp(*candidates_->head);
        if (!IsOfferable(first)) {
            RemoveCandidate(candidates_->head->pad);
            continue;
        }
        const InspectorRow* chosen = DeepestSelectedBelow(*first);
        if (chosen == nullptr) {
            RemoveCandidate(candidates_->head->pad);
            continue;
        }
        if (chosen->gone != 0) {
            RemoveCandidate(chosen->pad);
            continue;
        }
        current_ = CopyRow(*chosen);
        return true;
    }
    return false;
}

void DeleteRun::DeleteOne(MvSimplePad* pad, bool withChildren) {
    DeletePad(pad, withChildren);
    RemoveCandidate(current_->pad);
    SetScrollFromInspect();
    MwSendSystemEvent(2);
}

void DeleteRun::RestoreAutoUpdate() {
    scope_.SetAutoUpdate(rememberedAutoUpdate_);
}
