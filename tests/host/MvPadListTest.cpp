#include "host/MvPadList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

MvSimplePad* Pad(int n) {
    return reinterpret_cast<MvSimplePad*>(static_cast<std::uintptr_t>(n) * 16);
}

std::vector<MvSimplePad*> Contents(const MvPadList& list) {
    std::vector<MvSimplePad*> pads;
    for (int i = 0; i < list.length(); ++i)
        pads.push_back(list.at(i));
    return pads;
}

} // namespace

// Removing the oldest member is the common case of a selection list and is done without
// moving the others; every mix of operations must still read back like a plain vector.
TEST(MvPadList, BehavesLikeAVectorUnderRandomOperations) {
    std::mt19937 rng(11);
    MvPadList list;
    std::vector<MvSimplePad*> expected;
    for (int step = 0; step < 20000; ++step) {
        MvSimplePad* pad = Pad(static_cast<int>(rng() % 40));
        switch (rng() % 8) {
        case 0:
        case 1:
            list.append(pad);
            expected.push_back(pad);
            break;
        case 6:
            if (expected.size() > 1)
                pad = expected[1]; // near the front: the members before it move
            [[fallthrough]];
        case 2:
            if (!expected.empty() && pad != expected[std::min<size_t>(1, expected.size() - 1)])
                pad = expected.front(); // the oldest goes first
            [[fallthrough]];
        case 3: {
            list.remove(pad);
            auto it = std::find(expected.begin(), expected.end(), pad);
            if (it != expected.end())
                expected.erase(it);
            break;
        }
        case 4: {
            int index = static_cast<int>(rng() % (expected.size() + 3)) - 1;
            list.insert(index, pad);
            size_t at =
                static_cast<size_t>(std::clamp(index, 0, static_cast<int>(expected.size())));
            expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), pad);
            break;
        }
        case 7: {
            // Every pad of one residue at once, as a deselection of many rows withdraws them.
            std::uintptr_t residue = rng() % 7;
            auto drop = [residue](MvSimplePad* p) {
                return reinterpret_cast<std::uintptr_t>(p) / 16 % 7 == residue;
            };
            if (rng() % 4 == 0) {
                list.removeWhere(drop);
                std::erase_if(expected, drop);
            }
            break;
        }
        default:
            if (rng() % 50 == 0) {
                list.clear();
                expected.clear();
            }
        }
        ASSERT_EQ(Contents(list), expected) << "step " << step;
        auto first = std::find(expected.begin(), expected.end(), pad);
        ASSERT_EQ(list.indexOf(pad), first == expected.end() ? -1 : first - expected.begin());
    }
    EXPECT_EQ(list.at(-1), nullptr);
    EXPECT_EQ(list.at(list.length()), nullptr);
}
