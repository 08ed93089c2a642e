#include "MvInspDragDialog.h"

#include "ContextHelp.h"
#include "FrameTree.h"
#include "InsertReplaceRules.h"
#include "frame/CMainFrame.h"
#include "host/MvSimplePad.h"
#include "platform/CDataExchange.h"
#include "platform/CommCtrl.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"

#include <string>

namespace {

// The eleven radio buttons: which of the request's three choices each sets, and to what.
enum class Choice { Kind, Position, Size };
struct RadioButton {
    unsigned id;
    Choice choice;
    int value;
};
const RadioButton kRadioButtons[] = {
    {IDC_INSERT_AS_PARENT, Choice::Kind, static_cast<int>(PasteKind::InsertAsParent)},
    {IDC_INSERT_AS_CHILD, Choice::Kind, static_cast<int>(PasteKind::InsertAsChild)},
    {IDC_REPLACE, Choice::Kind, static_cast<int>(PasteKind::Replace)},
    {IDC_PARENT_POSITION, Choice::Position, static_cast<int>(PositionChoice::ParentPosition)},
    {IDC_CHILD_POSITION, Choice::Position, static_cast<int>(PositionChoice::ChildPosition)},
    {IDC_NOT_MOVE, Choice::Position, static_cast<int>(PositionChoice::NotMove)},
    {IDC_MOVE_TO, Choice::Position, static_cast<int>(PositionChoice::MoveTo)},
    {IDC_PARENT_SIZE, Choice::Size, static_cast<int>(SizeChoice::ParentSize)},
    {IDC_CHILD_SIZE, Choice::Size, static_cast<int>(SizeChoice::ChildSize)},
    {IDC_NOT_RESIZE, Choice::Size, static_cast<int>(SizeChoice::NotResize)},
    {IDC_RESIZE_TO, Choice::Size, static_cast<int>(SizeChoice::ResizeTo)},
};

bool IsChecked(const PasteRequest& request, const RadioButton& button) {
    switch (button.choice) {
    case Choice::Kind:
        return static_cast<int>(request.kind) == button.value;
    case Choice::Position:
        return static_cast<int>(request.position) == button.value;
    case Choice::Size:
        return static_cast<int>(request.size) == button.value;
    }
    return false;
}

// The button's handler: true when the preview follows.
bool Choose(PasteRequest& request, const RadioButton& button) {
    switch (button.choice) {
    case Choice::Kind:
        return ChooseKind(request, static_cast<PasteKind>(button.value));
    case Choice::Position:
        return ChoosePosition(request, static_cast<PositionChoice>(button.value));
    case Choice::Size:
        return ChooseSize(request, static_cast<SizeChoice>(button.value));
    }
    return false;
}

unsigned FieldId(GeometryField field) {
    switch (field) {
    case GeometryField::X:
        return IDC_MOVE_X;
    case GeometryField::Y:
        return IDC_MOVE_Y;
    case GeometryField::Width:
        return IDC_RESIZE_WIDTH;
    case GeometryField::Height:
        return IDC_RESIZE_HEIGHT;
    }
    return IDC_MOVE_X;
}

} // namespace

BEGIN_MESSAGE_MAP(MvInspDragDialog, MvInspDialog)
ON_BN_CLICKED(IDC_INSERT_OK, &MvInspDragDialog::OnOkButton)
ON_BN_CLICKED(IDC_INSERT_CANCEL, &MvInspDragDialog::OnCancelButton)
ON_COMMAND_RANGE(IDC_INSERT_AS_PARENT, IDC_REPLACE, &MvInspDragDialog::OnRadioButton)
ON_COMMAND_RANGE(IDC_NOT_MOVE, IDC_MOVE_TO, &MvInspDragDialog::OnRadioButton)
ON_COMMAND_RANGE(IDC_NOT_RESIZE, IDC_RESIZE_TO, &MvInspDragDialog::OnRadioButton)
END_MESSAGE_MAP()

MvInspDragDialog::MvInspDragDialog(CMainFrame* owner)
    : MvInspDialog(IDD_INSERT_REPLACE, owner), frame(owner), root_(TreeRootOf(*owner)) {}

int MvInspDragDialog::Run(MvSimplePad* from, MvSimplePad* to) {
    topReplaced = RunInsertReplace(
        request, from, to, frame->m_bSearchFrame != 0, [this] { return RunModal() == IDOK; }, root_,
        *this);
    return topReplaced;
}

void MvInspDragDialog::DoDataExchange(CDataExchange* dx) {
    MvInspDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_KIND_DESCRIPTION, kindDescription);
    DDX_Control(dx, IDC_FROM_LABEL, fromLabel);
    DDX_Control(dx, IDC_TO_LABEL, toLabel);
    DDX_Control(dx, IDC_RESIZE_WIDTH, widthField);
    DDX_Control(dx, IDC_RESIZE_HEIGHT, heightField);
    DDX_Control(dx, IDC_MOVE_Y, yField);
    DDX_Control(dx, IDC_MOVE_X, xField);
}

BOOL MvInspDragDialog::OnInitDialog() {
    if (!MvInspDialog::OnInitDialog())
        return FALSE;
    for (unsigned spin : {IDC_MOVE_X_SPIN, IDC_MOVE_Y_SPIN})
        SendDlgItemMessage(spin, UDM_SETRANGE32, static_cast<WPARAM>(-16383), 16383);
    for (unsigned spin : {IDC_RESIZE_WIDTH_SPIN, IDC_RESIZE_HEIGHT_SPIN})
        SendDlgItemMessage(spin, UDM_SETRANGE32, 1, 8192);
    ApplyKindRule(request);
    ShowChoices();
    const char* fromName = request.from->get_own_name();
    const char* toName = request.to->get_own_name();
    SetDlgItemText(IDC_FROM_LABEL, fromName != nullptr ? fromName : "");
    SetDlgItemText(IDC_TO_LABEL, toName != nullptr ? toName : "");
    ShowPreview();
    return TRUE;
}

int MvInspDragDialog::OnToolHitTest(POINT point) const {
    int id = InsertReplaceToolHit(m_hWnd, point);
    return id != -1 ? id : MvInspDialog::OnToolHitTest(point);
}

void MvInspDragDialog::OnRadioButton(UINT id) {
    for (const RadioButton& button : kRadioButtons) {
        if (button.id == id && PadsLeft()) {
            bool preview = Choose(request, button);
            ShowChoices();
            if (preview)
                ShowPreview();
        }
    }
}

void MvInspDragDialog::OnOK() {
    if (!PadsLeft())
        return;
    for (const RadioButton& button : kRadioButtons)
        if (IsDlgButtonChecked(static_cast<int>(button.id)) == BST_CHECKED)
            Choose(request, button);
    InsertReplaceCheck check = ConfirmInsertReplace(request, Typed(), *this);
    if (check.focus)
        GotoDlgCtrl(GetDlgItem(static_cast<int>(FieldId(*check.focus))));
    if (check.proceed)
        EndDialog(IDOK);
}

bool MvInspDragDialog::PadsLeft() {
    if (PastePadsInTree(request, root_()))
        return true;
    EndDialog(IDCANCEL);
    return false;
}

void MvInspDragDialog::ShowChoices() {
    for (const RadioButton& button : kRadioButtons)
        CheckDlgButton(static_cast<int>(button.id),
                       IsChecked(request, button) ? BST_CHECKED : BST_UNCHECKED);
    for (const ControlEnabled& control : InsertReplaceEnabling(request))
        if (CWnd* item = GetDlgItem(static_cast<int>(control.id)))
            item->EnableWindow(control.enabled);
    std::string description;
    inspLoadString(description, KindDescriptionOf(request.kind));
    SetDlgItemText(IDC_KIND_DESCRIPTION, description.c_str());
}

void MvInspDragDialog::ShowPreview() {
    GeometryTexts shown = PreviewInsertReplace(request, Typed());
    SetDlgItemText(IDC_MOVE_X, shown.x.c_str());
    SetDlgItemText(IDC_MOVE_Y, shown.y.c_str());
    SetDlgItemText(IDC_RESIZE_WIDTH, shown.width.c_str());
    SetDlgItemText(IDC_RESIZE_HEIGHT, shown.height.c_str());
}

GeometryTexts MvInspDragDialog::Typed() const {
    return {GetDlgItemText(IDC_MOVE_X), GetDlgItemText(IDC_MOVE_Y),
            GetDlgItemText(IDC_RESIZE_WIDTH), GetDlgItemText(IDC_RESIZE_HEIGHT)};
}

bool MvInspDragDialog::Confirm(unsigned messageId) {
    return DialogConfirmation(messageId);
}

void MvInspDragDialog::Inform(unsigned messageId) {
    // After the dialog has closed, the loop message belongs to the Inspector.
    if (m_hWnd != nullptr)
        DialogWarning(messageId);
    else
        frame->ShowWarning(messageId);
}
