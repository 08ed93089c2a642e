#include "MwView.h"

#include "MwViewList.h"

MwView* MwView::FindView(int x, int y, MwView* within) {
    if (within == nullptr || !within->IsVisible())
        return nullptr;
    MwRectangle r = within->GetRegion();
    if (x < r.X() || y < r.Y() || x >= r.X() + r.Width() || y >= r.Y() + r.Height())
        return nullptr;
    if (MwViewList* subs = within->GetSubViews()) {
        // The topmost sub-view wins, so walk from the end.
        subs->SetEnd();
        for (int i = 0; i < subs->Length(); ++i) {
            if (MwView* hit = FindView(x, y, subs->BeforeView()))
                return hit;
        }
    }
    return within;
}
