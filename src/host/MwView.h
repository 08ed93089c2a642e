#pragma once

#include "MwRectangle.h"

class MwViewList;

// A framework view: a region on the desktop that may hold sub-views.
class MwView {
public:
    virtual ~MwView() = default;
    virtual MwRectangle GetRegion() = 0;
    virtual int IsVisible() = 0;
    // Sub-views in z order, first at the bottom; may be null.
    virtual MwViewList* GetSubViews() = 0;
    // The deepest view at desktop point (x, y) inside `within`, or null.
    static MwView* FindView(int x, int y, MwView* within);
};
