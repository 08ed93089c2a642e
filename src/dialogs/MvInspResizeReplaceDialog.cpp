#include "MvInspResizeReplaceDialog.h"

#include "FrameTree.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/InspectorRow.h"
#include "platform/CDataExchange.h"
#include "platform/CommCtrl.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

#include <string>

namespace {

constexpr GeometryField kFields[] = {GeometryField::X, GeometryField::Y, GeometryField::Width,
                                     GeometryField::Height};

// The controls of one value: its edit field, label, up-down control and Arrange box.
struct FieldControls {
    int edit, label, spin, arrange;
};

FieldControls ControlsOf(GeometryField field) {
    switch (field) {
    case GeometryField::X:
        return {IDC_GEOMETRY_X, IDC_GEOMETRY_X_LABEL, IDC_GEOMETRY_X_SPIN, IDC_ARRANGE_X};
    case GeometryField::Y:
        return {IDC_GEOMETRY_Y, IDC_GEOMETRY_Y_LABEL, IDC_GEOMETRY_Y_SPIN, IDC_ARRANGE_Y};
    case GeometryField::Width:
        return {IDC_GEOMETRY_WIDTH, IDC_GEOMETRY_WIDTH_LABEL, IDC_GEOMETRY_WIDTH_SPIN,
                IDC_ARRANGE_WIDTH};
    case GeometryField::Height:
        break;
    }
    return {IDC_GEOMETRY_HEIGHT, IDC_GEOMETRY_HEIGHT_LABEL, IDC_GEOMETRY_HEIGHT_SPIN,
            IDC_ARRANGE_HEIGHT};
}

// An Arrange flag as the state of its box.
void DDX_Flag(CDataExchange* dx, int id, bool& flag) {
    int state = flag ? 1 : 0;
    DDX_Check(dx, id, state);
    if (dx->m_bSaveAndValidate)
        flag = state == 1;
}

} // namespace

BEGIN_MESSAGE_MAP(MvInspResizeReplaceDialog, MvInspDialog)
ON_BN_CLICKED(IDC_GEOMETRY_OK, &MvInspResizeReplaceDialog::OnOkButton)
ON_BN_CLICKED(IDC_GEOMETRY_CANCEL, &MvInspResizeReplaceDialog::OnCancelButton)
ON_BN_CLICKED(IDC_GEOMETRY_ABSOLUTE, &MvInspResizeReplaceDialog::OnAbsolute)
ON_BN_CLICKED(IDC_GEOMETRY_RELATIVE, &MvInspResizeReplaceDialog::OnRelative)
ON_BN_CLICKED(IDC_ARRANGE_WIDTH, &MvInspResizeReplaceDialog::OnArrangeWidth)
ON_BN_CLICKED(IDC_ARRANGE_HEIGHT, &MvInspResizeReplaceDialog::OnArrangeHeight)
ON_BN_CLICKED(IDC_ARRANGE_X, &MvInspResizeReplaceDialog::OnArrangeX)
ON_BN_CLICKED(IDC_ARRANGE_Y, &MvInspResizeReplaceDialog::OnArrangeY)
ON_BN_CLICKED(IDC_GEOMETRY_REFLECT, &MvInspResizeReplaceDialog::OnReflect)
END_MESSAGE_MAP()

MvInspResizeReplaceDialog::MvInspResizeReplaceDialog(CMainFrame& owner)
    : MvInspDialog(IDD_GEOMETRY, &owner), frame(owner) {}

MvInspResizeReplaceDialog::~MvInspResizeReplaceDialog() = default;

void MvInspResizeReplaceDialog::RunGeometry(const RowList* selectedRows) {
    if (!OpenGeometry(selectedRows, RootRow(), selection, values, RowIndexOf(frame.m_hWnd)))
        return;
    ShowValues();
    absolute = 1;
    relative = 0;
    RunModal([this](INT_PTR result) {
        if (result == IDOK)
            ApplyGeometryToPads(selection.pads.get(), values, TreeRootOf(frame), *this,
                                TreeIndexOf(frame));
    });
}

void MvInspResizeReplaceDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_GEOMETRY_X, texts.x);
    DDX_Text(dx, IDC_GEOMETRY_Y, texts.y);
    DDX_Text(dx, IDC_GEOMETRY_WIDTH, texts.width);
    DDX_Text(dx, IDC_GEOMETRY_HEIGHT, texts.height);
    DDX_Check(dx, IDC_GEOMETRY_ABSOLUTE, absolute);
    DDX_Check(dx, IDC_GEOMETRY_RELATIVE, relative);
    for (GeometryField field : kFields)
        DDX_Flag(dx, ControlsOf(field).arrange, values.arrange[static_cast<int>(field)]);
}

BOOL MvInspResizeReplaceDialog::OnInitDialog() {
    if (!MvInspDialog::OnInitDialog())
        return FALSE;
    const bool several = ArrangeBoxesEnabled(selection);
    InspectorRow* root = RootRow();
    for (GeometryField field : kFields) {
        EnableControl(ControlsOf(field).arrange, several);
        EnableField(field, GeometryFieldEnabled(selection, values, field, root));
    }
    const LPARAM position = MAKELONG(static_cast<WORD>(16383), static_cast<WORD>(-16383));
    const LPARAM size = MAKELONG(static_cast<WORD>(8192), static_cast<WORD>(1));
    SendDlgItemMessage(IDC_GEOMETRY_X_SPIN, UDM_SETRANGE, 0, position);
    SendDlgItemMessage(IDC_GEOMETRY_Y_SPIN, UDM_SETRANGE, 0, position);
    SendDlgItemMessage(IDC_GEOMETRY_WIDTH_SPIN, UDM_SETRANGE, 0, size);
    SendDlgItemMessage(IDC_GEOMETRY_HEIGHT_SPIN, UDM_SETRANGE, 0, size);
    return TRUE;
}

void MvInspResizeReplaceDialog::OnOK() {
    if (UpdateData(TRUE) && ReadyToApply())
        EndDialog(IDOK);
}

void MvInspResizeReplaceDialog::OnReflect() {
    if (!UpdateData(TRUE) || !ReadyToApply())
        return;
    const bool stay =
        ReflectGeometry(selection, values, TreeRootOf(frame), *this, TreeIndexOf(frame));
    if (RootRow() != nullptr)
        ShowValues();
    // Every pad gone, or the whole tree: there is nothing left to act on.
    if (!stay)
        EndDialog(0);
}

bool MvInspResizeReplaceDialog::ReadyToApply() {
    GeometryCheck check = CheckGeometry(texts, selection, values, *this);
    if (check.focus)
        FocusControl(ControlsOf(*check.focus).edit);
    return check.proceed;
}

void MvInspResizeReplaceDialog::OnAbsolute() {
    SwitchMode(CoordinateMode::Absolute);
}

void MvInspResizeReplaceDialog::OnRelative() {
    SwitchMode(CoordinateMode::Relative);
}

void MvInspResizeReplaceDialog::SwitchMode(CoordinateMode mode) {
    // The radio buttons check themselves: a refused switch puts them back.
    const CoordinateMode before = values.mode;
    if (!UpdateData(TRUE)) {
        ShowMode(before);
        return;
    }
    if (std::optional<GeometryFailure> failure = SwitchGeometryMode(
            texts, mode, selection, RootRow(), values, RowIndexOf(frame.m_hWnd))) {
        Warn(failure->messageId);
        FocusControl(ControlsOf(failure->field).edit);
        ShowMode(before);
        return;
    }
    ShowMode(values.mode);
    if (values.mode != before) {
        SetDlgItemInt(IDC_GEOMETRY_X, static_cast<UINT>(values.x), TRUE);
        SetDlgItemInt(IDC_GEOMETRY_Y, static_cast<UINT>(values.y), TRUE);
    }
}

void MvInspResizeReplaceDialog::OnArrangeX() {
    ToggleField(GeometryField::X);
}
void MvInspResizeReplaceDialog::OnArrangeY() {
    ToggleField(GeometryField::Y);
}
void MvInspResizeReplaceDialog::OnArrangeWidth() {
    ToggleField(GeometryField::Width);
}
void MvInspResizeReplaceDialog::OnArrangeHeight() {
    ToggleField(GeometryField::Height);
}

void MvInspResizeReplaceDialog::ToggleField(GeometryField field) {
    if (!UpdateData(TRUE))
        return;
    if (std::optional<GeometryFailure> failure = ToggleArrange(texts, field, values)) {
        Warn(failure->messageId);
        FocusControl(ControlsOf(failure->field).edit);
        return;
    }
    CheckDlgButton(ControlsOf(field).arrange, values.Arranged(field) ? 1 : 0);
    EnableField(
        field, GeometryFieldEnabled(selection, values, field, RootRow(), RowIndexOf(frame.m_hWnd)));
}

void MvInspResizeReplaceDialog::EnableField(GeometryField field, bool enable) {
    const FieldControls controls = ControlsOf(field);
    for (int id : {controls.edit, controls.label, controls.spin})
        EnableControl(id, enable);
}

void MvInspResizeReplaceDialog::ShowMode(CoordinateMode mode) {
    CheckRadioButton(IDC_GEOMETRY_ABSOLUTE, IDC_GEOMETRY_RELATIVE,
                     mode == CoordinateMode::Absolute ? IDC_GEOMETRY_ABSOLUTE
                                                      : IDC_GEOMETRY_RELATIVE);
}

// X and Y signed, width and height unsigned, into the texts and, while the dialog is open,
// its fields.
void MvInspResizeReplaceDialog::ShowValues() {
    texts = {std::to_string(values.x), std::to_string(values.y), std::to_string(values.width),
             std::to_string(values.height)};
    if (m_hWnd == nullptr)
        return;
    SetDlgItemText(IDC_GEOMETRY_X, texts.x.c_str());
    SetDlgItemText(IDC_GEOMETRY_Y, texts.y.c_str());
    SetDlgItemText(IDC_GEOMETRY_WIDTH, texts.width.c_str());
    SetDlgItemText(IDC_GEOMETRY_HEIGHT, texts.height.c_str());
}

void MvInspResizeReplaceDialog::Warn(unsigned messageId) {
    if (m_hWnd != nullptr)
        DialogWarning(messageId);
    else
        frame.ShowWarning(messageId);
}

bool MvInspResizeReplaceDialog::Ask(unsigned messageId) {
    return DialogQuestion(messageId);
}

InspectorRow* MvInspResizeReplaceDialog::RootRow() const {
    CInspectrView* view = LiveViewOf(frame.m_hWnd);
    return view != nullptr ? view->rootRow.get() : nullptr;
}
