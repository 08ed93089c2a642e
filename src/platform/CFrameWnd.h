#pragma once

#include "CWnd.h"

class CView;
class CDocument;
struct CCreateContext;

// A top-level window with control bars around one view. Deletes itself when its window goes.
class CFrameWnd : public CWnd {
public:
    static const RECT rectDefault;

    BOOL Create(const char* className, const char* title, DWORD style, const RECT& rect,
                CWnd* parent, UINT menuId, DWORD exStyle, CCreateContext* context);
    // Lays the bars out along the top and bottom and gives the view the rest.
    virtual void RecalcLayout(BOOL notify = TRUE);
    CView* GetActiveView() const;
    void SetActiveView(CView* view) { activeView_ = view; }
    CDocument* GetActiveDocument() const;
    UINT GetMenuId() const { return menuId_; }

protected:
    virtual BOOL OnCreateClient(CREATESTRUCTA* create, CCreateContext* context);
    CWnd* CreateView(CCreateContext* context, UINT id);

    int OnCreate(CREATESTRUCTA* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;
    void PostNcDestroy() override { delete this; }

private:
    CView* activeView_ = nullptr;
    UINT menuId_ = 0;
};
