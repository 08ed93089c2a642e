#include "CInspectrView.h"

#include "RowBuilder.h"
#include "RowDump.h"
#include "frame/CMainFrame.h"
#include "host/MvPadList.h"
#include "service/InspectorProbe.h"
#include "service/ModuleState.h"

IMPLEMENT_DYNCREATE(CInspectrView)

CInspectrView::CInspectrView() = default;
CInspectrView::~CInspectrView() = default;

void CInspectrView::OpenTree(MvSimplePad* pad) {
    rootRow.reset(pad != nullptr ? BuildRow(*this, pad, nullptr) : BuildDesktopRow(*this));
    if (!rootRow)
        rowCount = 0;
    if (frame != nullptr)
        frame->SetCountPane(0, rowCount);
    currentRow = rootRow.get();
    if (rootRow)
        topRecord = CopyRow(*rootRow);
    focusIndex = 0;
}

int CInspectrView::ColumnWidth(int position) const {
    // Automatic widths of the default columns until the table measures its headers.
    static const int kDefaultWidths[] = {100, 148, 94, 136, 142};
    return position >= 0 && position < 5 ? kDefaultWidths[position] : 0;
}

void CInspectrView::FreeTree() {
    currentRow = nullptr;
    rootRow.reset();
}

void CInspectrView::RemoveRowFromTree(InspectorRow* row) {
    if (row == nullptr)
        return;
    rowCount -= CountSubtree(row);
    if (row == rootRow.get()) {
        FreeTree();
        return;
    }
    if (currentRow != nullptr && FindRowByPad(row, currentRow->pad) == currentRow)
        currentRow = nullptr;
    if (row->parentRow != nullptr && row->parentRow->children)
        Remove(*row->parentRow->children, *row);
}

void CInspectrView::OnDestroy() {
    FreeTree();
    topRecord.reset();
    anchorRow.reset();
    if (closing == 0 && frame != nullptr)
        inspectorRemoveFrame(frame);
    selectedRows.reset();
    savedSelection.reset();
    selectedPads.reset();
    CView::OnDestroy();
}

BOOL CInspectrView::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_INSP_DESCRIBEROWS) {
        int count = 0;
        if (auto* out = reinterpret_cast<std::string*>(lParam))
            *out = DescribeRows(rootRow.get(), &count);
        *result = count;
        return TRUE;
    }
    return CView::OnWndMsg(msg, wParam, lParam, result);
}
