#include "MvInspDialog.h"

#include "ContextHelp.h"
#include "platform/Afx.h"
#include "platform/WinMenu.h"
#include "resources/CommandIds.h"
#include "resources/ResourceIds.h"
#include "service/ModalBracket.h"
#include "service/ResourceHelpers.h"

// clang-format off
BEGIN_MESSAGE_MAP(MvInspDialog, CDialog)
    ON_COMMAND(ID_WHATS_THIS, &MvInspDialog::OnWhatsThis)
END_MESSAGE_MAP()
// clang-format on

MvInspDialog::MvInspDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

INT_PTR MvInspDialog::RunModal(const std::function<void(INT_PTR result)>& inside) {
    ModalBracket bracket(ModalBracket::Resources::Module);
    INT_PTR result = DoModal();
    if (inside)
        inside(result);
    return result;
}

int MvInspDialog::DialogMessageBox(UINT stringId, UINT style) {
    return inspModalMessage(m_hWnd, stringId, style);
}

void MvInspDialog::DialogWarning(UINT stringId) {
    DialogMessageBox(stringId, MB_OK | MB_ICONEXCLAMATION);
}

bool MvInspDialog::DialogQuestion(UINT stringId) {
    return DialogMessageBox(stringId, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool MvInspDialog::DialogConfirmation(UINT stringId) {
    return DialogMessageBox(stringId, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

void MvInspDialog::EnableControl(int id, bool enable) {
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (control == nullptr)
        return;
    if (!enable && ::GetFocus() == control)
        NextDlgCtrl();
    ::EnableWindow(control, enable ? TRUE : FALSE);
}

void MvInspDialog::FocusControl(int id) {
    if (HWND control = ::GetDlgItem(m_hWnd, id))
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void MvInspDialog::OnOkButton() {
    OnOK();
}

void MvInspDialog::OnCancelButton() {
    if (UpdateData(TRUE))
        EndDialog(IDCANCEL);
}

BOOL MvInspDialog::OnInitDialog() {
    ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    return CDialog::OnInitDialog();
}

BOOL MvInspDialog::PreTranslateMessage(MSG* msg) {
    bool rightUp = msg->message == WM_RBUTTONUP;
    if ((rightUp || msg->message == WM_CONTEXTMENU) && msg->hwnd != m_hWnd &&
        ::IsChild(m_hWnd, msg->hwnd) &&
        (::SendMessageA(msg->hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        auto bits = static_cast<std::uintptr_t>(msg->lParam);
        POINT point{static_cast<short>(LOWORD(bits)), static_cast<short>(HIWORD(bits))};
        if (rightUp)
            ::ClientToScreen(msg->hwnd, &point);
        OnContextMenu(FromHandle(msg->hwnd), point);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

BOOL MvInspDialog::OnHelpInfo(HELPINFO* info) {
    return info != nullptr && inspShowControlTopic(this, info->iCtrlId) ? TRUE : FALSE;
}

void MvInspDialog::OnContextMenu(CWnd*, POINT point) {
    int id = -1;
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: the control with the focus, the menu at the cursor.
        HWND focus = ::GetFocus();
        id = focus != nullptr ? ::GetDlgCtrlID(focus) : 0;
        if (id == 0)
            return;
        ::GetCursorPos(&point);
    } else {
        POINT client = point;
        ::ScreenToClient(m_hWnd, &client);
        RECT area{};
        GetClientRect(&area);
        if (client.x < area.left || client.x >= area.right || client.y < area.top ||
            client.y >= area.bottom) {
            Default();
            return;
        }
        id = OnToolHitTest(client);
        if (id == -1)
            return;
    }
    whatsThisId = id;
    HMENU menu = nullptr;
    {
        ModuleResourceScope resources;
        menu = ::LoadMenuA(AfxGetResourceHandle(), IDR_CONTEXTMENU);
    }
    if (menu == nullptr)
        return;
    ::TrackPopupMenu(::GetSubMenu(menu, CONTEXT_POPUP_DIALOG), TPM_RIGHTBUTTON, point.x, point.y, 0,
                     m_hWnd, nullptr);
    ::DestroyMenu(menu);
}

void MvInspDialog::OnWhatsThis() {
    inspShowControlTopic(nullptr, whatsThisId);
}
