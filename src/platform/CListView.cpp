#include "CListView.h"

CListCtrl& CListView::GetListCtrl() const {
    listCtrl_.m_hWnd = m_hWnd;
    return listCtrl_;
}

BOOL CListView::PreCreateWindow(CREATESTRUCTA& create) {
    InitCommonControls();
    create.lpszClass = WC_LISTVIEW;
    return CView::PreCreateWindow(create);
}
