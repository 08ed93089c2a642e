#include "HitIndex.h"

#include "InspectorRow.h"

#include <algorithm>

void HitIndex::Rebuild(const RowList* hits) {
    hits_.Clear();
    for (InspectorRow* hit = hits != nullptr ? hits->head : nullptr; hit != nullptr;
         hit = hit->next) {
        if (Hits* known = hits_.Find(hit->pad))
            known->more.push_back(hit);
        else
            hits_.Insert(hit->pad, Hits{hit, {}});
    }
}

InspectorRow* HitIndex::First(const MvSimplePad* pad) const {
    const Hits* known = hits_.Find(pad);
    return known != nullptr ? known->first : nullptr;
}

void HitIndex::Erase(const InspectorRow& hit) {
    Hits* known = hits_.Find(hit.pad);
    if (known == nullptr)
        return;
    if (known->first == &hit) {
        if (known->more.empty()) {
            hits_.Erase(hit.pad);
            return;
        }
        known->first = known->more.front();
        known->more.erase(known->more.begin());
        return;
    }
    auto at = std::find(known->more.begin(), known->more.end(), &hit);
    if (at != known->more.end())
        known->more.erase(at);
}
