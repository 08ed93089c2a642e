#include "SelectedSet.h"

#include "InspectorRow.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// A table at least this full is put aside when cleared rather than swept.
constexpr size_t kSpareFrom = 4096;

} // namespace

SelectedSet::SelectedSet() = default;
SelectedSet::~SelectedSet() {
    Unpair();
}

void SelectedSet::Pair(const SelectedSet& other) const {
    if (partner_ == &other)
        return;
    Unpair();
    other.Unpair();
    partner_ = &other;
    other.partner_ = this;
    const SelectedSet& smaller = Size() <= other.Size() ? *this : other;
    const SelectedSet& larger = &smaller == this ? other : *this;
    size_t shared = 0;
    smaller.table_.ForEach(
        [&](const MvSimplePad* pad, Entry&) { shared += larger.Contains(pad) ? 1 : 0; });
    shared_ = shared;
    other.shared_ = shared;
}

void SelectedSet::Unpair() const {
    if (partner_ == nullptr)
        return;
    partner_->partner_ = nullptr;
    partner_->shared_ = 0;
    partner_ = nullptr;
    shared_ = 0;
}

bool SelectedSet::Open() {
    Clear();
    rows_.reset(new (std::nothrow) RowList);
    return rows_ != nullptr;
}

void SelectedSet::Close() {
    Clear();
    rows_.reset();
}

bool SelectedSet::InsertCopy(const MvSimplePad* pad, const SelectedFacts& facts,
                             std::unique_ptr<InspectorRow> copy) {
    if (!rows_)
        return false;
    InspectorRow* added = AppendUnchecked(*rows_, std::move(copy));
    table_.Insert(pad, Entry{added, 0, facts});
    tally_.Add(facts);
    NoteShared(pad, 1);
    return true;
}

bool SelectedSet::InsertWaiting(const MvSimplePad* pad, const SelectedFacts& facts) {
    if (!rows_ || table_.Contains(pad))
        return false;
    CompactWaitOrder();
    waitOrder_.push_back(pad);
    table_.Insert(pad, Entry{nullptr, static_cast<std::uint32_t>(waitOrder_.size()), facts});
    ++waiting_;
    tally_.Add(facts);
    NoteShared(pad, 1);
    return true;
}

bool SelectedSet::Erase(const MvSimplePad* pad) {
    Entry* entry = table_.Find(pad);
    if (entry == nullptr)
        return false;
    tally_.Add(entry->facts, -1);
    if (entry->copy != nullptr)
        Unlink(*rows_, *entry->copy);
    else if (--waiting_ == 0)
        waitOrder_.clear();
    table_.Erase(pad);
    if (table_.Empty())
        stale_ = false;
    NoteShared(pad, -1);
    return true;
}

void SelectedSet::Clear() {
    if (rows_ && rows_->head != nullptr)
        rows_ = std::make_unique<RowList>();
    if (table_.Size() >= kSpareFrom) {
        spare_ = std::move(table_);
        table_ = PadTable<Entry>();
    } else {
        table_.Clear();
    }
    waitOrder_.clear();
    waiting_ = 0;
    copiesWait_ = false;
    tally_ = SelectionTally{};
    stale_ = false;
    if (partner_ != nullptr) {
        shared_ = 0;
        partner_->shared_ = 0;
    }
}

bool SelectedSet::Outside(const SelectedSet& other, size_t limit,
                          std::vector<const MvSimplePad*>& outside) const {
    outside.clear();
    if (!rows_ || Size() > other.Size() + limit)
        return false;
    Pair(other);
    size_t beyond = Size() - shared_;
    if (beyond > limit)
        return false;
    if (beyond == 0)
        return true;
    struct Found {
        size_t place;
        const MvSimplePad* pad;
        const InspectorRow* copy;
        bool operator<(const Found& next) const { return place < next.place; }
    };
    std::vector<Found> found;
    size_t made = 0;
    bool few = true;
    table_.ForEach([&](const MvSimplePad* pad, Entry& entry) {
        if (!few || other.Contains(pad))
            return;
        few = found.size() < limit;
        made += entry.copy != nullptr ? 1 : 0;
        found.push_back({entry.waitAt, pad, entry.copy});
    });
    if (!few)
        return false;
    // Made copies come first, in the list's order, which is walked only as far as the last
    // of them; waiting ones follow in their turn.
    size_t at = 0;
    size_t placed = 0;
    for (const InspectorRow* copy = rows_->head; copy != nullptr && placed < made;
         copy = copy->next) {
        ++at;
        for (Found& f : found) {
            if (f.copy == copy) {
                f.place = at;
                ++placed;
            }
        }
    }
    for (Found& f : found) {
        if (f.copy == nullptr)
            f.place += Size();
    }
    std::sort(found.begin(), found.end());
    for (const Found& f : found)
        outside.push_back(f.pad);
    return true;
}

void SelectedSet::Reserve(size_t pads) {
    if (table_.Empty() && !spare_.Empty()) {
        // Swept now, when the caller is about to fill as many slots.
        spare_.Clear();
        table_ = std::move(spare_);
        spare_ = PadTable<Entry>();
    }
    table_.Reserve(pads);
}

RowList* SelectedSet::Rows(const CopyOf& copyOf) const {
    if (Waiting())
        MakeWaitingCopies(copyOf);
    return rows_.get();
}

std::unique_ptr<RowList> SelectedSet::Take(const CopyOf& copyOf) {
    if (!rows_)
        return nullptr;
    if (Waiting())
        MakeWaitingCopies(copyOf);
    std::unique_ptr<RowList> taken = std::exchange(rows_, std::make_unique<RowList>());
    Clear();
    return taken;
}

void SelectedSet::MakeWaitingCopies(const CopyOf& copyOf) const {
    for (size_t at = 0; at < waitOrder_.size(); ++at) {
        Entry* entry = table_.Find(waitOrder_[at]);
        if (entry == nullptr || entry->copy != nullptr || entry->waitAt != at + 1)
            continue;
        entry->copy = AppendUnchecked(*rows_, copyOf(waitOrder_[at]));
        entry->waitAt = 0;
    }
    waitOrder_.clear();
    waiting_ = 0;
    copiesWait_ = false;
}

void SelectedSet::CompactWaitOrder() {
    if (waitOrder_.size() < 2 * waiting_ + 1024)
        return;
    size_t kept = 0;
    for (size_t at = 0; at < waitOrder_.size(); ++at) {
        Entry* entry = table_.Find(waitOrder_[at]);
        if (entry == nullptr || entry->copy != nullptr || entry->waitAt != at + 1)
            continue;
        entry->waitAt = static_cast<std::uint32_t>(kept + 1);
        waitOrder_[kept++] = waitOrder_[at];
    }
    waitOrder_.resize(kept);
}
