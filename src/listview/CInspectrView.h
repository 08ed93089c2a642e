#pragma once

#include "CellText.h"
#include "ColumnId.h"
#include "HitIndex.h"
#include "InspectorRow.h"
#include "ListDrag.h"
#include "ListedRows.h"
#include "PadTable.h"
#include "RootHandle.h"
#include "RowIndex.h"
#include "SelectedRows.h"
#include "SelectedSet.h"
#include "platform/CListView.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class CMainFrame;
class MvInspConstDialog;
class InsertReplaceRunner;
class MvPadList;
class MvSimplePad;

// The table of one Inspector: the row tree of its top pad (or of the desktop), the column
// set, the selection and the display settings. Its window is the list control.
class CInspectrView : public CListView {
    DECLARE_DYNCREATE(CInspectrView)

public:
    CInspectrView();
    ~CInspectrView() override;

    CListCtrl& List() const { return GetListCtrl(); }

    // Builds the tree of `pad`, or of the desktop without one, fills the list and puts the
    // focus on the root.
    void OpenTree(MvSimplePad* pad);
    // Frees the tree and leaves rootRow null.
    void FreeTree();
    // Removes `row`, a row of the tree, and its subtree; removing the root frees the whole
    // tree.
    void RemoveRowFromTree(InspectorRow* row);
    // The row of `pad` in the tree, found through the index.
    InspectorRow* FindRow(const MvSimplePad* pad) const {
        return FindRowByPad(rootRow.get(), pad, &rowIndex);
    }
    // The keyboard commands of the table (Down, Shift+Down, Ctrl+Home, …); 32789, the keys
    // kept from the host, does nothing.
    void OnKeyCommand(UINT id);
    // rowHeight from the first item, 0 for an empty list.
    void MeasureRowHeight();
    // Shows the selected count and rowCount in the frame's count pane.
    void ShowCounts();
    // Lets go of every pad, row, search result and selection and empties the list, without
    // telling the host: an Inspector about to close may outlive the pads it showed.
    void ReleasePads();

    RowIndex rowIndex;
    // A search-result view follows its source view's tree instead of owning one.
    RootHandle rootRow;
    // The rows of the list items; declared after the tree, whose rows it refers to.
    ListedRows listed;
    // With nested labels: the names above the root row as the table was last written.
    NestedPrefix nestedPrefix;
    // The rows of the tree whose connection flag a show or deletion elsewhere may change, and
    // those whose label names another pad.
    std::unordered_set<InspectorRow*> connectionRows;
    std::unordered_set<InspectorRow*> standInRows;
    int rowCount = 0;
    std::unique_ptr<InspectorRow> topRecord;
    std::unique_ptr<InspectorRow> anchorRow;
    InspectorRow* currentRow = nullptr;

    int columnCount = 5;
    int columnIds[kMaxColumns] = {0, 1, 2, 3, 4, 0, 0, 0, 0, 0};
    int columnWidths[kMaxColumns] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int insertedColumns = 0;
    HIMAGELIST rowImages = nullptr;
    int rowHeight = 0;
    // The Connection cell texts of the active language.
    std::string connectionYes;
    std::string connectionNo;

    int autoUpdate = 1;
    int nestedLabels = 0;
    int publishEnabled = 1;
    // Counts the pads added to or withdrawn from selectedPads.
    int publishedChanges = 0;
    int mirrorEnabled = 1;
    int suppressItemChange = 0;
    // Above 0 while the view changes many item states at once and does what their notices
    // would do itself.
    int bulkChange = 0;
    // Above 0 while a run of many deletions holds the refills after each; refillPending says
    // that one was held.
    int refillHeld = 0;
    bool refillPending = false;
    // Above 0 while such a run, which rebuilds this view when it ends, holds its selection
    // (see HoldSelection); heldGoneSelected counts the selected rows that went meanwhile.
    int selectionHeld = 0;
    int heldGoneSelected = 0;
    // A plain press on a row of a selection of several, until the control begins a drag from
    // it: the release leaves that row alone selected (see OnLeftButtonUp).
    std::unique_ptr<InspectorRow> pressedInSelection;
    int focusIndex = -1;
    int selectedCount = 0;
    int closing = 0;
    int frameActive = 0;
    int comctlClass = 0;
    std::string titleName;

    // The selected pads with their copies; selectedRows reads the copies.
    SelectedSet selectedPadSet;
    SelectedRows selectedRows{*this};
    // A row is selected when its listSelected is this mark (see RowSelected).
    std::uint8_t selectionMark = 1;
    std::unique_ptr<RowList> savedSelection;
    std::unique_ptr<MvPadList> selectedPads;

    CMainFrame* frame = nullptr;
    HWND desktopWindow = nullptr;
    // A normal view's open search-results window, or none.
    CMainFrame* searchFrame = nullptr;
    // The Inspector's Customize dialog; a search-results view has none.
    std::unique_ptr<MvInspConstDialog> customizeDialog;

    // A search-result view: 1, the hits it lists (copies of rows, in the search's order) and
    // the Inspector whose search made it.
    int searchMode = 0;
    std::unique_ptr<RowList> searchRows;
    CMainFrame* sourceFrame = nullptr;
    // Every hit of searchRows by pad, kept in step with it.
    HitIndex hitIndex;
    // The listed hit of each pad, its first.
    PadTable<InspectorRow*> hitOfPad;
    // The label cell of each listed hit as last written: the full path of its pad then, kept
    // while the source's Auto Update is off and after the pad has gone.
    std::vector<std::string> hitLabels;

    ListDrag drag;
    // The Insert/Replace dialog of this Inspector, run by its command and by a drop; a
    // search-results window has none.
    std::unique_ptr<InsertReplaceRunner> insertReplace;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& create) override;
    void OnDestroy() override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
