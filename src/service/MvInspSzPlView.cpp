#include "MvInspSzPlView.h"

MwView* MvInspSzPlView::FindViewRedef(int x, int y) {
    return MwView::FindView(x, y, this);
}
