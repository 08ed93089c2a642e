#pragma once

#include "Afx.h"
#include "CWnd.h"

class CDocument;
class CFrameWnd;

// A child window of a frame that shows a document. Deletes itself when its window goes.
class CView : public CWnd {
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;
    virtual void OnInitialUpdate() {}

    CDocument* m_pDocument = nullptr;

protected:
    int OnCreate(CREATESTRUCTA* create) override;
    void PostNcDestroy() override { AfxDeleteWhenIdle(this); }
};
