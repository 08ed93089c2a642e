#pragma once

#include "Afx.h"
#include "CWnd.h"

class CView;
class CDocument;
struct CCreateContext;

// A top-level window with control bars around one view. Deletes itself when its window goes.
class CFrameWnd : public CWnd {
public:
    static const RECT rectDefault;

    // A nonzero `menuId` names the menu bar, loaded from the current resource module; the
    // creation fails when it cannot be loaded.
    BOOL Create(const char* className, const char* title, DWORD style, const RECT& rect,
                CWnd* parent, UINT menuId, DWORD exStyle, CCreateContext* context);
    // Lays the bars out along the top and bottom and gives the view the rest.
    virtual void RecalcLayout(BOOL notify = TRUE);
    CView* GetActiveView() const;
    void SetActiveView(CView* view) { activeView_ = view; }
    CDocument* GetActiveDocument() const;
    UINT GetMenuId() const { return menuId_; }
    // Loads the frame's accelerators from the current resource module.
    BOOL LoadAccelTable(UINT id);

    // Routes a command or update to the frame's own map, then the active view, then the
    // view's document.
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;
    // Translates the frame's accelerators for keys sent to it or to its descendants.
    BOOL PreTranslateMessage(MSG* msg) override;

    // Items without a command handler are disabled when a menu opens (their update handler
    // may still enable them).
    BOOL m_bAutoMenuEnable = TRUE;
    HACCEL m_hAccelTable = nullptr;

protected:
    virtual BOOL OnCreateClient(CREATESTRUCTA* create, CCreateContext* context);
    CWnd* CreateView(CCreateContext* context, UINT id);

    int OnCreate(CREATESTRUCTA* create) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;
    // Updates every item of the popup through the command route.
    void OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu) override;
    // WM_IDLEUPDATECMDUI: updates the visible bars; wParam nonzero disables buttons that no
    // one handles.
    virtual void OnIdleUpdateCmdUI(BOOL disableIfNoHandler);
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PostNcDestroy() override { AfxDeleteWhenIdle(this); }

private:
    CView* activeView_ = nullptr;
    UINT menuId_ = 0;
};
