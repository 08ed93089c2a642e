#include "CMainFrame.h"

#include "CInspectrDoc.h"
#include "ColumnSettings.h"
#include "CommandActions.h"
#include "CommandState.h"
#include "dialogs/MvInspConstDialog.h"
#include "dialogs/MvInspDragDialog.h"
#include "dialogs/MvInspRemoveDialog.h"
#include "dialogs/MvInspResizeReplaceDialog.h"
#include "dialogs/MvInspSearchDialog.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "listview/CInspectrView.h"
#include "listview/RowRefresh.h"
#include "listview/SearchResults.h"
#include "listview/Selection.h"
#include "listview/TableWriter.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"
#include "platform/CCmdUI.h"
#include "platform/CCreateContext.h"
#include "platform/CWaitCursor.h"
#include "platform/CWinApp.h"
#include "platform/WinMenu.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"
#include "service/ModalBracket.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kTitleNameLimit = 67;
constexpr std::size_t kSearchTitleNameLimit = 61;
constexpr int kWindowMenuIndex = 2;

const UINT kInspectorButtons[] = {32705, 32707, 32702, 32779, 32704, 32701, 0, 32722,
                                  32721, 0,     32811, 0,     32715, 32716, 0, 57669};
const UINT kSearchButtons[] = {32705, 32707, 32702, 32701, 0, 32715, 32716, 0, 57669};
const UINT kIndicators[] = {0, IDS_COUNT_PANE};
constexpr UINT kContextHelpCommand = 57669;

// "<own name of the pad, cut to `limit` bytes> - <suffix>", or "Desktop - <suffix>".
std::string TitleFor(MvSimplePad* pad, std::size_t limit, UINT suffixId) {
    if (pad != nullptr)
        return FrameTitle(pad->get_own_name(), limit, suffixId);
    std::string desktop;
    std::string suffix;
    inspLoadString(desktop, IDS_DESKTOP);
    inspLoadString(suffix, suffixId);
    return desktop + " - " + suffix;
}

// The column set stored by the Inspector closed last.
void LoadViewColumns(CInspectrView& view) {
    ColumnSet set = LoadColumnSettings();
    view.columnCount = set.columnCount;
    std::copy(std::begin(set.columnIds), std::end(set.columnIds), view.columnIds);
    std::copy(std::begin(set.columnWidths), std::end(set.columnWidths), view.columnWidths);
    SetupColumns(view, false);
}

// The shared background brush follows the window colour; it is only replaced while no
// Inspector uses it.
HBRUSH SharedBackgroundBrush() {
    ModuleState& state = inspModuleState();
    COLORREF color = GetSysColor(COLOR_WINDOW);
    if (state.backBrush != nullptr && !state.registry.Exists()) {
        COLORREF current = 0;
        if (GetBrushColor(state.backBrush, &current) && current != color) {
            HBRUSH fresh = CreateSolidBrush(color);
            if (fresh != nullptr) {
                DeleteObject(state.backBrush);
                state.backBrush = fresh;
            }
        }
    }
    if (state.backBrush == nullptr)
        state.backBrush = CreateSolidBrush(color);
    return state.backBrush;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
ON_COMMAND(ID_EDIT_SELECT, &CMainFrame::OnSelectPads)
ON_COMMAND(ID_EDIT_DESELECT, &CMainFrame::OnDeselectPads)
ON_COMMAND(ID_EDIT_GEOMETRY, &CMainFrame::OnGeometry)
ON_COMMAND(ID_EDIT_INSERT_REPLACE, &CMainFrame::OnInsertReplace)
ON_COMMAND(ID_EDIT_DELETE, &CMainFrame::OnDelete)
ON_COMMAND(ID_EDIT_SEARCH, &CMainFrame::OnSearch)
ON_COMMAND(ID_TOOLS_CUSTOMIZE, &CMainFrame::OnCustomize)
ON_COMMAND(ID_EDIT_PROPERTIES, &CMainFrame::OnPadProperties)
ON_COMMAND(ID_TOOLS_CONNECTION_EDITOR, &CMainFrame::OnConnectionEditor)
ON_COMMAND(ID_TOOLS_DOCUMENT_GENERATOR, &CMainFrame::OnDocumentGenerator)
ON_COMMAND(ID_OPTION_UPDATE, &CMainFrame::OnUpdateTree)
ON_COMMAND(ID_OPTION_AUTO_UPDATE, &CMainFrame::OnAutoUpdate)
ON_COMMAND(ID_OPTION_NESTED_LABEL, &CMainFrame::OnNestedLabel)
ON_COMMAND(ID_EDIT_PARENT, &CMainFrame::OnParent)
ON_COMMAND(ID_INSPECTOR_SELECTED_PAD, &CMainFrame::OnInspectSelected)
ON_COMMAND(ID_INSPECTOR_PARENT_OF_TOP, &CMainFrame::OnInspectParent)
ON_COMMAND(ID_INSPECTOR_DESKTOP, &CMainFrame::OnInspectDesktop)
ON_COMMAND(ID_WINDOW_DESKTOP, &CMainFrame::OnWindowDesktop)
ON_COMMAND(ID_WINDOW_ALL_CLOSE, &CMainFrame::OnAllClose)
ON_COMMAND(ID_WINDOW_OTHERS, &CMainFrame::OnOtherWindows)
ON_COMMAND(ID_HELP_TOPICS, &CMainFrame::OnHelpTopics)
ON_COMMAND(ID_HELP, &CMainFrame::OnHelpTopics)
ON_COMMAND(ID_CONTEXT_HELP_TOPIC, &CMainFrame::OnContextHelpTopic)
ON_COMMAND(ID_HELP_KEYWORD, &CMainFrame::OnHelpKeyword)
ON_COMMAND(ID_HELP_USING, &CMainFrame::OnHelpUsing)
ON_COMMAND(ID_CONTEXT_HELP, &CMainFrame::OnContextHelp)
ON_COMMAND(ID_HELP_INDEX, &CMainFrame::OnNoAction)
ON_COMMAND(ID_DEFAULT_HELP, &CMainFrame::OnNoAction)
ON_COMMAND(ID_APP_EXIT_INSPECTOR, &CMainFrame::OnExit)
ON_COMMAND(ID_SELECT_ALL, &CMainFrame::OnSelectAll)
ON_COMMAND_RANGE(ID_KEY_CTRL_LEFT, ID_KEY_SHIFT_SPACE, &CMainFrame::OnViewKey)
// The keys of the table have no enabling rule: a key press takes no look at the selection.
ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_DELETE, ID_KEY_CTRL_LEFT - 1, &CMainFrame::OnUpdateCommand)
ON_UPDATE_COMMAND_UI(ID_EDIT_INSERT_REPLACE, &CMainFrame::OnUpdateCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_CONTEXT_HELP_TOPIC, ID_SELECT_ALL, &CMainFrame::OnUpdateCommand)
ON_UPDATE_COMMAND_UI_RANGE(ID_HELP_INDEX, ID_DEFAULT_HELP, &CMainFrame::OnUpdateCommand)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

int CMainFrame::CreateInspector(HWND topLevel, MvSimplePad* pad) {
    CWaitCursor wait;
    std::string title = TitleFor(pad, kTitleNameLimit, IDS_INSPECTOR);
    CWnd* parent = CWnd::FromHandlePermanent(topLevel);
    m_hInspIcon = parent ? inspLoadIcon(IDR_MAINFRAME) : nullptr;
    m_hBackBrush = m_hInspIcon ? SharedBackgroundBrush() : nullptr;
    if (parent == nullptr || m_hInspIcon == nullptr || m_hBackBrush == nullptr)
        return 0;
    if (!CreateFrameWindow(title, parent, IDR_MAINFRAME))
        return 1;

    CInspectrView& view = *m_pInspView;
    view.autoUpdate = 1;
    LoadViewColumns(view);
    view.OpenTree(pad);
    view.desktopWindow = topLevel;
    inspLoadString(view.titleName, IDS_INSPECTOR);

    const int columns[] = {view.List().GetColumnWidth(0), view.List().GetColumnWidth(1),
                           view.List().GetColumnWidth(2)};
    int width =
        inspFrameWidth(columns, GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CXSCREEN));
    int height = GetSystemMetrics(SM_CYSCREEN) / 2;
    inspCascadeWindow(this, width, height, false);

    inspModuleState().registry.AddHead(this);
    return 1;
}

bool CMainFrame::CreateFrameWindow(const std::string& title, CWnd* parent, UINT menuId) {
    auto* document = new CInspectrDoc;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CInspectrView);
    context.m_pCurrentDoc = document;
    context.m_pCurrentFrame = this;
    // Until the frame stands, the document is freed here: a view may fail before it takes
    // the document on, or go again with the frame.
    document->m_bAutoDelete = FALSE;
    BOOL created = FALSE;
    {
        ModuleResourceScope resources;
        const char* className = AfxRegisterWndClass(0, m_hClassCursor, nullptr, m_hInspIcon);
        created = Create(className, title.c_str(), WS_POPUP | WS_OVERLAPPEDWINDOW, rectDefault,
                         parent, menuId, 0, &context);
    }
    if (!created) {
        // A view that went with the frame is deleted only once every modal loop has ended
        // (another Inspector's dialog may be open): the last view to go frees the document.
        if (document->ViewCount() == 0)
            delete document;
        else
            document->m_bAutoDelete = TRUE;
        return false;
    }
    document->m_bAutoDelete = TRUE;

    m_pInspView = dynamic_cast<CInspectrView*>(document->GetFirstView());
    if (!inspLoadAccelerators(*this) || m_pInspView == nullptr) {
        DestroyWindow();
        return false;
    }
    CInspectrView& view = *m_pInspView;
    view.frame = this;
    view.searchFrame = nullptr;
    view.selectedPadSet.Open();
    view.savedSelection.reset(new (std::nothrow) RowList);
    view.selectedPads.reset(new (std::nothrow) MvPadList);
    if (!view.selectedRows || !view.savedSelection || !view.selectedPads || !CreateDialogs()) {
        DestroyWindow();
        return false;
    }
    return true;
}

bool CMainFrame::CreateDialogs() {
    geometryDialog.reset(new (std::nothrow) MvInspResizeReplaceDialog(*this));
    removeDialog.reset(new (std::nothrow) MvInspRemoveDialog(*this));
    if (!geometryDialog || !removeDialog)
        return false;
    if (m_bSearchFrame)
        return true;
    searchDialog.reset(new (std::nothrow) MvInspSearchDialog(this));
    CInspectrView* view = m_pInspView;
    if (view == nullptr || !searchDialog)
        return false;
    view->insertReplace.reset(new (std::nothrow) MvInspDragDialog(this));
    view->customizeDialog.reset(new (std::nothrow) MvInspConstDialog(this));
    return view->insertReplace && view->customizeDialog;
}

void CMainFrame::CreateSearchInspector(CMainFrame* source, std::unique_ptr<RowList> results) {
    CWaitCursor wait;
    m_bSearchFrame = 1;
    m_pSourceFrame = source;
    CInspectrView* sourceView = source != nullptr ? source->m_pInspView : nullptr;
    InspectorRow* sourceRoot = sourceView != nullptr ? sourceView->rootRow.get() : nullptr;
    if (sourceRoot == nullptr || !results || results->head == nullptr) {
        if (sourceView != nullptr)
            sourceView->searchFrame = nullptr;
        delete this;
        return;
    }
    m_hInspIcon = source->m_hInspIcon;
    m_hClassCursor = source->m_hClassCursor;
    m_hBackBrush = source->m_hBackBrush;
    std::string title = TitleFor(sourceRoot->pad, kSearchTitleNameLimit, IDS_INSPECTOR_SEARCH);
    if (!CreateFrameWindow(title, source, IDR_SEARCHFRAME)) {
        sourceView->searchFrame = nullptr;
        return;
    }

    CInspectrView& view = *m_pInspView;
    view.searchMode = 1;
    view.nestedLabels = 1;
    view.autoUpdate = sourceView->autoUpdate;
    view.sourceFrame = source;
    view.comctlClass = sourceView->comctlClass;
    view.desktopWindow = sourceView->desktopWindow;
    inspLoadString(view.titleName, IDS_INSPECTOR_SEARCH);
    view.rootRow.Follow(sourceView->rootRow);
    view.columnCount = sourceView->columnCount;
    std::copy(std::begin(sourceView->columnIds), std::end(sourceView->columnIds), view.columnIds);
    std::copy(std::begin(sourceView->columnWidths), std::end(sourceView->columnWidths),
              view.columnWidths);
    SetupColumns(view, false);
    TakeResults(view, std::move(results));

    RECT sourceRect{};
    RECT statusRect{};
    ::GetWindowRect(source->m_hWnd, &sourceRect);
    ::GetWindowRect(source->m_wndStatusBar.m_hWnd, &statusRect);
    RECT place =
        inspSearchWindowPlace(sourceRect,
                              {GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXSIZE),
                               GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSIZE)},
                              GetSystemMetrics(SM_CYFRAME) + (statusRect.bottom - statusRect.top),
                              {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    MoveWindow(place.left, place.top, place.right, place.bottom, TRUE);

    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    view.SetActiveWindow();
    view.SetFocus();
}

void CMainFrame::ReloadSearchResults(CMainFrame*, std::unique_ptr<RowList> results) {
    if (m_pInspView == nullptr || !results || results->head == nullptr)
        return;
    TakeResults(*m_pInspView, std::move(results));
    m_pInspView->Invalidate();
    m_pInspView->UpdateWindow();
}

void CMainFrame::ShowSearchResults(std::unique_ptr<RowList> hits) {
    if (m_pInspView == nullptr || !hits)
        return;
    int found = Length(hits.get());
    if (CMainFrame* open = m_pInspView->searchFrame) {
        open->ReloadSearchResults(this, std::move(hits));
    } else {
        auto* results = new CMainFrame;
        m_pInspView->searchFrame = results;
        results->CreateSearchInspector(this, std::move(hits));
    }
    std::string text;
    inspLoadString(text, IDS_PADS_FOUND);
    m_wndStatusBar.SetPaneText(0, (std::to_string(found) + text).c_str());
}

void CMainFrame::SetCountPane(int selected, int rows) {
    if (countPaneHeld_) {
        heldSelected_ = selected;
        heldRows_ = rows;
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", selected, rows);
    // Each deletion of a run tells every Inspector; most leave the counts as they were, and a
    // pane set anew is painted at once.
    if (m_wndStatusBar.GetPaneText(1) != text)
        m_wndStatusBar.SetPaneText(1, text);
}

void CMainFrame::HoldCountPane(bool hold) {
    if (hold == countPaneHeld_)
        return;
    countPaneHeld_ = hold;
    if (!hold && heldSelected_ != -1)
        SetCountPane(heldSelected_, heldRows_);
    heldSelected_ = -1;
}

int CMainFrame::ShowWarning(UINT stringId) {
    return inspModalMessage(m_hWnd, stringId, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTA* create, CCreateContext* context) {
    return CFrameWnd::OnCreateClient(create, context) ? 1 : 0;
}

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam == 0 && helpMode.SwallowCommand(id))
        return TRUE;
    if (id >= ID_WINDOW_TOOL_FIRST && id <= ID_WINDOW_TOOL_LAST) {
        TOOLSActivateTool(static_cast<int>(id - ID_WINDOW_TOOL_FIRST));
        return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

void CMainFrame::OnUpdateCommand(CCmdUI* cmdUI) {
    if (m_pInspView == nullptr)
        return;
    ViewSnapshot snapshot = TakeSnapshot(*m_pInspView);
    snapshot.contextHelpChecked = helpMode.ButtonChecked();
    CommandStatus status = EvaluateCommand(cmdUI->m_nID, snapshot);
    cmdUI->Enable(status.enabled);
    cmdUI->SetCheck(status.checked);
}

void CMainFrame::OnSelectPads() {
    CommandActions::SelectOnDesktop(*this, true);
}
void CMainFrame::OnDeselectPads() {
    CommandActions::SelectOnDesktop(*this, false);
}
void CMainFrame::OnPadProperties() {
    CommandActions::PadProperties(*this);
}
void CMainFrame::OnConnectionEditor() {
    CommandActions::ConnectionEditor(*this);
}
void CMainFrame::OnDocumentGenerator() {
    CommandActions::DocumentGenerator(*this);
}
void CMainFrame::OnInspectSelected() {
    CommandActions::InspectSelected(*this);
}
void CMainFrame::OnInspectParent() {
    CommandActions::InspectParentOfTop(*this);
}
void CMainFrame::OnInspectDesktop() {
    CommandActions::InspectDesktop(*this);
}
void CMainFrame::OnWindowDesktop() {
    CommandActions::ActivateDesktop(*this);
}
void CMainFrame::OnAllClose() {
    CommandActions::CloseAllTools();
}
void CMainFrame::OnOtherWindows() {
    CommandActions::OtherWindows(*this);
}
void CMainFrame::OnHelpTopics() {
    CommandActions::HelpTopics(*this);
}
void CMainFrame::OnContextHelpTopic() {
    CommandActions::ContextHelpTopic(*this);
}
void CMainFrame::OnHelpKeyword() {
    CommandActions::HelpKeyword();
}
void CMainFrame::OnHelpUsing() {
    if (CWinApp* app = AfxGetApp())
        app->OnHelpUsing();
}
void CMainFrame::OnContextHelp() {
    helpMode.OnContextHelp();
}
void CMainFrame::OnExit() {
    CommandActions::Exit(*this);
}
void CMainFrame::OnInsertReplace() {
    CommandActions::InsertReplace(*this);
}

void CMainFrame::OnNoAction() {}

void CMainFrame::OnUpdateTree() {
    if (m_pInspView != nullptr)
        Update(*m_pInspView);
}

void CMainFrame::OnAutoUpdate() {
    if (m_pInspView != nullptr)
        ToggleAutoUpdate(*m_pInspView);
}

void CMainFrame::OnCustomize() {
    if (m_pInspView != nullptr && m_pInspView->customizeDialog)
        m_pInspView->customizeDialog->Run();
}

void CMainFrame::OnNestedLabel() {
    if (m_pInspView != nullptr)
        ToggleNestedLabels(*m_pInspView);
}

void CMainFrame::OnParent() {
    if (m_pInspView != nullptr)
        GoToParent(*m_pInspView);
}

void CMainFrame::OnSearch() {
    if (m_pInspView != nullptr && m_pInspView->rootRow && searchDialog)
        searchDialog->Run();
}

void CMainFrame::OnSelectAll() {
    if (m_pInspView == nullptr)
        return;
    {
        PublishingSuspended suspended(*m_pInspView);
        SelectAll(*m_pInspView, false);
    }
    m_pInspView->Invalidate();
}

void CMainFrame::OnGeometry() {
    if (m_pInspView != nullptr && geometryDialog && Length(m_pInspView->selectedRows.get()) > 0)
        geometryDialog->RunGeometry(m_pInspView->selectedRows.get());
}

void CMainFrame::OnDelete() {
    if (m_pInspView != nullptr && removeDialog)
        removeDialog->RunDelete(m_pInspView->selectedRows.get());
}

void CMainFrame::OnViewKey(UINT id) {
    if (m_pInspView != nullptr)
        m_pInspView->OnKeyCommand(id);
}

void CMainFrame::OnSysCommand(UINT id, LPARAM lParam) {
    if (!helpMode.SwallowSysCommand(id))
        CFrameWnd::OnSysCommand(id, lParam);
}

BOOL CMainFrame::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (helpMode.InHelpMode())
        return TRUE;
    return CFrameWnd::OnSetCursor(wnd, hitTest, message);
}

void CMainFrame::OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu) {
    {
        ModuleResourceScope resources;
        CFrameWnd::OnInitMenuPopup(popup, index, sysMenu);
    }
    if (!sysMenu && !m_bSearchFrame && popup == GetSubMenu(GetMenu(m_hWnd), kWindowMenuIndex))
        CommandActions::BuildWindowList(*this, popup);
}

BOOL CMainFrame::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_HELPHITTEST) {
        int id = GetDlgCtrlID();
        *result = id != 0 ? 0x50000 + id : 0;
        return TRUE;
    }
    if (msg == WM_INITMENU || msg == WM_ENTERIDLE) {
        ModuleResourceScope resources;
        return CFrameWnd::OnWndMsg(msg, wParam, lParam, result);
    }
    return CFrameWnd::OnWndMsg(msg, wParam, lParam, result);
}

void CMainFrame::OnClose() {
    if (helpMode.InHelpMode()) {
        // Leave help mode first; the close comes back once its loop has ended.
        helpMode.Leave();
        PostMessage(WM_CLOSE);
        return;
    }
    // Search-results frames show their source's columns and keep nothing.
    if (!m_bSearchFrame && m_pInspView != nullptr)
        SaveColumnSettings(ColumnSetString(*m_pInspView));
    CFrameWnd::OnClose();
}

void CMainFrame::OnActivate(UINT state, CWnd* other, BOOL minimized) {
    CFrameWnd::OnActivate(state, other, minimized);
    if (m_pInspView == nullptr)
        return;
    if (state != WA_INACTIVE) {
        m_pInspView->frameActive = 1;
        PublishSelection(*m_pInspView, 1, nullptr);
        m_pInspView->SetFocus();
    } else {
        m_pInspView->frameActive = 0;
        helpMode.Leave();
    }
}

BOOL CMainFrame::OnQueryOpen() {
    if (IsWindowVisible())
        return TRUE;
    if (m_bSearchFrame && !IsIconic())
        return FALSE;
    ShowWindow(SW_SHOWNA);
    return FALSE;
}

void CMainFrame::OnShowWindow(BOOL show, UINT status) {
    // A search-results window stays hidden while its Inspector is minimised.
    if (show && m_bSearchFrame && m_pSourceFrame != nullptr && m_pSourceFrame->IsIconic())
        return;
    CFrameWnd::OnShowWindow(show, status);
}

void CMainFrame::OnSysColorChange() {
    CFrameWnd::OnSysColorChange();
    ModuleState& state = inspModuleState();
    COLORREF color = GetSysColor(COLOR_WINDOW);
    COLORREF current = 0;
    if (state.backBrush != nullptr && GetBrushColor(state.backBrush, &current) &&
        current != color) {
        if (HBRUSH fresh = CreateSolidBrush(color)) {
            if (m_pInspView != nullptr)
                SetClassLongPtrA(m_pInspView->m_hWnd, GCLP_HBRBACKGROUND,
                                 reinterpret_cast<std::uintptr_t>(fresh));
            DeleteObject(state.backBrush);
            state.backBrush = fresh;
        }
    }
    m_hBackBrush = state.backBrush;
    if (m_pInspView != nullptr && m_pInspView->searchFrame != nullptr)
        m_pInspView->searchFrame->m_hBackBrush = state.backBrush;
}

void CMainFrame::OnSettingChange(UINT flags, const char* section) {
    CFrameWnd::OnSettingChange(flags, section);
    RecalcLayout();
}

BOOL CMainFrame::OnHelpInfo(HELPINFO*) {
    return TRUE;
}

int CMainFrame::OnCreate(CREATESTRUCTA* create) {
    if (CFrameWnd::OnCreate(create) == -1)
        return -1;
    ModuleResourceScope resources;
    if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_FIXED,
                             AFX_IDW_TOOLBAR))
        return -1;
    if (m_bSearchFrame)
        m_wndToolBar.SetButtons(kSearchButtons, std::size(kSearchButtons));
    else
        m_wndToolBar.SetButtons(kInspectorButtons, std::size(kInspectorButtons));
    if (!m_wndToolBar.LoadBitmap(m_bSearchFrame ? IDR_SEARCHFRAME : IDR_MAINFRAME))
        return -1;
    int help = m_wndToolBar.CommandToIndex(kContextHelpCommand);
    m_wndToolBar.SetButtonStyle(help, TBBS_CHECKBOX);

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    m_wndStatusBar.SetIndicators(kIndicators, std::size(kIndicators));
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                             CBRS_SIZE_FIXED);
    SizeCountPane();
    RecalcLayout();
    return 0;
}

void CMainFrame::SizeCountPane() {
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ previous = SelectObject(dc, m_wndToolBar.GetFont());
    TEXTMETRICA metrics;
    BOOL measured = GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(m_hWnd, dc);
    if (!measured)
        return;
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    m_wndStatusBar.GetPaneInfo(1, id, style, width);
    m_wndStatusBar.SetPaneInfo(1, id, style, 8 * metrics.tmMaxCharWidth);
}

int inspFrameWidth(const int columnWidths[3], int sizingFrame, int screenWidth) {
    // Summed wide enough that no widths can overflow it.
    long long width = 2LL * sizingFrame;
    for (int i = 0; i < 3; ++i)
        width += columnWidths[i];
    return static_cast<int>(std::clamp<long long>(width, 0, screenWidth));
}

RECT inspSearchWindowPlace(const RECT& source, SIZE step, int statusBottom, SIZE screen) {
    int x = source.left + step.cx;
    int y = source.top + step.cy;
    if (x < screen.cx && y < screen.cy)
        return {x, y, source.right - source.left - step.cx,
                source.bottom - source.top - step.cy - statusBottom};
    return {0, 0, screen.cx, screen.cy / 2};
}

void inspCascadeWindow(CMainFrame* frame, int width, int height, bool repaint) {
    ModuleState& state = inspModuleState();
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int dx = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXSIZE);
    int dy = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSIZE);
    int x = state.cascadeCounter == 0 ? work.left : state.lastCascadeX + dx;
    int y = state.cascadeCounter == 0 ? work.top : state.lastCascadeY + dy;
    if (x + width > work.right)
        x = work.right - width;
    if (y + height > work.bottom)
        y = work.bottom - height;
    state.lastCascadeX = x;
    state.lastCascadeY = y;
    if (x == work.right - width && y == work.bottom - height)
        state.cascadeCounter = 0;
    else
        state.cascadeCounter += 1;
    frame->MoveWindow(x, y, width, height, repaint ? TRUE : FALSE);
}
