#pragma once

#include "InspectorRow.h"
#include "platform/CView.h"

#include <memory>
#include <string>

class CMainFrame;
class MvPadList;
class MvSimplePad;

// The table of one Inspector: the row tree of its top pad (or of the desktop), the
// selection and the display settings.
class CInspectrView : public CView {
    DECLARE_DYNCREATE(CInspectrView)

public:
    CInspectrView();
    ~CInspectrView() override;

    // Builds the tree of `pad`, or of the desktop without one, and makes its root current.
    void OpenTree(MvSimplePad* pad);
    // Width in pixels of the column at `position`.
    int ColumnWidth(int position) const;

    // Frees the tree and leaves rootRow null.
    void FreeTree();
    // Removes `row` and its subtree from the tree; removing the root frees the whole tree.
    void RemoveRowFromTree(InspectorRow* row);

    std::unique_ptr<InspectorRow> rootRow;
    int rowCount = 0;
    int buildDepth = 0;
    std::unique_ptr<InspectorRow> topRecord;
    std::unique_ptr<InspectorRow> anchorRow;
    InspectorRow* currentRow = nullptr;

    int autoUpdate = 1;
    int nestedLabels = 0;
    int publishEnabled = 1;
    int mirrorEnabled = 1;
    int focusIndex = -1;
    int closing = 0;
    int frameActive = 0;
    int comctlClass = 0;
    std::string titleName;

    std::unique_ptr<RowList> selectedRows;
    std::unique_ptr<RowList> savedSelection;
    std::unique_ptr<MvPadList> selectedPads;

    CMainFrame* frame = nullptr;
    HWND desktopWindow = nullptr;
    CMainFrame* searchFrame = nullptr;

protected:
    void OnDestroy() override;
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
