#include "CDataExchange.h"

#include "CWnd.h"

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    lastControl_ = ::GetDlgItem(CWnd::SafeHwnd(m_pDlgWnd), id);
    lastIsEdit_ = false;
    return lastControl_;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    lastIsEdit_ = true;
    return control;
}

void CDataExchange::Fail() {
    failed_ = true;
    if (!m_bSaveAndValidate || lastControl_ == nullptr)
        return;
    HWND dialog = CWnd::SafeHwnd(m_pDlgWnd);
    ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(lastControl_), TRUE);
    if (lastIsEdit_)
        ::SendMessageA(lastControl_, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    if (dx->Failed())
        return;
    HWND control = dx->PrepareEditCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = CWnd::FromHandle(control)->GetWindowText();
    else
        ::SetWindowTextA(control, value.c_str());
}

void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value) {
    if (dx->Failed())
        return;
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate) {
        value = CWnd::FromHandle(control)->GetWindowText();
        return;
    }
    // Compared here rather than by CB_FINDSTRINGEXACT, which ignores case and finds no empty
    // item.
    auto count = static_cast<int>(::SendMessageA(control, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        auto length = ::SendMessageA(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0 || static_cast<size_t>(length) != value.size())
            continue;
        std::string text(static_cast<size_t>(length) + 1, '\0');
        ::SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(text.data()));
        if (text.compare(0, value.size(), value) == 0) {
            ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            return;
        }
    }
    ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    if (dx->Failed())
        return;
    HWND control = dx->PrepareCtrl(id);
    if (control == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, value >= 0 && value <= 2 ? value : 0, 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    if (dx->Failed())
        return;
    HWND first = dx->PrepareCtrl(id);
    if (first == nullptr)
        return;
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND control = first; control != nullptr; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (::GetWindowLongPtrA(control, GWL_STYLE) & WS_GROUP) != 0)
            break;
        if ((::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0)
            continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (dx->Failed() || control.m_hWnd != nullptr)
        return;
    control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}
