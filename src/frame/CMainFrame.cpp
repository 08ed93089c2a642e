#include "CMainFrame.h"

#include "CInspectrDoc.h"
#include "ColumnSettings.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "listview/CInspectrView.h"
#include "listview/Selection.h"
#include "listview/TableWriter.h"
#include "platform/Afx.h"
#include "platform/CCreateContext.h"
#include "resources/ResourceIds.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"
#include "service/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

constexpr std::size_t kTitleNameLimit = 67;

const UINT kInspectorButtons[] = {32705, 32707, 32702, 32779, 32704, 32701, 0, 32722,
                                  32721, 0,     32811, 0,     32715, 32716, 0, 57669};
const UINT kSearchButtons[] = {32705, 32707, 32702, 32701, 0, 32715, 32716, 0, 57669};
const UINT kIndicators[] = {0, IDS_COUNT_PANE};
constexpr UINT kContextHelpCommand = 57669;

// Keeps the wait cursor up for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(CCmdTarget& target) : target_(target) { target_.BeginWaitCursor(); }
    ~WaitCursor() { target_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    CCmdTarget& target_;
};

std::string InspectorTitle(MvSimplePad* pad) {
    std::string suffix;
    inspLoadString(suffix, IDS_INSPECTOR);
    std::string name;
    if (pad != nullptr) {
        const char* ownName = pad->get_own_name();
        std::vector<char> buffer(std::string(ownName ? ownName : "").size() + 1);
        std::snprintf(buffer.data(), buffer.size(), "%s", ownName ? ownName : "");
        inspTruncateMbcs(buffer.data(), kTitleNameLimit);
        name = buffer.data();
    } else {
        inspLoadString(name, IDS_DESKTOP);
    }
    return name + " - " + suffix;
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

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

int CMainFrame::CreateInspector(HWND topLevel, MvSimplePad* pad) {
    WaitCursor wait(*this);
    HINSTANCE hostResources = inspSelectModuleResources();
    struct Restore {
        HINSTANCE* handle;
        ~Restore() {
            if (*handle != nullptr)
                inspRestoreResources(*handle);
        }
    } restore{&hostResources};

    std::string title = InspectorTitle(pad);
    auto* document = new CInspectrDoc;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CInspectrView);
    context.m_pCurrentDoc = document;
    context.m_pCurrentFrame = this;

    CWnd* parent = CWnd::FromHandlePermanent(topLevel);
    m_hInspIcon = parent ? inspLoadIcon(IDR_MAINFRAME) : nullptr;
    m_hBackBrush = m_hInspIcon ? SharedBackgroundBrush() : nullptr;
    if (parent == nullptr || m_hInspIcon == nullptr || m_hBackBrush == nullptr) {
        delete document;
        return 0;
    }
    const char* className = AfxRegisterWndClass(0, m_hClassCursor, nullptr, m_hInspIcon);
    if (!Create(className, title.c_str(), WS_POPUP | WS_OVERLAPPEDWINDOW, rectDefault, parent,
                IDR_MAINFRAME, 0, &context))
        return 1; // the window machinery has released this object

    inspRestoreResources(hostResources);
    hostResources = nullptr;

    m_pInspView = dynamic_cast<CInspectrView*>(document->GetFirstView());
    if (m_pInspView == nullptr) {
        DestroyWindow();
        return 1;
    }
    CInspectrView& view = *m_pInspView;
    view.frame = this;
    view.autoUpdate = 1;
    view.searchFrame = nullptr;
    view.selectedRows = std::make_unique<RowList>();
    view.savedSelection = std::make_unique<RowList>();
    view.selectedPads = std::make_unique<MvPadList>();

    LoadViewColumns(view);
    view.OpenTree(pad);
    view.desktopWindow = topLevel;
    inspLoadString(view.titleName, IDS_INSPECTOR);

    int width = 2 * GetSystemMetrics(SM_CXFRAME);
    for (int i = 0; i < 3; ++i)
        width += view.List().GetColumnWidth(i);
    if (width > GetSystemMetrics(SM_CXSCREEN))
        width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN) / 2;
    inspCascadeWindow(this, width, height, false);

    inspModuleState().registry.AddHead(this);
    return 1;
}

void CMainFrame::SetCountPane(int selected, int rows) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", selected, rows);
    m_wndStatusBar.SetPaneText(1, text);
}

int CMainFrame::ShowWarning(UINT stringId) {
    char previousTimerStop = MwSetTimerStop(1);
    std::string text;
    std::string caption;
    inspLoadString(text, stringId);
    inspLoadString(caption, IDS_INSPECTOR);
    SetModalOpen(1);
    int answer = inspShowMessage(m_hWnd, stringId, text, caption, MB_OK | MB_ICONEXCLAMATION);
    SetModalOpen(0);
    MwSetTimerStop(previousTimerStop);
    return answer;
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTA* create, CCreateContext* context) {
    return CFrameWnd::OnCreateClient(create, context) ? 1 : 0;
}

void CMainFrame::OnClose() {
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

BOOL CMainFrame::OnHelpInfo() {
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
    int help = m_wndToolBar.CommandToIndex(kContextHelpCommand);
    m_wndToolBar.SetButtonStyle(help, TBBS_CHECKBOX);

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    m_wndStatusBar.SetIndicators(kIndicators, std::size(kIndicators));
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY |
                             CBRS_SIZE_FIXED);
    RecalcLayout();
    return 0;
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
