#include "listview/PadTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>

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
