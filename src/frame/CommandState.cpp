#include "CommandState.h"

#include "host/MvSimplePad.h"
#include "listview/CInspectrView.h"
#include "listview/Selection.h"
#include "resources/CommandIds.h"

namespace {
// Up to this many selected items are read one by one, as they are now: a change on the
// desktop that the host announces to nobody (protection) shows at once. More are read from
// the counts the selection keeps.
constexpr UINT kItemsReadOneByOne = 64;
} // namespace

ViewSnapshot TakeSnapshot(const CInspectrView& view) {
    ViewSnapshot snapshot;
    CListCtrl& list = view.List();
    if (list.GetSelectedCount() > kItemsReadOneByOne) {
        snapshot.selection = SelectionTallyOf(view);
    } else {
        for (int item : SelectedItems(view))
            snapshot.selection.Add(FactsOfRow(RowOfItem(view, item)));
    }
    snapshot.hasRoot = view.rootRow != nullptr;
    snapshot.listEmpty = list.GetItemCount() == 0;
    if (const InspectorRow* top = RowOfItem(view, 0)) {
        snapshot.topIsDesktop = top->isDesktop != 0;
        snapshot.topIsPadRow = !top->gone && !top->isDesktop && top->pad != nullptr;
        MvSimplePad* parent = snapshot.topIsPadRow ? top->pad->get_parent() : nullptr;
        snapshot.topParentOpenable =
            snapshot.hasRoot && parent != nullptr && parent->isProtected2(kProtectTools) != 1;
    }
    snapshot.topIsPadRow = snapshot.topIsPadRow && snapshot.hasRoot;
    snapshot.autoUpdate = view.autoUpdate;
    snapshot.nestedLabels = view.nestedLabels;
    snapshot.hasSelectedPads = view.selectedPads != nullptr;
    return snapshot;
}

namespace {

bool InsertReplaceEnabled(const SelectionTally& t) {
    return t.withRow == 2 && t.insertable == 2;
}

} // namespace

CommandStatus EvaluateCommand(UINT id, const ViewSnapshot& s) {
    CommandStatus status;
    switch (id) {
    case ID_EDIT_SELECT:
        status.enabled = s.selection.selectable > 0;
        break;
    case ID_EDIT_DESELECT:
        status.enabled = s.selection.deselectable > 0;
        break;
    case ID_EDIT_GEOMETRY:
        status.enabled = s.selection.padRows > 0;
        break;
    case ID_EDIT_INSERT_REPLACE:
        status.enabled = InsertReplaceEnabled(s.selection);
        break;
    case ID_EDIT_DELETE:
        status.enabled = s.selection.deletable > 0;
        break;
    case ID_EDIT_SEARCH:
        status.enabled = s.hasRoot;
        break;
    case ID_EDIT_PROPERTIES:
        status.enabled = s.hasSelectedPads;
        break;
    case ID_TOOLS_CONNECTION_EDITOR:
        status.enabled = s.selection.connectable > 0;
        break;
    case ID_TOOLS_DOCUMENT_GENERATOR: {
        status.enabled = s.selection.toolable > 0 ||
                         (!s.listEmpty && s.topIsDesktop && s.selection.withPad == 0);
        break;
    }
    case ID_OPTION_UPDATE:
        status.enabled = s.autoUpdate != 1;
        break;
    case ID_OPTION_AUTO_UPDATE:
        status.checked = s.autoUpdate == 1 ? 1 : 0;
        break;
    case ID_OPTION_NESTED_LABEL:
        status.checked = s.nestedLabels != 0 ? 1 : 0;
        break;
    case ID_EDIT_PARENT:
        status.enabled = s.hasRoot && s.topIsPadRow;
        break;
    case ID_INSPECTOR_SELECTED_PAD:
        status.enabled = s.selection.toolable > 0;
        break;
    case ID_INSPECTOR_PARENT_OF_TOP:
        status.enabled = s.topParentOpenable;
        break;
    case ID_CONTEXT_HELP:
        status.checked = s.contextHelpChecked ? 1 : 0;
        break;
    default:
        break;
    }
    return status;
}
