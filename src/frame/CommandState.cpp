#include "CommandState.h"

#include "host/MvSimplePad.h"
#include "listview/CInspectrView.h"
#include "listview/Selection.h"
#include "resources/CommandIds.h"

#include <algorithm>
#include <cstring>

bool IsExcludedClass(const char* className) {
    if (className == nullptr)
        return false;
    for (const char* excluded :
         {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"}) {
        if (std::strcmp(className, excluded) == 0)
            return true;
    }
    return false;
}

ViewSnapshot TakeSnapshot(const CInspectrView& view) {
    ViewSnapshot snapshot;
    CListCtrl& list = view.List();
    for (int item = list.GetNextItem(-1, LVNI_SELECTED); item != -1;
         item = list.GetNextItem(item, LVNI_SELECTED)) {
        ViewSnapshot::Selected facts;
        const InspectorRow* row = RowOfItem(view, item);
        facts.hasRow = row != nullptr;
        if (row != nullptr) {
            facts.padRow = !row->gone && !row->isDesktop;
            MvSimplePad* pad = row->pad;
            facts.hasPad = pad != nullptr;
            if (pad != nullptr && !row->gone) {
                facts.groupDepth = pad->get_groupDepth();
                facts.desktopSelected = pad->isSelected() != 0;
                facts.deleteProtected = (pad->get_protection() & kProtectDelete) != 0;
                facts.insertProtected = pad->isProtected2(kProtectInsertReplace) == 1;
                facts.toolProtected = pad->isProtected2(kProtectTools) == 1;
                facts.excludedClass = IsExcludedClass(pad->get_class_name());
            }
        }
        snapshot.selected.push_back(facts);
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

using Facts = ViewSnapshot::Selected;

template <typename Test> bool AnyPadRow(const ViewSnapshot& s, Test test) {
    return std::any_of(s.selected.begin(), s.selected.end(),
                       [&](const Facts& f) { return f.padRow && f.hasPad && test(f); });
}

bool InsertReplaceEnabled(const ViewSnapshot& s) {
    int selected = 0;
    int eligible = 0;
    for (const Facts& f : s.selected) {
        if (!f.hasRow)
            continue;
        ++selected;
        if (f.padRow && f.hasPad && !f.insertProtected && !f.excludedClass && ++eligible > 2)
            break;
    }
    return selected == 2 && eligible == 2;
}

} // namespace

CommandStatus EvaluateCommand(UINT id, const ViewSnapshot& s) {
    CommandStatus status;
    switch (id) {
    case ID_EDIT_SELECT:
        status.enabled =
            AnyPadRow(s, [](const Facts& f) { return f.groupDepth <= 0 && !f.desktopSelected; });
        break;
    case ID_EDIT_DESELECT:
        status.enabled =
            AnyPadRow(s, [](const Facts& f) { return f.groupDepth <= 0 && f.desktopSelected; });
        break;
    case ID_EDIT_GEOMETRY:
        status.enabled = std::any_of(s.selected.begin(), s.selected.end(),
                                     [](const Facts& f) { return f.padRow; });
        break;
    case ID_EDIT_INSERT_REPLACE:
        status.enabled = InsertReplaceEnabled(s);
        break;
    case ID_EDIT_DELETE:
        status.enabled =
            AnyPadRow(s, [](const Facts& f) { return f.groupDepth <= 0 && !f.deleteProtected; });
        break;
    case ID_EDIT_SEARCH:
        status.enabled = s.hasRoot;
        break;
    case ID_EDIT_PROPERTIES:
        status.enabled = s.hasSelectedPads;
        break;
    case ID_TOOLS_CONNECTION_EDITOR:
        status.enabled =
            AnyPadRow(s, [](const Facts& f) { return !f.toolProtected && !f.excludedClass; });
        break;
    case ID_TOOLS_DOCUMENT_GENERATOR: {
        bool anyPadRow = AnyPadRow(s, [](const Facts&) { return true; });
        status.enabled = AnyPadRow(s, [](const Facts& f) { return !f.toolProtected; }) ||
                         (!s.listEmpty && s.topIsDesktop && !anyPadRow);
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
        status.enabled =
            !s.selected.empty() && AnyPadRow(s, [](const Facts& f) { return !f.toolProtected; });
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
