#include "MvInspConstDialog.h"

#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/TreeRefresh.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"

#include <algorithm>
#include <iterator>

namespace {

// The displayed columns into a view's set from position `first` on, then into its control.
void ApplyToView(CInspectrView& view, const CustomizeLists& lists, int first) {
    ColumnSet set;
    set.columnCount = std::clamp(view.columnCount, 0, kMaxColumns);
    std::copy(std::begin(view.columnIds), std::end(view.columnIds), set.columnIds);
    std::copy(std::begin(view.columnWidths), std::end(view.columnWidths), set.columnWidths);
    int widths[kMaxColumns] = {};
    for (int i = 0; i < set.columnCount; ++i)
        widths[i] = view.List().GetColumnWidth(i);
    if (!ApplyDisplayedColumns(lists, widths, first, set))
        return;
    view.columnCount = set.columnCount;
    std::copy(std::begin(set.columnIds), std::end(set.columnIds), view.columnIds);
    std::copy(std::begin(set.columnWidths), std::end(set.columnWidths), view.columnWidths);
    ApplyColumnSet(view);
}

} // namespace

// clang-format off
BEGIN_MESSAGE_MAP(MvInspConstDialog, MvInspDialog)
    ON_COMMAND_RANGE(IDC_CUSTOMIZE_ADD, IDC_CUSTOMIZE_UP, &MvInspConstDialog::OnButton)
    ON_CONTROL(LBN_DBLCLK, IDC_ITEMS, &MvInspConstDialog::OnAdd)
    ON_CONTROL(LBN_DBLCLK, IDC_DISPLAYED, &MvInspConstDialog::OnDelete)
    ON_CONTROL(LBN_SELCHANGE, IDC_ITEMS, &MvInspConstDialog::OnSelectionChange)
    ON_CONTROL(LBN_SELCHANGE, IDC_DISPLAYED, &MvInspConstDialog::OnSelectionChange)
    ON_COMMAND(IDC_CUSTOMIZE_OK, &MvInspConstDialog::OnOkButton)
    ON_COMMAND(IDC_CUSTOMIZE_CANCEL, &MvInspConstDialog::OnCancelButton)
END_MESSAGE_MAP()
// clang-format on

MvInspConstDialog::MvInspConstDialog(CMainFrame* frame)
    : MvInspDialog(IDD_CUSTOMIZE, frame), frame(frame) {}

int MvInspConstDialog::Run() {
    return RunModal() == IDOK ? 1 : 0;
}

BOOL MvInspConstDialog::OnInitDialog() {
    if (!MvInspDialog::OnInitDialog())
        return FALSE;
    displayedList.SubclassDlgItem(IDC_DISPLAYED, this);
    itemsList.SubclassDlgItem(IDC_ITEMS, this);
    const CInspectrView* view = frame->m_pInspView;
    if (view == nullptr) {
        EndDialog(-1);
        return FALSE;
    }
    ColumnSet set;
    set.columnCount = columnCount = view->columnCount;
    std::copy(std::begin(view->columnIds), std::end(view->columnIds), set.columnIds);
    lists = CustomizeLists{};
    InitCustomizeLists(lists, set, [](int id, std::string& text) {
        return inspLoadString(text, ColumnHeaderId(id));
    });
    for (const std::string& item : lists.items)
        itemsList.AddString(item.c_str());
    ShowDisplayed();
    return TRUE;
}

void MvInspConstDialog::ReadSelections() {
    lists.itemSelection = itemsList.GetCurSel();
    lists.displayedSelection = displayedList.GetCurSel();
}

void MvInspConstDialog::ShowDisplayed() {
    displayedList.ResetContent();
    for (const std::string& item : lists.displayed)
        displayedList.AddString(item.c_str());
    displayedList.SetCurSel(lists.displayedSelection);
    ShowButtons();
}

void MvInspConstDialog::ShowButtons() {
    CustomizeButtons buttons = CustomizeButtonStates(lists);
    const std::pair<UINT, bool> states[] = {{IDC_CUSTOMIZE_ADD, buttons.add},
                                            {IDC_CUSTOMIZE_DELETE, buttons.remove},
                                            {IDC_CUSTOMIZE_UP, buttons.up},
                                            {IDC_CUSTOMIZE_DOWN, buttons.down}};
    for (auto [id, enabled] : states) {
        if (CWnd* button = GetDlgItem(static_cast<int>(id)))
            button->EnableWindow(enabled ? TRUE : FALSE);
    }
}

void MvInspConstDialog::OnButton(UINT id) {
    static const std::pair<UINT, CustomizeButton> buttons[] = {
        {IDC_CUSTOMIZE_ADD, CustomizeButton::Add},
        {IDC_CUSTOMIZE_DELETE, CustomizeButton::Delete},
        {IDC_CUSTOMIZE_UP, CustomizeButton::Up},
        {IDC_CUSTOMIZE_DOWN, CustomizeButton::Down},
        {IDC_CUSTOMIZE_CLEAR, CustomizeButton::Clear},
        {IDC_CUSTOMIZE_RESET, CustomizeButton::Reset}};
    for (auto [buttonId, button] : buttons) {
        if (buttonId != id)
            continue;
        ReadSelections();
        PressCustomizeButton(lists, button);
        ShowDisplayed();
    }
}

void MvInspConstDialog::OnAdd() {
    OnButton(IDC_CUSTOMIZE_ADD);
}

void MvInspConstDialog::OnDelete() {
    OnButton(IDC_CUSTOMIZE_DELETE);
}

void MvInspConstDialog::OnSelectionChange() {
    ReadSelections();
    ShowButtons();
}

void MvInspConstDialog::OnOK() {
    MvInspDialog::OnOK();
    ReadSelections();
    CInspectrView* view = frame->m_pInspView;
    if (view == nullptr)
        return;
    ApplyToView(*view, lists, 0);
    if (view->searchFrame != nullptr && view->searchFrame->m_pInspView != nullptr)
        ApplyToView(*view->searchFrame->m_pInspView, lists, 1);
}
