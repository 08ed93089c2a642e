#include "MvInspRemoveDialog.h"

#include "FrameDeleteScope.h"
#include "frame/CMainFrame.h"
#include "platform/CDataExchange.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "service/InspectorExports.h"

BEGIN_MESSAGE_MAP(MvInspRemoveDialog, MvInspDialog)
ON_BN_CLICKED(IDC_DELETE_ONE, &MvInspRemoveDialog::OnDelete)
ON_BN_CLICKED(IDC_DELETE_CANCEL, &MvInspRemoveDialog::OnCancelButton)
ON_BN_CLICKED(IDC_DELETE_ALL, &MvInspRemoveDialog::OnDeleteAll)
ON_BN_CLICKED(IDC_DELETE_NEXT, &MvInspRemoveDialog::OnNext)
END_MESSAGE_MAP()

MvInspRemoveDialog::MvInspRemoveDialog(CMainFrame& owner)
    : MvInspDialog(IDD_DELETE, &owner), frame(owner) {}

MvInspRemoveDialog::~MvInspRemoveDialog() = default;

void MvInspRemoveDialog::RunDelete(const RowList* selectedRows) {
    FrameDeleteScope scope(frame);
    DeleteRun deleteRun(scope);
    const DeleteRun::Start start = deleteRun.Begin(selectedRows);
    if (start == DeleteRun::Start::Nothing)
        return;
    if (start == DeleteRun::Start::OfferAfterWarning)
        frame.ShowWarning(IDS_CANNOT_DELETE);
    run = &deleteRun;
    deleteChildren = 1;
    // An Inspector closed while the warning waited offers nothing; its run still ends.
    const INT_PTR result = frame.m_hWnd != nullptr ? RunModal() : DeleteRun::kEndCancel;
    run = nullptr;
    ActivateInspector();
    deleteRun.Finish(static_cast<int>(result), deleteChildren != 0);
}

void MvInspRemoveDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_DELETE_LABEL, labelText);
    DDX_Check(dx, IDC_DELETE_CHILDREN, deleteChildren);
}

BOOL MvInspRemoveDialog::OnInitDialog() {
    if (!MvInspDialog::OnInitDialog())
        return FALSE;
    ShowCandidate();
    return TRUE;
}

void MvInspRemoveDialog::ShowCandidate() {
    if (run == nullptr)
        return;
    labelText = run->Label();
    deleteChildren = 1;
    UpdateData(FALSE);
    EnableControl(IDC_DELETE_CHILDREN, run->ChildBoxEnabled());
    if (run->SingleCandidate()) {
        EnableControl(IDC_DELETE_ALL, false);
        EnableControl(IDC_DELETE_NEXT, false);
    }
}

void MvInspRemoveDialog::OnDelete() {
    if (run != nullptr && UpdateData(TRUE))
        Follow(run->Delete(deleteChildren != 0), DeleteRun::kEndDeleted);
}

void MvInspRemoveDialog::OnNext() {
    if (run != nullptr && UpdateData(TRUE))
        Follow(run->Next(), DeleteRun::kEndNext);
}

void MvInspRemoveDialog::OnDeleteAll() {
    // The pads go after the dialog has closed, with Delete Child Pads as it is now.
    if (UpdateData(TRUE) && DialogConfirmation(IDS_DELETE_ALL))
        EndDialog(DeleteRun::kEndDeleteAll);
}

void MvInspRemoveDialog::Follow(DeleteRun::Step step, int endCode) {
    switch (step) {
    case DeleteRun::Step::Stay:
        break;
    case DeleteRun::Step::ShowNext:
        ShowCandidate();
        break;
    case DeleteRun::Step::End:
        EndDialog(endCode);
        break;
    }
}
