#include "MvInspDialog.h"

#include "service/ModalBracket.h"

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

void MvInspDialog::OnOkButton() {
    OnOK();
}

void MvInspDialog::OnCancelButton() {
    if (UpdateData(TRUE))
        EndDialog(IDCANCEL);
}
