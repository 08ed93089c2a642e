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
// moving the others, and a long list keeps counts of its pads; every mix of operations must
// still read back like a plain vector: short lists of a few pads listed many times each, long
// lists of many pads (counted, each listed about once) and long lists of a few pads (counted,
// many listed more than once).
TEST(MvPadList, BehavesLikeAVectorUnderRandomOperations) {
    struct Mix {
        const char* name;
        unsigned seed;
        int pads;
        int extraAppends; // weight of appends beyond the two of eight
        int clearOdds;
        int peak; // the length the list must reach at least once
    };
    const Mix mixes[] = {
        {"short lists, few pads", 11, 40, 0, 50, 8},
        {"long lists, many pads", 12, 100000, 3, 2000, 150},
        {"long lists, few pads", 13, 60, 3, 2000, 150},
    };
    for (const Mix& mix : mixes) {
        SCOPED_TRACE(mix.name);
        std::mt19937 rng(mix.seed);
        MvPadList list;
        std::vector<MvSimplePad*> expected;
        size_t peak = 0;
        for (int step = 0; step < 20000; ++step) {
            MvSimplePad* pad = Pad(static_cast<int>(rng() % static_cast<unsigned>(mix.pads)));
            unsigned op = rng() % static_cast<unsigned>(8 + mix.extraAppends);
            if (op >= 8)
                op = 0;
            switch (op) {
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
                // Now and then a pad that is listed, taken at random rather than drawn.
                if (rng() % 2 == 0 && !expected.empty())
                    pad = expected[rng() % expected.size()];
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
                if (rng() % static_cast<unsigned>(mix.clearOdds) == 0) {
                    list.clear();
                    expected.clear();
                }
            }
            ASSERT_EQ(Contents(list), expected) << "step " << step;
            peak = std::max(peak, expected.size());
            auto first = std::find(expected.begin(), expected.end(), pad);
            ASSERT_EQ(list.indexOf(pad), first == expected.end() ? -1 : first - expected.begin());
        }
        EXPECT_GE(peak, static_cast<size_t>(mix.peak));
        EXPECT_EQ(list.at(-1), nullptr);
        EXPECT_EQ(list.at(list.length()), nullptr);
    }
}
