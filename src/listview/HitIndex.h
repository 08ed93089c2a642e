#pragma once

#include "PadTable.h"

#include <vector>

class MvSimplePad;
class RowList;
struct InspectorRow;

// The hits of a search-results view by pad, each pad's in the order of the list, kept in step
// with the list: a hit is found and withdrawn without walking the others. A pad has more than
// one hit when it has more than one row in the source.
class HitIndex {
public:
    // Indexes every hit of `hits` (none when null), forgetting what was indexed before.
    void Rebuild(const RowList* hits);
    void Clear() { hits_.Clear(); }
    // The pad's first hit in the list; null when it has none.
    InspectorRow* First(const MvSimplePad* pad) const;
    // Calls visit(hit) for each of the pad's hits, first to last; `visit` must leave this
    // index as it is.
    template <typename Visit> void ForEachHitOf(const MvSimplePad* pad, Visit visit) const {
        if (const Hits* known = hits_.Find(pad)) {
            visit(*known->first);
            for (InspectorRow* hit : known->more)
                visit(*hit);
        }
    }
    // Forgets `hit`; the pad's other hits keep their order. A hit not indexed is ignored.
    void Erase(const InspectorRow& hit);

private:
    // Most pads have one hit: it needs no allocation of its own.
    struct Hits {
        InspectorRow* first = nullptr;
        std::vector<InspectorRow*> more;
    };
    PadTable<Hits> hits_;
};
