#include "DeleteOrder.h"

#include "listview/InspectorRow.h"

#include <algorithm>
#include <utility>

DeleteOrder::DeleteOrder(const RowList& candidates, RowOf rowOf) : rowOf_(std::move(rowOf)) {
    for (const InspectorRow* copy = candidates.head; copy != nullptr; copy = copy->next) {
        if (memberOf_.Insert(copy->pad, static_cast<int>(copies_.size())))
            copies_.push_back(copy);
    }
    int count = static_cast<int>(copies_.size());
    // Each candidate's parent: the nearest candidate above its row.
    std::vector<std::vector<int>> children(static_cast<size_t>(count) + 1);
    std::vector<const InspectorRow*> rows(static_cast<size_t>(count));
    for (int m = 0; m < count; ++m) {
        const InspectorRow* row = rowOf_(*copies_[static_cast<size_t>(m)]);
        rows[static_cast<size_t>(m)] = row;
        int parent = count; // the forest's root stands above the top candidates
        for (const InspectorRow* up = row ? row->parentRow : nullptr; up; up = up->parentRow) {
            if (const int* above = memberOf_.Find(up->pad); above != nullptr && *above != m) {
                parent = *above;
                break;
            }
        }
        children[static_cast<size_t>(parent)].push_back(m);
    }
    // The tour, without recursion: a candidate's subtree is the places place_ + 1 to end_.
    place_.assign(static_cast<size_t>(count), 0);
    end_.assign(static_cast<size_t>(count), 0);
    std::vector<int> atPlace;
    std::vector<std::pair<int, size_t>> stack{{count, 0}};
    while (!stack.empty()) {
        auto& [member, next] = stack.back();
        auto& below = children[static_cast<size_t>(member)];
        if (next < below.size()) {
            int child = below[next++];
            place_[static_cast<size_t>(child)] = static_cast<int>(atPlace.size());
            atPlace.push_back(child);
            stack.emplace_back(child, 0);
            continue;
        }
        if (member != count)
            end_[static_cast<size_t>(member)] = static_cast<int>(atPlace.size());
        stack.pop_back();
    }
    while (leaves_ < count)
        leaves_ *= 2;
    minima_.assign(static_cast<size_t>(leaves_) * 2, kNone);
    for (int p = 0; p < count; ++p) {
        int member = atPlace[static_cast<size_t>(p)];
        bool lives = rows[static_cast<size_t>(member)] != nullptr &&
                     rows[static_cast<size_t>(member)]->gone == 0;
        minima_[static_cast<size_t>(leaves_ + p)] = lives ? member : kNone;
    }
    for (int i = leaves_ - 1; i >= 1; --i)
        minima_[static_cast<size_t>(i)] =
            std::min(minima_[static_cast<size_t>(2 * i)], minima_[static_cast<size_t>(2 * i + 1)]);
}

const InspectorRow* DeleteOrder::DeepestBelow(const MvSimplePad* pad) {
    const int* start = memberOf_.Find(pad);
    if (start == nullptr)
        return nullptr;
    int choice = *start;
    bool moved = false;
    for (;;) {
        int next =
            FirstIn(place_[static_cast<size_t>(choice)] + 1, end_[static_cast<size_t>(choice)]);
        if (next == kNone)
            break;
        // A row that went since is passed over, as it is for good.
        const InspectorRow* row = rowOf_(*copies_[static_cast<size_t>(next)]);
        if (row == nullptr || row->gone != 0) {
            Kill(next);
            continue;
        }
        choice = next;
        moved = true;
    }
    return moved ? copies_[static_cast<size_t>(choice)] : nullptr;
}

void DeleteOrder::Drop(const MvSimplePad* pad) {
    if (const int* member = memberOf_.Find(pad))
        Kill(*member);
}

int DeleteOrder::FirstIn(int from, int to) const {
    int best = kNone;
    for (int l = from + leaves_, r = to + leaves_; l < r; l /= 2, r /= 2) {
        if (l & 1)
            best = std::min(best, minima_[static_cast<size_t>(l++)]);
        if (r & 1)
            best = std::min(best, minima_[static_cast<size_t>(--r)]);
    }
    return best;
}

void DeleteOrder::Kill(int member) {
    size_t at = static_cast<size_t>(leaves_ + place_[static_cast<size_t>(member)]);
    minima_[at] = kNone;
    for (at /= 2; at >= 1; at /= 2)
        minima_[at] = std::min(minima_[2 * at], minima_[2 * at + 1]);
}
