#include "DesktopBaseView.h"

namespace {
constexpr int kExtent = 1 << 20;
}

MwRectangle DesktopBaseView::GetRegion() {
    return MwRectangle(-kExtent, -kExtent, 2 * kExtent, 2 * kExtent);
}
