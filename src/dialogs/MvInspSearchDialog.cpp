#include "MvInspSearchDialog.h"

#include "FrameTree.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/InspectorRow.h"
#include "listview/SearchResults.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

namespace {

// A slot row's controls follow its check box: name, type, value.
constexpr int kSlotRowStride = IDC_SEARCH_SLOT2_CHECK - IDC_SEARCH_SLOT1_CHECK;

int SlotCheck(int row) {
    return IDC_SEARCH_SLOT1_CHECK + row * kSlotRowStride;
}

// The type lists are not translated.
const char* const kSlotTypes[] = {"Number", "String", "Boolean", "Dictionary", "Command", ""};

struct Condition {
    int check;
    int firstField;
    int lastField;
};

const Condition kConditions[] = {
    {IDC_SEARCH_LABEL_CHECK, IDC_SEARCH_LABEL, IDC_SEARCH_LABEL},
    {IDC_SEARCH_PAD_NAME_CHECK, IDC_SEARCH_PAD_NAME, IDC_SEARCH_PAD_NAME},
    {IDC_SEARCH_PAD_ID_CHECK, IDC_SEARCH_PAD_ID, IDC_SEARCH_PAD_ID},
    {IDC_SEARCH_MEMO_CHECK, IDC_SEARCH_MEMO, IDC_SEARCH_MEMO},
    {IDC_SEARCH_SLOT1_CHECK, IDC_SEARCH_SLOT1_NAME, IDC_SEARCH_SLOT1_VALUE},
    {IDC_SEARCH_SLOT2_CHECK, IDC_SEARCH_SLOT2_NAME, IDC_SEARCH_SLOT2_VALUE},
    {IDC_SEARCH_SLOT3_CHECK, IDC_SEARCH_SLOT3_NAME, IDC_SEARCH_SLOT3_VALUE},
};

} // namespace

BEGIN_MESSAGE_MAP(MvInspSearchDialog, MvInspDialog)
ON_COMMAND(IDC_SEARCH_OK, &MvInspSearchDialog::OnOkButton)
ON_COMMAND(IDC_SEARCH_CANCEL, &MvInspSearchDialog::OnCancelButton)
ON_COMMAND(IDC_SEARCH_LABEL_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_PAD_NAME_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_PAD_ID_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_MEMO_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_SLOT1_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_SLOT2_CHECK, &MvInspSearchDialog::OnConditionBox)
ON_COMMAND(IDC_SEARCH_SLOT3_CHECK, &MvInspSearchDialog::OnConditionBox)
END_MESSAGE_MAP()

MvInspSearchDialog::MvInspSearchDialog(CMainFrame* frame)
    : MvInspDialog(IDD_SEARCH, frame), frame_(frame) {}

void MvInspSearchDialog::DoDataExchange(CDataExchange* dx) {
    SearchConditions& c = conditions;
    DDX_Check(dx, IDC_SEARCH_LABEL_CHECK, c.labelChecked);
    DDX_Text(dx, IDC_SEARCH_LABEL, c.label);
    DDX_Check(dx, IDC_SEARCH_PAD_NAME_CHECK, c.padNameChecked);
    DDX_Text(dx, IDC_SEARCH_PAD_NAME, c.padName);
    DDX_Check(dx, IDC_SEARCH_PAD_ID_CHECK, c.padIdChecked);
    DDX_Text(dx, IDC_SEARCH_PAD_ID, c.padId);
    DDX_Check(dx, IDC_SEARCH_MEMO_CHECK, c.memoChecked);
    DDX_Text(dx, IDC_SEARCH_MEMO, c.memo);
    for (int row = 0; row < SearchConditions::kSlotRows; ++row) {
        DDX_Check(dx, SlotCheck(row), c.slotChecked[row]);
        DDX_Text(dx, SlotCheck(row) + 1, c.slotName[row]);
        DDX_CBStringExact(dx, SlotCheck(row) + 2, c.slotType[row]);
        DDX_Text(dx, SlotCheck(row) + 3, c.slotValue[row]);
    }
}

BOOL MvInspSearchDialog::OnInitDialog() {
    for (int row = 0; row < SearchConditions::kSlotRows; ++row) {
        for (const char* type : kSlotTypes)
            SendDlgItemMessage(SlotCheck(row) + 2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type));
    }
    if (!MvInspDialog::OnInitDialog())
        return FALSE;
    EnableFields();
    return TRUE;
}

void MvInspSearchDialog::OnConditionBox() {
    UpdateData(TRUE);
    EnableFields();
}

void MvInspSearchDialog::EnableFields() {
    for (const Condition& condition : kConditions) {
        bool checked = IsDlgButtonChecked(condition.check) != 0;
        for (int id = condition.firstField; id <= condition.lastField; ++id)
            EnableControl(id, checked);
    }
}

void MvInspSearchDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    if (!SearchConditionsValid(conditions)) {
        DialogWarning(IDS_NO_CONDITION);
        return;
    }
    EndDialog(IDOK);
}

void MvInspSearchDialog::Run() {
    // The Inspector may close while the dialog waits; it is found again through its window.
    HWND frameWindow = frame_->m_hWnd;
    std::unique_ptr<RowList> hits;
    RunModal([&](INT_PTR result) {
        CInspectrView* view = LiveViewOf(frameWindow);
        if (result != IDOK || view == nullptr)
            return;
        {
            CWaitCursor wait;
            hits = CollectHits(view->rootRow.get(), conditions);
        }
        if (hits->head != nullptr)
            return;
        frame_->ShowWarning(IDS_PAD_NOT_FOUND);
        CloseResults(*view);
    });
    // Shown once the bracket is closed: the new window is no modal window.
    if (hits && hits->head != nullptr && LiveViewOf(frameWindow) != nullptr) {
        CWaitCursor wait;
        frame_->ShowSearchResults(std::move(hits));
    }
}
