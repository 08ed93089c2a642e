#pragma once

#include "host/MvPadView.h"
#include "host/MwViewList.h"

class DesktopPad;

// The view of a pad that has one. Its region and visibility are the pad's; its sub-views are
// the views of the pad's children, in the order of the children list (first at the bottom).
class DesktopPadView : public MvPadView {
public:
    explicit DesktopPadView(DesktopPad& pad) : pad_(pad) {}

    MwRectangle GetRegion() override;
    int IsVisible() override;
    MwViewList* GetSubViews() override { return &subViews_; }
    MvSimplePad* GetPad() override;
    MvDeskTop* GetDeskTop() override;

    MwViewList& SubViews() { return subViews_; }

private:
    DesktopPad& pad_;
    MwViewList subViews_;
};
