#include "CDialog.h"

#include "Afx.h"
#include "CDataExchange.h"
#include "WinResources.h"

namespace {

// The framework handles every message in the dialog's object; the dialog procedure has
// nothing left to do.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

bool IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSKEYUP) ||
           (message >= WM_MOUSEMOVE && message <= WM_RBUTTONDBLCLK);
}

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()
// clang-format on

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

HWND CDialog::OwnerWindow() const {
    HWND owner = SafeHwnd(m_pParentWnd);
    if (owner == nullptr)
        owner = ::GetActiveWindow();
    while (owner != nullptr && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD) != 0)
        owner = ::GetParent(owner);
    return owner;
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate* dialog, HWND owner) {
    if (dialog == nullptr)
        return FALSE;
    CreationScope scope(this);
    HWND hwnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), dialog, owner, AfxDlgProc, 0);
    return hwnd != nullptr ? TRUE : FALSE;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(FindDialogResource(AfxGetResourceHandle(), templateId),
                              OwnerWindow());
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialog = FindDialogResource(AfxGetResourceHandle(), m_nIDTemplate);
    if (dialog == nullptr || m_hWnd != nullptr)
        return -1;
    HWND owner = OwnerWindow();
    bool enableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (enableOwner)
        ::EnableWindow(owner, FALSE);

    // EndDialog may come during OnInitDialog already; the loop is then not entered.
    continueModal_ = true;
    modalResult_ = -1;
    if (CreateFromTemplate(dialog, owner) && continueModal_) {
        ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    continueModal_ = false;

    // The owner takes the activation back before the dialog hides: hidden while active, the
    // dialog would hand it to whatever window could take it, never to its still disabled owner.
    if (enableOwner && ::IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    if (owner != nullptr && ::IsWindow(owner) &&
        (m_hWnd == nullptr || ::GetActiveWindow() == m_hWnd))
        ::SetActiveWindow(owner);
    if (m_hWnd != nullptr)
        ShowWindow(SW_HIDE);
    DestroyWindow();
    return modalResult_;
}

void CDialog::EndDialog(int result) {
    if (continueModal_)
        EndModalLoop(result);
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control != nullptr)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

void CDialog::SetDefID(UINT id) {
    ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (m_hWnd != nullptr && IsInput(msg->message) && ::IsDialogMessageA(m_hWnd, msg))
        return TRUE;
    return CWnd::PreTranslateMessage(msg);
}

BOOL CDialog::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(msg, wParam, lParam, result);
}

void CDialog::OnNcDestroy() {
    // Destroyed while its modal loop runs (its owner went): the loop ends, the run failed.
    if (continueModal_)
        EndModalLoop(-1);
    CWnd::OnNcDestroy();
}
