#include "listview/RowSequence.h"
#include "listview/InspectorRow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

// The sequence against a plain vector of (row, depth): runs of rows inserted, erased and
// blanked at random places, long runs now and then so that leaves and branches split and go,
// and many short runs erased at once, as a deletion of a share of the rows leaves them.
TEST(RowSequence, AgreesWithAVectorThroughRandomChanges) {
    std::mt19937 rng(3);
    auto number = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    std::vector<std::unique_ptr<InspectorRow>> pool;
    std::vector<std::pair<InspectorRow*, int>> model;
    RowSequence sequence;

    auto check = [&](int index) {
        ASSERT_EQ(sequence.At(index), model[static_cast<size_t>(index)].first) << index;
        int end = index + 1;
        while (end < static_cast<int>(model.size()) &&
               model[static_cast<size_t>(end)].second > model[static_cast<size_t>(index)].second)
            ++end;
        ASSERT_EQ(sequence.SubtreeEnd(index), end) << index;
        if (InspectorRow* row = model[static_cast<size_t>(index)].first) {
            ASSERT_EQ(RowSequence::IndexOf(*row), index);
        }
    };

    for (int step = 0; step < 4000; ++step) {
        int size = static_cast<int>(model.size());
        int at = number(0, size);
        int op = number(0, size > 3000 ? 6 : 3);
        if (op == 6) {
            // Runs that leave gaps between them, some a single place.
            std::vector<std::pair<int, int>> runs;
            for (int first = number(0, 20); first < size; first += number(2, 60)) {
                int end = std::min(size, first + number(1, 3));
                runs.emplace_back(first, end);
                first = end;
            }
            sequence.EraseRuns(runs);
            for (auto run = runs.rbegin(); run != runs.rend(); ++run)
                model.erase(model.begin() + run->first, model.begin() + run->second);
        } else if (op <= 1 || size == 0) {
            std::vector<InspectorRow*> rows;
            for (int n = number(1, step % 64 == 0 ? 3000 : 8); n > 0; --n) {
                pool.push_back(std::make_unique<InspectorRow>());
                pool.back()->depth = number(0, 5);
                rows.push_back(pool.back().get());
            }
            sequence.Insert(at, rows);
            std::vector<std::pair<InspectorRow*, int>> added;
            for (InspectorRow* row : rows)
                added.emplace_back(row, row->depth);
            model.insert(model.begin() + at, added.begin(), added.end());
        } else {
            int count = std::min(size - at, number(1, op >= 4 ? 2000 : 20));
            InspectorRow* row = at < size ? model[static_cast<size_t>(at)].first : nullptr;
            if (op == 2 && row != nullptr && step % 2 == 0) {
                // A row and what is listed below it, or the row alone.
                int end = at + 1;
                while (step % 4 == 0 && end < size &&
                       model[static_cast<size_t>(end)].second >
                           model[static_cast<size_t>(at)].second)
                    ++end;
                ASSERT_EQ(sequence.BlankRow(*row, step % 4 == 0), std::make_pair(at, end - at));
                for (int i = at; i < end; ++i)
                    model[static_cast<size_t>(i)].first = nullptr;
            } else if (op == 2) {
                sequence.Blank(at, count);
                for (int i = at; i < at + count; ++i)
                    model[static_cast<size_t>(i)].first = nullptr;
            } else {
                sequence.Erase(at, count);
                model.erase(model.begin() + at, model.begin() + at + count);
            }
        }
        ASSERT_EQ(sequence.Size(), static_cast<int>(model.size()));
        for (int probe = 0; probe < 5 && !model.empty(); ++probe)
            check(number(0, static_cast<int>(model.size()) - 1));
        if (step % 500 == 0) {
            for (int i = 0; i < static_cast<int>(model.size()); ++i)
                check(i);
        }
    }
    // A row that left its place is in no sequence.
    for (const auto& row : pool) {
        bool held = std::any_of(model.begin(), model.end(),
                                [&row](const auto& entry) { return entry.first == row.get(); });
        ASSERT_EQ(RowSequence::Holds(*row), held);
    }
}

} // namespace
