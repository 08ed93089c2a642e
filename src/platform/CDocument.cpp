#include "CDocument.h"

#include "CView.h"

#include <algorithm>

void CDocument::AddView(CView* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    auto it = std::find(views_.begin(), views_.end(), view);
    if (it == views_.end())
        return;
    views_.erase(it);
    view->m_pDocument = nullptr;
    if (views_.empty() && m_bAutoDelete)
        delete this;
}
