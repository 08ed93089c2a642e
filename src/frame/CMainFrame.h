#pragma once

#include "ContextHelpMode.h"
#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"

#include <memory>
#include <string>

class CInspectrView;
class MvInspRemoveDialog;
class MvInspResizeReplaceDialog;
class MvInspSearchDialog;
class MvSimplePad;
class RowList;

// The top-level window of one Inspector, or of a search-results window.
class CMainFrame : public CFrameWnd {
    DECLARE_MESSAGE_MAP()

public:
    CMainFrame();
    ~CMainFrame() override;

    // Creates the window, its bars and view, builds the rows and registers the frame.
    // Returns 1 when a window owns this object afterwards (also one created and destroyed
    // again), 0 when none does and the caller must delete it.
    int CreateInspector(HWND topLevel, MvSimplePad* pad);
    // The dialogs of this frame (Insert/Replace kept by its view, which runs it on a drop),
    // made once and reused by every run, so that they offer again what they were left with.
    // Both kinds of frame have Geometry and Delete; only an Inspector has Search,
    // Insert/Replace and Customize. False when one could not be made.
    bool CreateDialogs();
    // Makes this new frame the search-results window of `source` (whose view already names
    // it as its searchFrame), listing `results`, placed over the source and shown. Takes this
    // object over: when the window cannot be shown the object is released, exactly once, and
    // the source's searchFrame is cleared.
    void CreateSearchInspector(CMainFrame* source, std::unique_ptr<RowList> results);
    // A repeated search: the open window lists `results`, keeping its place and title.
    void ReloadSearchResults(CMainFrame* source, std::unique_ptr<RowList> results);
    // Shows the hits of a search of this Inspector in its search-results window, opened when
    // none is, and their number in the message pane.
    void ShowSearchResults(std::unique_ptr<RowList> hits);
    void SetCountPane(int selected, int rows);
    // While held, the count pane keeps its text and takes the last counts given at the
    // release: a run of deletions changes the counts once per pad, and the status bar paints
    // every change at once.
    void HoldCountPane(bool hold);
    // Shows the module's text `stringId` as a warning owned by this frame, inside the modal
    // bracket; returns the box's answer.
    int ShowWarning(UINT stringId);

    CInspectrView* m_pInspView = nullptr;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    HBRUSH m_hBackBrush = nullptr;
    HCURSOR m_hClassCursor = nullptr;
    HICON m_hInspIcon = nullptr;
    CMainFrame* m_pSourceFrame = nullptr;
    int m_bSearchFrame = 0;
    ContextHelpMode helpMode{*this};
    std::unique_ptr<MvInspResizeReplaceDialog> geometryDialog;
    std::unique_ptr<MvInspRemoveDialog> removeDialog;
    std::unique_ptr<MvInspSearchDialog> searchDialog;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    int OnCreate(CREATESTRUCTA* create) override;
    void OnClose() override;
    void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
    BOOL OnQueryOpen() override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnSysColorChange() override;
    void OnSettingChange(UINT flags, const char* section) override;
    BOOL OnHelpInfo(HELPINFO* info) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    void OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu) override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // What both kinds of frame do to come into being: the document, the window with its bars
    // and view, the accelerators, the view's selection lists and the dialogs. False when the
    // window machinery has released this object (the window was not created, or was
    // destroyed again).
    bool CreateFrameWindow(const std::string& title, CWnd* parent, UINT menuId);
    // The count pane is as wide as eight of the toolbar font's widest characters.
    void SizeCountPane();
    bool countPaneHeld_ = false;
    // The counts given while the pane was held; selected is -1 when none was.
    int heldSelected_ = -1;
    int heldRows_ = 0;
    void OnUpdateCommand(CCmdUI* cmdUI);
    void OnSelectPads();
    void OnDeselectPads();
    void OnPadProperties();
    void OnInsertReplace();
    void OnConnectionEditor();
    void OnDocumentGenerator();
    void OnUpdateTree();
    void OnAutoUpdate();
    void OnNestedLabel();
    void OnCustomize();
    void OnParent();
    void OnSearch();
    void OnInspectSelected();
    void OnInspectParent();
    void OnInspectDesktop();
    void OnWindowDesktop();
    void OnAllClose();
    void OnOtherWindows();
    void OnHelpTopics();
    void OnContextHelpTopic();
    void OnHelpKeyword();
    void OnHelpUsing();
    void OnContextHelp();
    void OnExit();
    void OnSelectAll();
    void OnGeometry();
    void OnDelete();
    // Dialog commands and the keys of the table; see the message map.
    void OnNoAction();
    void OnViewKey(UINT id);
    BOOL OnCreateClient(CREATESTRUCTA* create, CCreateContext* context) override;
};

// The width of a new Inspector: its first three columns and the sizing frame on both sides,
// at most the screen's width.
int inspFrameWidth(const int columnWidths[3], int sizingFrame, int screenWidth);
// Places a new Inspector in the cascade inside the work area.
void inspCascadeWindow(CMainFrame* frame, int width, int height, bool repaint);
// Where a search-results window opens: one caption step inside its source's rectangle,
// leaving the source's status bar in sight; at the top left with the screen's width and half
// its height when that step lies off the screen. `step` is the frame plus the caption size,
// `statusBottom` the sizing frame plus the source's status bar height. Left, top, width and
// height.
RECT inspSearchWindowPlace(const RECT& source, SIZE step, int statusBottom, SIZE screen);
