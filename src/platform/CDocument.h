#pragma once

#include "CCmdTarget.h"

#include <vector>

class CView;

// A document and the views that show it. With auto-delete on (the default) the document
// deletes itself when its last view goes.
class CDocument : public CCmdTarget {
public:
    ~CDocument() override = default;

    virtual BOOL OnNewDocument() { return TRUE; }
    virtual void Serialize() {}

    void AddView(CView* view);
    void RemoveView(CView* view);
    CView* GetFirstView() const { return views_.empty() ? nullptr : views_.front(); }
    int ViewCount() const { return static_cast<int>(views_.size()); }

    BOOL m_bAutoDelete = TRUE;

private:
    std::vector<CView*> views_;
};
