#include "Selection.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "RowFocus.h"
#include "SearchResults.h"
#include "frame/CMainFrame.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "platform/RedrawSuspended.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The desktop row, gone rows and pads kept from the property window are selected in the
// list only.
bool Publishable(const InspectorRow& row) {
    return !row.gone && !row.isDesktop && row.pad != nullptr &&
           row.pad->isProtected2(kProtectProperty) != 1;
}

bool HasSelectedPad(const CInspectrView& view, const MvSimplePad* pad) {
    return view.selectedPadSet.Live() && view.selectedPadSet.Contains(pad);
}

// Callers have made sure that the pad has no copy yet; `index` is the row's list index.
void AddSelectedCopy(CInspectrView& view, const InspectorRow& row, int index) {
    view.selectedPadSet.Insert(row.pad, FactsOfRow(&row), [&] {
        auto copy = CopyRow(row, index);
        copy->listSelected = 1;
        return copy;
    });
}

void RemoveSelectedCopy(CInspectrView& view, const MvSimplePad* pad) {
    view.selectedPadSet.Erase(pad);
}

SelectedSet::CopyOf CopyMaker(const CInspectrView& view) {
    return [&view](const MvSimplePad* pad) { return SelectedCopyOf(view, pad); };
}

// A selection at most this large loses its marks row by row, so that the mark comes round
// only after as many drops of larger ones.
constexpr size_t kMoveMarkFrom = 64;

bool SelectionIsSmall(const CInspectrView& view) {
    const SelectedSet& set = view.selectedPadSet;
    return set.Live() && !set.Waiting() && set.Size() <= kMoveMarkFrom;
}

// Calls `visit` for every row of every selected pad.
template <typename Visit> void ForEachRowOfSelection(const CInspectrView& view, Visit visit) {
    view.selectedPadSet.ForEachPad([&](const MvSimplePad* pad) {
        if (view.searchMode != 0) {
            view.hitIndex.ForEachHitOf(pad, visit);
        } else if (pad == nullptr) {
            if (view.rootRow && view.rootRow->isDesktop)
                visit(*view.rootRow);
        } else {
            view.rowIndex.ForEachRowOf(pad, [&](InspectorRow* row) { visit(*row); });
        }
    });
}

// Every row the view marked loses its mark: each row of a pad of a small selection whose
// copies were all made, else every row at once by moving the mark on. When the mark comes
// round again, rows marked that many drops ago would count as selected: the marks are cleared.
void ForgetMarks(CInspectrView& view) {
    if (SelectionIsSmall(view)) {
        ForEachRowOfSelection(view, [](InspectorRow& row) { row.listSelected = 0; });
        return;
    }
    if (++view.selectionMark != 0)
        return;
    auto clear = [](InspectorRow& row) { row.listSelected = 0; };
    if (view.searchMode != 0) {
        for (InspectorRow* hit = view.searchRows ? view.searchRows->head : nullptr; hit;
             hit = hit->next)
            clear(*hit);
    } else if (view.rootRow) {
        ForEachInSubtree(view.rootRow.get(), clear);
    }
    view.selectionMark = 1;
}

// PublishSelection(view, 0, pad) for each of `pads`, in one pass over the published pads.
void WithdrawPublished(CInspectrView& view, PadTable<bool>& pads) {
    if (pads.Empty())
        return;
    view.publishedChanges += static_cast<int>(pads.Size());
    if (view.selectedPads)
        view.selectedPads->removeWhere([&](MvSimplePad* pad) { return pads.Contains(pad); });
    PublishSelection(view, 1, nullptr);
}

// The listed row of the pad's first item, null when the pad has none.
InspectorRow* ListedRowOf(const CInspectrView& view, const MvSimplePad* pad) {
    if (view.searchMode != 0) {
        InspectorRow* const* hit = view.hitOfPad.Find(pad);
        return hit != nullptr && ListedRows::Holds(**hit) ? *hit : nullptr;
    }
    InspectorRow* first = nullptr;
    int firstIndex = -1;
    view.rowIndex.ForEachRowOf(pad, [&](InspectorRow* row) {
        if (!ListedRows::Holds(*row))
            return;
        if (first == nullptr) {
            first = row;
            return;
        }
        if (firstIndex < 0)
            firstIndex = ListedRows::IndexOf(*first);
        if (int index = ListedRows::IndexOf(*row); index < firstIndex) {
            first = row;
            firstIndex = index;
        }
    });
    return first;
}

// ListedRowOf(view, row.pad), without a lookup when `row` is listed here and its pad has no
// other row.
InspectorRow* ListedRowLike(const CInspectrView& view, const InspectorRow& row) {
    if (view.searchMode == 0 && view.rowIndex.OneRowPerPad() && ListedRows::Holds(row)) {
        InspectorRow* at = view.listed.At(ListedRows::IndexOf(row));
        if (at == &row)
            return at;
    }
    return ListedRowOf(view, row.pad);
}

// The notices of a change the view makes to many items at once are left unanswered: the
// change does what they would have done.
class BulkChange {
public:
    explicit BulkChange(CInspectrView& view) : view_(view) { ++view_.bulkChange; }
    ~BulkChange() { --view_.bulkChange; }
    BulkChange(const BulkChange&) = delete;
    BulkChange& operator=(const BulkChange&) = delete;

private:
    CInspectrView& view_;
};

// The focused item and whether it was selected, before a change of many items.
struct FocusBefore {
    explicit FocusBefore(const CInspectrView& view)
        : item(view.List().GetNextItem(-1, LVNI_FOCUSED)),
          selected(item != -1 && view.List().GetItemState(item, LVIS_SELECTED) != 0) {}
    int item;
    bool selected;
};

// What the last notice of a change of many items would have left: the counts shown, and the
// focused item current when its selection changed.
void FinishBulkChange(CInspectrView& view, const FocusBefore& before) {
    view.ShowCounts();
    int focused = before.item;
    bool selected = focused != -1 && view.List().GetItemState(focused, LVIS_SELECTED) != 0;
    InspectorRow* row = RowOfItem(view, focused);
    if (row != nullptr && selected != before.selected && focused != view.focusIndex) {
        view.focusIndex = focused;
        SetCurrentRow(view, row);
    }
}

// SelectRow of the listed row of each pad `forEachPad` gives, in one pass; `noted` hears of
// each row whose item gains the state. The copies wait, as after Select All. The items follow
// with one message when all but a few end selected (those few then lose the state again):
// the system's list takes a message per item, a round trip each under Wine.
template <typename ForEachPad, typename Noted>
void SelectListedPads(CInspectrView& view, ForEachPad forEachPad, Noted noted) {
    CListCtrl& list = view.List();
    FocusBefore before(view);
    size_t selectedBefore = static_cast<size_t>(list.GetSelectedCount());
    std::vector<int> items;
    forEachPad([&](const MvSimplePad* pad) {
        InspectorRow* listed = ListedRowOf(view, pad);
        if (listed == nullptr || listed->shown != 1 || listed->gone ||
            HasSelectedPad(view, listed->pad))
            return;
        int item = ListedRows::IndexOf(*listed);
        view.selectedPadSet.InsertWaiting(listed->pad, FactsOfRow(listed));
        if (Publishable(*listed))
            PublishSelection(view, 1, listed->pad);
        MarkSelected(view, *listed, true);
        if (selectedBefore == 0 || list.GetItemState(item, LVIS_SELECTED) == 0) {
            items.push_back(item);
            noted(*listed);
        }
    });
    if (items.empty())
        return;
    {
        BulkChange bulk(view);
        size_t count = static_cast<size_t>(view.listed.Size());
        size_t left = count - std::min(count, items.size() + selectedBefore);
        if (left == 0 || (items.size() > kMoveMarkFrom && left <= kMoveMarkFrom)) {
            list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
            view.listed.ForEach(0, [&](int index, const InspectorRow* row) {
                if (row == nullptr || !RowSelected(view, *row)) {
                    list.SetItemState(index, 0, LVIS_SELECTED);
                    --left;
                }
                return left > 0;
            });
        } else {
            for (int item : items)
                list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    FinishBulkChange(view, before);
}

// The selection changes of a change of many items, repeated in the view's partner (search
// results or source) at its end, as the items' own notices would have been.
class MirrorAfter {
public:
    explicit MirrorAfter(CInspectrView& view)
        : view_(view), on_(view.mirrorEnabled == 1 && MirrorPartner(view) != nullptr) {}
    ~MirrorAfter() {
        if (partnerDrops_)
            DropPartnerSelection();
        CInspectrView* partner = MirrorPartner(view_);
        if (rows_.size() <= kMoveMarkFrom || partner == nullptr) {
            for (auto [row, selected] : rows_)
                MirrorSelection(view_, *row, selected);
            return;
        }
        if (view_.mirrorEnabled != 1 || partner->mirrorEnabled != 1)
            return;
        MirrorMany(*partner);
    }
    MirrorAfter(const MirrorAfter&) = delete;
    MirrorAfter& operator=(const MirrorAfter&) = delete;
    bool On() const { return on_; }
    void Note(const InspectorRow& row, bool selected) {
        if (on_)
            rows_.emplace_back(&row, selected);
    }
    // The view drops its whole selection: the partner drops its own whole but for `keeps`,
    // which it takes again in their order, as a notice for each row would have left it.
    void PartnerDrops(std::vector<const MvSimplePad*> keeps) {
        partnerDrops_ = on_;
        partnerKeeps_ = std::move(keeps);
    }

private:
    // A change of many rows reaches the partner as a batch: its copies wait, its table is
    // reserved (taking up the one a drop of a large selection put aside rather than freeing
    // it at the next drop), and its counts, list and paint follow once.
    void MirrorMany(CInspectrView& partner) {
        SelectedSet& set = partner.selectedPadSet;
        set.Reserve(set.Size() + rows_.size());
        set.LetCopiesWait();
        if (partner.frame != nullptr)
            partner.frame->HoldCountPane(true);
        {
            // The system's list invalidates each item it changes, a round trip to the window
            // server apiece under Wine.
            RedrawSuspended painting(partner.List().m_hWnd);
            MirrorSuspended off(partner);
            for (auto [row, selected] : rows_) {
                if (!selected)
                    DeselectRow(partner, *row);
            }
            SelectListedPads(
                partner,
                [this](auto select) {
                    for (auto [row, selected] : rows_) {
                        if (selected)
                            select(row->pad);
                    }
                },
                [](const InspectorRow&) {});
        }
        if (partner.frame != nullptr)
            partner.frame->HoldCountPane(false);
        partner.Invalidate();
    }

    void DropPartnerSelection() {
        CInspectrView* partner = MirrorPartner(view_);
        if (partner == nullptr || view_.mirrorEnabled != 1 || partner->mirrorEnabled != 1)
            return;
        {
            MirrorSuspended off(*partner);
            DeselectAll(*partner);
            for (const MvSimplePad* pad : partnerKeeps_) {
                InspectorRow standIn;
                standIn.pad = const_cast<MvSimplePad*>(pad);
                SelectRow(*partner, standIn);
            }
        }
        partner->Invalidate();
    }

    CInspectrView& view_;
    bool on_;
    bool partnerDrops_ = false;
    std::vector<const MvSimplePad*> partnerKeeps_;
    std::vector<std::pair<const InspectorRow*, bool>> rows_;
};

} // namespace

bool RowSelected(const CInspectrView& view, const InspectorRow& row) {
    return row.listSelected != 0 && row.listSelected == view.selectionMark;
}

void MarkSelected(CInspectrView& view, InspectorRow& row, bool selected) {
    row.listSelected = selected ? view.selectionMark : 0;
}

std::unique_ptr<InspectorRow> SelectedCopyOf(const CInspectrView& view, const MvSimplePad* pad) {
    // A selected pad's row is listed unless a collapse above it took it out of the list.
    const InspectorRow* row = ListedRowOf(view, pad);
    if (row == nullptr)
        row = view.searchMode != 0 ? view.hitIndex.First(pad) : view.FindRow(pad);
    std::unique_ptr<InspectorRow> copy;
    if (row != nullptr) {
        copy = CopyRow(*row);
    } else {
        copy = std::make_unique<InspectorRow>();
        copy->pad = const_cast<MvSimplePad*>(pad);
        copy->isDesktop = pad == nullptr && view.searchMode == 0 ? 1 : 0;
    }
    copy->listSelected = 1;
    return copy;
}

std::vector<int> SelectedItems(const CInspectrView& view) {
    std::vector<int> items;
    auto note = [&](int index, const InspectorRow* row) {
        if (row != nullptr && RowSelected(view, *row))
            items.push_back(index);
    };
    // A few pads are looked up, whether their copies are made or wait; more, and the list
    // is read once.
    if (view.selectedPadSet.Size() > kMoveMarkFrom) {
        view.listed.ForEach(0, [&](int index, const InspectorRow* row) {
            note(index, row);
            return true;
        });
        return items;
    }
    ForEachRowOfSelection(view, [&](const InspectorRow& row) {
        if (ListedRows::Holds(row))
            note(ListedRows::IndexOf(row), &row);
    });
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    return items;
}

int ItemOfPad(const CInspectrView& view, const MvSimplePad* pad) {
    InspectorRow* row = ListedRowOf(view, pad);
    return row != nullptr ? ListedRows::IndexOf(*row) : -1;
}

InspectorRow* RowOfItem(const CInspectrView& view, int index) {
    return view.listed.At(index);
}

void PublishSelection(CInspectrView& view, int op, MvSimplePad* pad) {
    if (pad != nullptr)
        ++view.publishedChanges;
    if (pad != nullptr && view.selectedPads) {
        if (op == 1)
            view.selectedPads->append(pad);
        else
            view.selectedPads->remove(pad);
    }
    if (view.publishEnabled == 1 && view.frameActive == 1)
        SetPadProperty(view.selectedPads.get(), view.titleName.c_str(), 0);
}

// Holds a view's publishing while a change of many rows runs, and hands the host the view's
// pads once at the end when they changed: the host reads the whole list every time.
class PublishHold {
public:
    explicit PublishHold(CInspectrView* view)
        : view_(view), enabled_(view ? view->publishEnabled : 0),
          changes_(view ? view->publishedChanges : 0) {
        if (view_ != nullptr)
            view_->publishEnabled = 0;
    }
    ~PublishHold() {
        if (view_ == nullptr)
            return;
        view_->publishEnabled = enabled_;
        if (enabled_ == 1 && view_->publishedChanges != changes_)
            PublishSelection(*view_, 1, nullptr);
    }
    PublishHold(const PublishHold&) = delete;
    PublishHold& operator=(const PublishHold&) = delete;

private:
    CInspectrView* view_;
    int enabled_;
    int changes_;
};

namespace {

// A change of many rows reaches the host once, for the view and for the view its selection
// is mirrored into.
class PublishOnce {
public:
    explicit PublishOnce(CInspectrView& view) : own_(&view), partner_(MirrorPartner(view)) {}

private:
    PublishHold own_;
    PublishHold partner_;
};

} // namespace

PublishingSuspended::PublishingSuspended(CInspectrView& view)
    : view_(view), changes_(view.publishedChanges),
      partner_(std::make_unique<PublishHold>(MirrorPartner(view))) {
    view_.publishEnabled = 0;
}

PublishingSuspended::~PublishingSuspended() {
    view_.publishEnabled = 1;
    if (view_.publishedChanges != changes_)
        PublishSelection(view_, 1, nullptr);
}

void SelectRow(CInspectrView& view, const InspectorRow& row) {
    if (!view.rootRow || !view.selectedPadSet.Live())
        return;
    int item = ItemOfPad(view, row.pad);
    InspectorRow* listed = RowOfItem(view, item);
    if (listed == nullptr || listed->shown != 1)
        return;
    // The control refuses the selected state to a row that may not have it; the row and the
    // selection list follow the item only.
    CListCtrl& list = view.List();
    list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    if (list.GetItemState(item, LVIS_SELECTED) == 0 || RowOfItem(view, item) != listed)
        return;
    if (!HasSelectedPad(view, listed->pad)) {
        AddSelectedCopy(view, *listed, item);
        if (Publishable(*listed))
            PublishSelection(view, 1, listed->pad);
    }
    MarkSelected(view, *listed, true);
}

void DeselectRow(CInspectrView& view, const InspectorRow& row) {
    if (!view.rootRow || !view.selectedPadSet.Live())
        return;
    // `row` may be the very copy that is removed here.
    MvSimplePad* pad = row.pad;
    InspectorRow* listed = ListedRowLike(view, row);
    bool publishable = Publishable(row);
    bool had = view.selectedPadSet.Contains(pad);
    RemoveSelectedCopy(view, pad);
    if (publishable)
        PublishSelection(view, 0, pad);
    int item = listed != nullptr ? ListedRows::IndexOf(*listed) : -1;
    // The control is told only when the item has the state: a deletion deselects every row
    // of the subtree that goes, most of them not selected.
    if (listed != nullptr &&
        (had || RowSelected(view, *listed) || view.List().GetItemState(item, LVIS_SELECTED) != 0)) {
        MarkSelected(view, *listed, false);
        view.List().SetItemState(item, 0, LVIS_SELECTED);
    }
}

void DeselectSubtree(CInspectrView& view, InspectorRow& row) {
    if (!HasChildren(row)) {
        DeselectRow(view, row);
        return;
    }
    // Each row withdrawn told the host the whole remaining list: a subtree of k selected rows
    // cost it k lists.
    PublishOnce once(view);
    ForEachInSubtree(&row, [&view](InspectorRow& below) { DeselectRow(view, below); });
}

void HoldSelection(CInspectrView& view) {
    ++view.selectionHeld;
}

bool SelectionHeld(const CInspectrView& view) {
    // A pad with rows elsewhere keeps its selection; a partner hears of the rows that went
    // when the hold ends.
    return view.selectionHeld > 0 && view.searchMode == 0 && view.rowIndex.OneRowPerPad();
}

namespace {

// The selected rows among those `walk` visits that went leave the view's selection in the
// order it keeps, and the items take the states of the rows that stay in one pass rather than
// a notice each. The pads of the rows that went are withdrawn without being asked anything.
template <typename Walk> void DropGoneRows(CInspectrView& view, Walk walk) {
    CListCtrl& list = view.List();
    FocusBefore before(view);
    std::vector<int> kept;
    PadTable<bool> withdrawn;
    walk([&](InspectorRow& row) {
        if (!RowSelected(view, row))
            return;
        if (row.gone == 0) {
            if (ListedRows::Holds(row))
                kept.push_back(ListedRows::IndexOf(row));
            return;
        }
        RemoveSelectedCopy(view, row.pad);
        if (row.pad != nullptr)
            withdrawn.Insert(row.pad, true);
        MarkSelected(view, row, false);
    });
    WithdrawPublished(view, withdrawn);
    {
        BulkChange bulk(view);
        list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int item : kept)
            list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    }
    FinishBulkChange(view, before);
}

} // namespace

void ReleaseSelection(CInspectrView& view) {
    if (view.selectionHeld == 0 || --view.selectionHeld > 0)
        return;
    int gone = std::exchange(view.heldGoneSelected, 0);
    if (gone == 0 || !view.rootRow || !view.selectedPadSet.Live())
        return;
    if (static_cast<size_t>(gone) >= view.selectedPadSet.Size()) {
        DeselectAll(view);
        return;
    }
    // Some selected rows stay (the desktop row, a protected pad).
    PublishOnce once(view);
    InspectorRow* root = view.rootRow.get();
    DropGoneRows(view, [root](auto visit) {
        for (InspectorRow* at = root; at != nullptr; at = NextInSubtree(at, root))
            visit(*at);
    });
    // The hits of the pads that went are gone from the results window too.
    CInspectrView* partner = MirrorPartner(view);
    if (partner != nullptr && partner->searchRows && partner->selectedPadSet.Live()) {
        DropGoneRows(*partner, [partner](auto visit) {
            for (InspectorRow* hit = partner->searchRows->head; hit != nullptr; hit = hit->next)
                visit(*hit);
        });
        partner->Invalidate();
    }
}

namespace {

// A partner selects at most this many pads outside a selection that goes whole for it to
// drop its own whole and take those again, rather than hear of each row.
constexpr size_t kPartnerKeepsAtMost = 64;

// Whether the view's partner drops its whole selection with the view's, keeping only
// `keeps`, the pads it selects that the view does not. A results window selects the pad of
// each hit it selects in its source, so a source takes its window's selection with its own (a
// hit whose row the source could not select, below a collapsed row, goes too: its pad is
// selected nowhere else). A source may select more than its window, the desktop row first.
bool PartnerDropsWith(const CInspectrView& view, std::vector<const MvSimplePad*>& keeps) {
    keeps.clear();
    const CInspectrView* partner = MirrorPartner(view);
    if (partner == nullptr || view.searchMode == 0)
        return true;
    return partner->selectedPadSet.Live() &&
           partner->selectedPadSet.Outside(view.selectedPadSet, kPartnerKeepsAtMost, keeps);
}

// Every row's mark off, every pad out of the selection and withdrawn, without visiting the
// rows: the published pads are those of the selection, and they all go. The copies are made
// and handed over in `taken` only when asked for (`keepCopies`) or when the view's partner
// must hear of each row; else copies still waiting are never made.
void DropSelection(CInspectrView& view, MirrorAfter& mirror, std::unique_ptr<RowList>& taken,
                   bool keepCopies) {
    SelectedSet& set = view.selectedPadSet;
    if (!view.rootRow || !set.Live() || set.Size() == 0)
        return;
    ForgetMarks(view);
    std::vector<const MvSimplePad*> partnerKeeps;
    bool perRow = mirror.On() && !PartnerDropsWith(view, partnerKeeps);
    if (keepCopies || perRow) {
        taken = set.Take(CopyMaker(view));
        for (const InspectorRow* copy = taken->head; copy && perRow; copy = copy->next)
            mirror.Note(*copy, false);
    } else {
        set.Clear();
    }
    if (!perRow)
        mirror.PartnerDrops(std::move(partnerKeeps));
    if (view.selectedPads && view.selectedPads->length() > 0) {
        view.publishedChanges += view.selectedPads->length();
        view.selectedPads->clear();
        PublishSelection(view, 1, nullptr);
    }
}

// DeselectAll, its copies taken out of selectedRows into `taken` when `keepCopies` (left
// null when none was taken). Its partner hears of it before the copies can go.
void DeselectInto(CInspectrView& view, std::unique_ptr<RowList>& taken, bool keepCopies) {
    CListCtrl& list = view.List();
    FocusBefore before(view);
    bool changes = list.GetSelectedCount() > 0;
    // The system's list deselects every item by visiting each in turn, whatever is selected
    // (0.2 s at 100,000 rows under Wine): a few items are deselected one by one.
    std::vector<int> items;
    if (changes && SelectionIsSmall(view))
        items = SelectedItems(view);
    MirrorAfter mirror(view);
    DropSelection(view, mirror, taken, keepCopies);
    if (changes) {
        {
            BulkChange bulk(view);
            for (int item : items)
                list.SetItemState(item, 0, LVIS_SELECTED);
            // An item the list selects beyond the view's own (another row of a pad) goes too.
            if (items.empty() || list.GetSelectedCount() > 0)
                list.SetItemState(-1, 0, LVIS_SELECTED);
        }
        FinishBulkChange(view, before);
    }
}

// DeselectAll, handing back the copies it took out of selectedRows (when `keepCopies`);
// null when it took none.
std::unique_ptr<RowList> DeselectTaking(CInspectrView& view, bool keepCopies) {
    std::unique_ptr<RowList> taken;
    PublishOnce once(view);
    DeselectInto(view, taken, keepCopies);
    return taken;
}

} // namespace

void DeselectAll(CInspectrView& view) {
    DeselectTaking(view, false);
}

void SelectRange(CInspectrView& view, int toIndex, bool clearFirst) {
    if (!view.anchorRow || ItemOfPad(view, view.anchorRow->pad) == -1) {
        if (!view.topRecord)
            return;
        view.anchorRow = CopyRow(*view.topRecord);
    }
    PublishOnce once(view);
    if (clearFirst)
        DeselectAll(view);
    // The anchor's row may have moved since the copy was taken (a collapse above it).
    int from = ItemOfPad(view, view.anchorRow->pad);
    int step = from < toIndex ? 1 : -1;
    for (int i = from;; i += step) {
        if (InspectorRow* row = RowOfItem(view, i))
            SelectRow(view, *row);
        if (i == toIndex)
            break;
    }
}

void SelectAll(CInspectrView& view, bool clearFirst) {
    PublishOnce once(view);
    if (clearFirst)
        DeselectAll(view);
    if (!view.rootRow || !view.selectedPadSet.Live())
        return;
    CListCtrl& list = view.List();
    int count = view.listed.Size();
    FocusBefore before(view);
    bool changes = static_cast<int>(list.GetSelectedCount()) < count;
    view.selectedPadSet.Reserve(static_cast<size_t>(count));
    // SelectRow of every item in one pass over the list; the states follow in one change,
    // and the items SelectRow would leave alone get their own state back. The copies wait
    // until the list of them is read.
    std::vector<std::pair<int, bool>> leftAlone;
    MirrorAfter mirror(view);
    // A search-result view may list one pad twice; its index holds no rows.
    bool oneRowPerPad = view.searchMode == 0 && view.rowIndex.OneRowPerPad();
    view.listed.ForEach(0, [&](int i, InspectorRow* row) {
        // A pad's further rows are not selected, SelectRow selects its first item; a gone row
        // is refused.
        if (row == nullptr || row->shown != 1 || row->gone ||
            (!oneRowPerPad && ListedRowOf(view, row->pad) != row)) {
            leftAlone.emplace_back(i, list.GetItemState(i, LVIS_SELECTED) != 0);
            return true;
        }
        if (!HasSelectedPad(view, row->pad)) {
            view.selectedPadSet.InsertWaiting(row->pad, FactsOfRow(row));
            if (Publishable(*row))
                PublishSelection(view, 1, row->pad);
            mirror.Note(*row, true);
        }
        MarkSelected(view, *row, true);
        return true;
    });
    if (!changes)
        return;
    {
        BulkChange bulk(view);
        list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        for (auto [item, selected] : leftAlone) {
            if (!selected)
                list.SetItemState(item, 0, LVIS_SELECTED);
        }
    }
    FinishBulkChange(view, before);
}

const SelectionTally& SelectionTallyOf(const CInspectrView& view) {
    const SelectedSet& set = view.selectedPadSet;
    if (set.Stale())
        set.Refresh([&](const MvSimplePad* pad) { return FactsOfRow(ListedRowOf(view, pad)); });
    return set.Tally();
}

int SelectedCount(const CInspectrView& view) {
    CListCtrl& list = view.List();
    int count = static_cast<int>(list.GetSelectedCount());
    // Item 0 of a search-result view is a hit, whatever the root of its source is.
    if (view.searchMode == 0 && view.rootRow && view.rootRow->isDesktop && count > 0 &&
        list.GetItemState(0, LVIS_SELECTED) != 0)
        --count;
    return count;
}

void CopySelection(const CInspectrView& view, RowList& list) {
    const RowList* selected = view.selectedRows.get();
    if (selected == nullptr)
        return;
    // selectedRows holds one copy per pad, so an empty list needs no look for duplicates.
    bool fresh = list.head == nullptr;
    for (const InspectorRow* row = selected->head; row != nullptr; row = row->next) {
        if (fresh)
            AppendUnchecked(list, CopyRow(*row));
        else
            Append(list, CopyRow(*row));
    }
}

void SelectRows(CInspectrView& view, const RowList& list) {
    PublishOnce once(view);
    DeselectAll(view);
    view.Invalidate();
    for (const InspectorRow* row = list.head; row != nullptr; row = row->next) {
        if (ItemOfPad(view, row->pad) != -1)
            SelectRow(view, *row);
    }
}

void SaveSelection(CInspectrView& view) {
    // A copy of a copy is the same: the copies DeselectAll takes out are kept as they are.
    std::unique_ptr<RowList> saved = DeselectTaking(view, true);
    if (!saved) {
        saved = std::make_unique<RowList>();
        CopySelection(view, *saved);
    }
    view.savedSelection = std::move(saved);
    view.Invalidate();
}

void RestoreSelection(CInspectrView& view) {
    PublishOnce once(view);
    view.selectedPadSet.Open();
    if (!view.savedSelection || !view.rootRow)
        return;
    MirrorAfter mirror(view);
    SelectListedPads(
        view,
        [&view](auto select) {
            for (const InspectorRow* saved = view.savedSelection->head; saved; saved = saved->next)
                select(saved->pad);
        },
        [&mirror](const InspectorRow& row) { mirror.Note(row, true); });
}

namespace {

// The owner-data list asks nobody before it changes a state: a row that may not be selected
// (a gone row) has its item's selected state taken back at once.
void RefuseSelection(CInspectrView& view, int item) {
    BulkChange bulk(view);
    view.List().SetItemState(item, 0, LVIS_SELECTED);
}

// The row of `item` follows the item's selected state, `selected`, as the item's own notice
// would have it. Withdrawn pads are gathered in `withdrawn`, for one pass over the published
// pads.
void FollowItem(CInspectrView& view, int item, bool selected, InspectorRow& row,
                PadTable<bool>& withdrawn, MirrorAfter& mirror) {
    if (selected && row.gone) {
        RefuseSelection(view, item);
        selected = false;
    }
    if (selected && !HasSelectedPad(view, row.pad)) {
        MarkSelected(view, row, true);
        AddSelectedCopy(view, row, item);
        if (Publishable(row))
            PublishSelection(view, 1, row.pad);
        mirror.Note(row, true);
    } else if (!selected && HasSelectedPad(view, row.pad)) {
        MarkSelected(view, row, false);
        RemoveSelectedCopy(view, row.pad);
        if (Publishable(row))
            withdrawn.Insert(row.pad, true);
        mirror.Note(row, false);
    }
}

// The control changed the state of every item at once (a click, a click beside the rows):
// each row follows as the notice of its own item would have had it. It costs what was
// selected and what is selected now.
void OnEveryItemChanged(CInspectrView& view) {
    CListCtrl& list = view.List();
    int focused = list.GetNextItem(-1, LVNI_FOCUSED);
    InspectorRow* focusedRow = RowOfItem(view, focused);
    bool wasSelected = focusedRow != nullptr && HasSelectedPad(view, focusedRow->pad);
    {
        PublishOnce once(view);
        // Outlives the mirror, which names the copies.
        std::unique_ptr<RowList> taken;
        MirrorAfter mirror(view);
        PadTable<bool> withdrawn;
        bool anySelected = list.GetSelectedCount() > 0;
        // Every item lost its state (a click deselects all before it selects its row): the
        // selection goes as DeselectAll drops it.
        if (!anySelected)
            DropSelection(view, mirror, taken, false);
        std::vector<std::pair<int, InspectorRow*>> left;
        const RowList* copies = view.selectedRows.get();
        for (const InspectorRow* copy = copies->head; copy; copy = copy->next) {
            InspectorRow* listed = ListedRowOf(view, copy->pad);
            int index = listed != nullptr ? ListedRows::IndexOf(*listed) : -1;
            if (listed != nullptr && (!anySelected || list.GetItemState(index, LVIS_SELECTED) == 0))
                left.emplace_back(index, listed);
        }
        for (auto [index, row] : left)
            FollowItem(view, index, false, *row, withdrawn, mirror);
        for (int i = anySelected ? list.GetNextItem(-1, LVNI_SELECTED) : -1; i != -1;
             i = list.GetNextItem(i, LVNI_SELECTED)) {
            if (InspectorRow* row = RowOfItem(view, i))
                FollowItem(view, i, true, *row, withdrawn, mirror);
        }
        WithdrawPublished(view, withdrawn);
    }
    view.ShowCounts();
    bool selected = focusedRow != nullptr && list.GetItemState(focused, LVIS_SELECTED) != 0;
    if (focusedRow != nullptr && selected != wasSelected && focused != view.focusIndex) {
        view.focusIndex = focused;
        SetCurrentRow(view, focusedRow);
    }
}

bool Following(const CInspectrView& view) {
    return view.suppressItemChange != 1 && view.bulkChange == 0 && view.selectedPadSet.Live();
}

} // namespace

void OnItemChanged(CInspectrView& view, int item, unsigned changed, unsigned oldState,
                   unsigned newState) {
    if (!Following(view) || (changed & LVIF_STATE) == 0)
        return;
    if (item == -1) {
        OnEveryItemChanged(view);
        return;
    }
    InspectorRow* row = RowOfItem(view, item);
    if (row == nullptr)
        return;
    CListCtrl& list = view.List();
    bool selected = list.GetItemState(item, LVIS_SELECTED) != 0;
    if (selected && row->gone) {
        RefuseSelection(view, item);
        selected = false;
        newState &= ~static_cast<unsigned>(LVIS_SELECTED);
    }
    if (selected) {
        if (!HasSelectedPad(view, row->pad)) {
            MarkSelected(view, *row, true);
            AddSelectedCopy(view, *row, item);
            if (Publishable(*row))
                PublishSelection(view, 1, row->pad);
        }
    } else if (HasSelectedPad(view, row->pad)) {
        MarkSelected(view, *row, false);
        RemoveSelectedCopy(view, row->pad);
        if (Publishable(*row))
            PublishSelection(view, 0, row->pad);
    }
    if (((oldState ^ newState) & LVIS_SELECTED) != 0)
        MirrorSelection(view, *row, selected);
    view.ShowCounts();
    if (list.GetItemState(item, LVIS_FOCUSED) != 0 && item != view.focusIndex) {
        view.focusIndex = item;
        SetCurrentRow(view, row);
    }
}

void OnItemRangeChanged(CInspectrView& view, int from, int to) {
    if (!Following(view))
        return;
    {
        PublishOnce once(view);
        MirrorAfter mirror(view);
        PadTable<bool> withdrawn;
        for (int i = std::max(from, 0); i <= to && i < view.listed.Size(); ++i) {
            if (InspectorRow* row = RowOfItem(view, i))
                FollowItem(view, i, view.List().GetItemState(i, LVIS_SELECTED) != 0, *row,
                           withdrawn, mirror);
        }
        WithdrawPublished(view, withdrawn);
    }
    view.ShowCounts();
}
