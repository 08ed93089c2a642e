#pragma once

#include "CListCtrl.h"
#include "CView.h"

// A view whose window is a list view control. The control's notices to the frame come
// back to the view through OnChildNotify.
class CListView : public CView {
public:
    // A control object over the view's own window.
    CListCtrl& GetListCtrl() const;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& create) override;

private:
    mutable CListCtrl listCtrl_;
};
