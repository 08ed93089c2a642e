#pragma once

#include "host/MwView.h"
#include "host/MwViewList.h"

// The desktop's base window: it covers the whole coordinate space, and its sub-views are the
// views of the pads on the desktop in z order, first at the bottom.
class DesktopBaseView : public MwView {
public:
    MwRectangle GetRegion() override;
    int IsVisible() override { return 1; }
    MwViewList* GetSubViews() override { return &subViews_; }

    MwViewList& SubViews() { return subViews_; }

private:
    MwViewList subViews_;
};
