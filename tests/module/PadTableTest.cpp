#include "listview/PadTable.h"
#include "listview/HitIndex.h"
#include "listview/InspectorRow.h"
#include "listview/SelectedSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

const MvSimplePad* Pad(unsigned n) {
    return n == 0 ? nullptr : reinterpret_cast<const MvSimplePad*>(std::uintptr_t{n} * 64);
}

} // namespace

// Checked against a std::map after every operation, over few keys (long probe runs that
// wrap around the slots, erasures inside runs) and many keys (growth); the null pad is a key.
TEST(PadTable, AgreesWithAMapUnderRandomOperations) {
    for (unsigned keys : {12u, 5000u}) {
        std::mt19937 rng(keys);
        PadTable<int> table;
        std::map<const MvSimplePad*, int> expected;
        for (int step = 0; step < 40000; ++step) {
            const MvSimplePad* pad = Pad(static_cast<unsigned>(rng() % keys));
            int value = static_cast<int>(rng() % 1000);
            switch (rng() % 4) {
            case 0:
            case 1:
                ASSERT_EQ(table.Insert(pad, value), expected.emplace(pad, value).second);
                break;
            case 2:
                ASSERT_EQ(table.Erase(pad), expected.erase(pad) == 1);
                break;
            default:
                if (rng() % 500 == 0) {
                    table.Clear();
                    expected.clear();
                }
            }
            ASSERT_EQ(table.Size(), expected.size()) << "keys " << keys << " step " << step;
            const int* found = table.Find(pad);
            auto it = expected.find(pad);
            ASSERT_EQ(found != nullptr, it != expected.end());
            if (found != nullptr) {
                ASSERT_EQ(*found, it->second);
            }
        }
        std::map<const MvSimplePad*, int> visited;
        table.ForEach([&](const MvSimplePad* pad, int value) { visited.emplace(pad, value); });
        EXPECT_EQ(visited, expected);
    }
}

namespace {

struct HitCase {
    const char* name;
    // The pads of the hits, in list order (0: the null pad).
    std::vector<unsigned> hits;
    // Positions in `hits` erased in turn; one may be erased twice.
    std::vector<size_t> erased;
    // The positions of the pad's hits left, in order.
    unsigned pad;
    std::vector<size_t> left;
};

} // namespace

// The hits of a search-results view: a pad's first hit is what a lookup finds, and erasures
// keep the others in list order.
TEST(HitIndex, KeepsEachPadsHitsInListOrder) {
    const HitCase cases[] = {
        {"one hit", {1, 2, 3}, {}, 2, {1}},
        {"a pad with two rows", {1, 2, 1}, {}, 1, {0, 2}},
        {"the first of two erased", {1, 2, 1}, {0}, 1, {2}},
        {"each first erased in turn", {1, 1, 2, 1}, {0, 1, 3}, 1, {}},
        {"the middle of three erased", {1, 1, 2, 1}, {1}, 1, {0, 3}},
        {"the last hit erased", {1, 2}, {1}, 2, {}},
        {"a hit erased twice", {1, 2, 1}, {0, 0}, 1, {2}},
        {"erasing another pad's hit", {1, 2, 1}, {1}, 1, {0, 2}},
        {"the null pad", {0, 1, 0}, {2}, 0, {0}},
    };
    for (const HitCase& c : cases) {
        RowList list;
        std::vector<InspectorRow*> rows;
        for (unsigned pad : c.hits) {
            auto row = std::make_unique<InspectorRow>();
            row->pad = const_cast<MvSimplePad*>(Pad(pad));
            rows.push_back(row.get());
            AppendUnchecked(list, std::move(row));
        }
        HitIndex index;
        index.Rebuild(&list);
        for (size_t at : c.erased)
            index.Erase(*rows[at]);
        std::vector<InspectorRow*> expected;
        for (size_t at : c.left)
            expected.push_back(rows[at]);
        std::vector<InspectorRow*> found;
        index.ForEachHitOf(Pad(c.pad), [&found](InspectorRow& hit) { found.push_back(&hit); });
        EXPECT_EQ(found, expected) << c.name;
        EXPECT_EQ(index.First(Pad(c.pad)), expected.empty() ? nullptr : expected.front()) << c.name;
    }
}

// Results written anew replace every hit of the old ones.
TEST(HitIndex, RebuildForgetsTheOldHits) {
    RowList old;
    auto gone = std::make_unique<InspectorRow>();
    gone->pad = const_cast<MvSimplePad*>(Pad(1));
    AppendUnchecked(old, std::move(gone));
    HitIndex index;
    index.Rebuild(&old);
    RowList fresh;
    auto kept = std::make_unique<InspectorRow>();
    kept->pad = const_cast<MvSimplePad*>(Pad(2));
    InspectorRow* keptRow = kept.get();
    AppendUnchecked(fresh, std::move(kept));
    index.Rebuild(&fresh);
    EXPECT_EQ(index.First(Pad(1)), nullptr);
    EXPECT_EQ(index.First(Pad(2)), keptRow);
    index.Rebuild(nullptr);
    EXPECT_EQ(index.First(Pad(2)), nullptr);
}

// Two selected sets paired by Outside count the pads they share as pads come and go on
// either side (copies made or waiting, erased, cleared, taken, a set gone); what Outside
// answers is checked against the sets' pads compared one by one.
TEST(SelectedSet, OutsideAgreesWithTheSetsComparedUnderRandomOperations) {
    std::mt19937 rng(7);
    auto copyOf = [](const MvSimplePad* pad) {
        auto copy = std::make_unique<InspectorRow>();
        copy->pad = const_cast<MvSimplePad*>(pad);
        return copy;
    };
    std::vector<std::unique_ptr<SelectedSet>> sets(2);
    std::vector<std::set<const MvSimplePad*>> pads(2);
    for (auto& set : sets) {
        set = std::make_unique<SelectedSet>();
        set->Open();
    }
    for (int step = 0; step < 20000; ++step) {
        size_t side = rng() % 2;
        SelectedSet& set = *sets[side];
        const MvSimplePad* pad = Pad(static_cast<unsigned>(rng() % 40));
        switch (rng() % 10) {
        case 0:
        case 1:
        case 2:
            set.Insert(pad, SelectedFacts{}, [&] { return copyOf(pad); });
            pads[side].insert(pad);
            break;
        case 3:
            set.InsertWaiting(pad, SelectedFacts{});
            pads[side].insert(pad);
            break;
        case 4:
        case 5:
            set.Erase(pad);
            pads[side].erase(pad);
            break;
        case 6:
            if (rng() % 20 == 0) {
                rng() % 2 == 0 ? set.Clear() : static_cast<void>(set.Take(copyOf));
                pads[side].clear();
            }
            break;
        case 7:
            if (rng() % 50 == 0) {
                sets[side] = std::make_unique<SelectedSet>();
                sets[side]->Open();
                pads[side].clear();
            }
            break;
        default:
            break;
        }
        size_t from = rng() % 2;
        std::vector<const MvSimplePad*> beyond;
        for (const MvSimplePad* p : pads[from]) {
            if (pads[1 - from].count(p) == 0)
                beyond.push_back(p);
        }
        std::vector<const MvSimplePad*> outside;
        bool few = sets[from]->Outside(*sets[1 - from], 4, outside);
        ASSERT_EQ(few, beyond.size() <= 4) << "step " << step;
        std::sort(outside.begin(), outside.end());
        if (few) {
            ASSERT_EQ(outside, beyond) << "step " << step;
        }
    }
}
