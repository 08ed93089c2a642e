#include "CWnd.h"

#include "Afx.h"
#include "AfxState.h"
#include "CCmdUI.h"
#include "CWinApp.h"
#include "CommCtrl.h"
#include "NativeBackend.h"

namespace {

constexpr int kWindowProcIndex = -4;

// Learns whether the update route leaves a command enabled, touching no menu or button.
class EnabledProbe : public CCmdUI {
public:
    explicit EnabledProbe(UINT id) : CCmdUI(id) {}
    void Enable(BOOL on) override {
        enabled = on != FALSE;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetText(const char*) override {}

    bool enabled = true;
};

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (wnd == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);

    // Handlers may send further messages to the same window; keep the outer one for Default().
    CWnd::CurrentMessage saved = wnd->current_;
    wnd->current_ = {msg, wParam, lParam};
    LRESULT result = wnd->WindowProc(msg, wParam, lParam);
    // A handler may have destroyed the window, and with it the object (WM_CLOSE of a frame).
    if (CWnd::FromHandlePermanent(hwnd) == wnd)
        wnd->current_ = saved;
    return result;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // Only the object that serves the window owns it; a second object over the same window
    // (GetListCtrl of a list view) does not.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        HWND hwnd = Detach();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    // A live window carries its object; the map answers for a window that is gone while its
    // object is still attached.
    if (void* object = native::WindowObject(hwnd))
        return static_cast<CWnd*>(object);
    if (::IsWindow(hwnd))
        return nullptr;
    auto& map = AfxGetState().permanent;
    auto it = map.find(hwnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hwnd))
        return wnd;
    auto& temporary = AfxGetState().temporary;
    auto& slot = temporary[hwnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hwnd;
    }
    return slot.get();
}

void CWnd::DeleteTempMap() {
    auto& temporary = AfxGetState().temporary;
    for (auto& entry : temporary)
        entry.second->m_hWnd = nullptr; // temporary objects never own their window
    temporary.clear();
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    AfxState& state = AfxGetState();
    state.permanent[hwnd] = this;
    native::SetWindowObject(hwnd, this);
    auto temp = state.temporary.find(hwnd);
    if (temp != state.temporary.end())
        temp->second->m_hWnd = nullptr;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr) {
        AfxGetState().permanent.erase(hwnd);
        if (native::WindowObject(hwnd) == this)
            native::SetWindowObject(hwnd, nullptr);
    }
    m_hWnd = nullptr;
    return hwnd;
}

CWnd::CreationScope::CreationScope(CWnd* wnd) {
    // Reset() forgets the hook, so it is installed again for every window.
    native::SetCreationHook(&CWnd::TakeOverCreating);
    AfxState& state = AfxGetState();
    outer_ = state.creating;
    state.creating = wnd;
}

CWnd::CreationScope::~CreationScope() {
    AfxGetState().creating = outer_;
}

void CWnd::TakeOverCreating(HWND hwnd) {
    AfxState& state = AfxGetState();
    CWnd* wnd = state.creating;
    if (wnd == nullptr)
        return;
    state.creating = nullptr;
    wnd->Attach(hwnd);
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, kWindowProcIndex));
    wnd->superProc_ = nullptr;
    if (proc != &AfxWndProc) {
        wnd->superProc_ = proc;
        SetWindowLongPtrA(hwnd, kWindowProcIndex, reinterpret_cast<std::intptr_t>(&AfxWndProc));
    }
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId, void* param) {
    CREATESTRUCTA create{};
    create.dwExStyle = exStyle;
    create.lpszClass = className;
    create.lpszName = windowName;
    create.style = static_cast<LONG>(style);
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.hwndParent = parent;
    create.hMenu = menuOrId;
    create.hInstance = AfxGetInstanceHandle();
    create.lpCreateParams = param;
    if (!PreCreateWindow(create)) {
        PostNcDestroy();
        return FALSE;
    }

    CreationScope scope(this);
    HWND hwnd =
        CreateWindowExA(create.dwExStyle, create.lpszClass, create.lpszName,
                        static_cast<DWORD>(create.style), create.x, create.y, create.cx, create.cy,
                        create.hwndParent, create.hMenu, create.hInstance, create.lpCreateParams);
    return hwnd != nullptr ? TRUE : FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& create) {
    if (create.lpszClass == nullptr)
        create.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext* context) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, CWnd::SafeHwnd(parent),
                    reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), context);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd != nullptr || !::IsWindow(hwnd) || FromHandlePermanent(hwnd) != nullptr)
        return FALSE;
    Attach(hwnd);
    auto proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, kWindowProcIndex, reinterpret_cast<std::intptr_t>(&AfxWndProc)));
    superProc_ = proc != &AfxWndProc ? proc : nullptr;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = ::GetDlgItem(SafeHwnd(parent), static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr || FromHandlePermanent(m_hWnd) != this)
        return nullptr;
    if (superProc_ != nullptr)
        SetWindowLongPtrA(m_hWnd, kWindowProcIndex, reinterpret_cast<std::intptr_t>(superProc_));
    superProc_ = nullptr;
    return Detach();
}

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add) {
    auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(hwnd, index, static_cast<std::intptr_t>(changed));
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add);
}

std::string CWnd::GetDlgItemText(int id) const {
    HWND control = ::GetDlgItem(m_hWnd, id);
    return control != nullptr ? FromHandle(control)->GetWindowText() : std::string();
}

void CWnd::WinHelp(DWORD_PTR data, UINT command) {
    CWinApp* app = AfxGetApp();
    ::WinHelpA(m_hWnd, app != nullptr && app->m_pszHelpFilePath ? app->m_pszHelpFilePath : "",
               command, data);
}

int CWnd::OnToolHitTest(POINT point) const {
    ::ClientToScreen(m_hWnd, &point);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        int id = ::GetDlgCtrlID(child);
        if (id != 0xFFFF && ::IsWindowVisible(child) && ::GetWindowRect(child, &rect) &&
            point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
            point.y < rect.bottom)
            return id;
    }
    return -1;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(msg, wParam, lParam, &result))
        result = DefWindowProc(msg, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (superProc_ != nullptr)
        return CallWindowProcA(superProc_, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(current_.msg, current_.wParam, current_.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

std::string CWnd::GetWindowText() const {
    int length = GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return text;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam != 0)
        return OnCmdMsg(id, static_cast<int>(HIWORD(wParam)), nullptr);
    if (id == 0)
        return FALSE;
    // A menu or accelerator command whose update has disabled it since it was shown is
    // swallowed, not run.
    EnabledProbe probe(id);
    OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe);
    if (!probe.enabled)
        return TRUE;
    return OnCmdMsg(id, CN_COMMAND, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr)
        return FALSE;
    CWnd* control = FromHandlePermanent(header->hwndFrom);
    if (control != nullptr && control != this &&
        control->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    return OnNotifyMsg(static_cast<UINT>(header->idFrom), header->code, header, result);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

int CWnd::RunModalLoop() {
    continueModal_ = true;
    ++AfxGetState().modalDepth;
    while (continueModal_) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            EndModalLoop(IDCANCEL); // nothing can answer any more
            break;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            EndModalLoop(IDCANCEL);
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    --AfxGetState().modalDepth;
    return modalResult_;
}

void CWnd::EndModalLoop(int result) {
    modalResult_ = result;
    if (continueModal_) {
        continueModal_ = false;
        // The loop may be waiting for input; this wakes it to see that it has ended.
        ::PostMessageA(nullptr, WM_NULL, 0, 0);
    }
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (msg) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(wParam, lParam, result);
    case WM_CREATE:
        *result = OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    case WM_NCDESTROY:
        OnNcDestroy();
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
        return TRUE;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
               HIWORD(static_cast<std::uintptr_t>(lParam)));
        return TRUE;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return TRUE;
    case WM_QUERYOPEN:
        *result = OnQueryOpen();
        return TRUE;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return TRUE;
    case WM_SETCURSOR:
        *result =
            OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return TRUE;
    case WM_SETTINGCHANGE:
        OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_INITMENU:
        OnInitMenu(reinterpret_cast<HMENU>(wParam));
        return TRUE;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_ENTERIDLE:
        OnEnterIdle(static_cast<UINT>(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
        return TRUE;
    case WM_HELP:
        *result = OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
        return TRUE;
    case WM_CONTEXTMENU: {
        auto bits = static_cast<std::uintptr_t>(lParam);
        OnContextMenu(FromHandle(reinterpret_cast<HWND>(wParam)),
                      POINT{static_cast<short>(LOWORD(bits)), static_cast<short>(HIWORD(bits))});
        return TRUE;
    }
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return TRUE;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return TRUE;
    default:
        return FALSE;
    }
}

int CWnd::OnCreate(CREATESTRUCTA*) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnNcDestroy() {
    Default();
    Detach();
    PostNcDestroy();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnTimer(std::uintptr_t) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
BOOL CWnd::OnQueryOpen() {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSysColorChange() {
    Default();
}
void CWnd::OnSettingChange(UINT, const char*) {
    Default();
}
void CWnd::OnInitMenu(HMENU) {
    Default();
}
void CWnd::OnInitMenuPopup(HMENU, UINT, BOOL) {
    Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*) {
    Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnContextMenu(CWnd*, POINT) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
