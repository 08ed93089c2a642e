#include "MwView.h"

#include "MwViewList.h"

MwView* MwView::FindView(int x, int y, MwView* within) {
    auto holds = [x, y](MwView* view) {
        if (view == nullptr || !view->IsVisible())
            return false;
        MwRectangle r = view->GetRegion();
        return x >= r.X() && y >= r.Y() && x < r.X() + r.Width() && y < r.Y() + r.Height();
    };
    if (!holds(within))
        return nullptr;
    // Down through the sub-views that hold the point, the topmost first, in a loop: views nest
    // as deep as their pads.
    for (MwView* at = within;;) {
        MwView* deeper = nullptr;
        if (MwViewList* subs = at->GetSubViews()) {
            subs->SetEnd();
            for (int i = 0; i < subs->Length() && deeper == nullptr; ++i) {
                MwView* sub = subs->BeforeView();
                if (holds(sub))
                    deeper = sub;
            }
        }
        if (deeper == nullptr)
            return at;
        at = deeper;
    }
}
