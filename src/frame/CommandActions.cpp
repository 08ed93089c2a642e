#include "CommandActions.h"

#include "CMainFrame.h"
#include "CommandState.h"
#include "dialogs/FrameTree.h"
#include "dialogs/InsertReplaceRunner.h"
#include "dialogs/PasteRules.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "listview/CInspectrView.h"
#include "listview/InspectorRow.h"
#include "listview/Selection.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"
#include "platform/WinMenu.h"
#include "resources/CommandIds.h"
#include "service/HelpFiles.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"

#include <functional>

namespace {

constexpr int kWindowListLength = 9;
constexpr UINT kWindowListFirstText = 211;
constexpr UINT kOtherWindowsText = 220;
constexpr DWORD kContextMenuHelpTopic = 1130;

// Calls `action` for the pad of every selected pad row, in list order, until it says stop.
void ForEachSelectedPad(CInspectrView& view, const std::function<bool(MvSimplePad*)>& action) {
    for (int item : SelectedItems(view)) {
        InspectorRow* row = RowOfItem(view, item);
        if (row == nullptr || row->gone || row->isDesktop || row->pad == nullptr)
            continue;
        if (!action(row->pad))
            return;
    }
}

bool ToolsAllowed(MvSimplePad* pad) {
    return pad->isProtected2(kProtectTools) != 1;
}

// Window titles keep a literal '&' by doubling it; a double-byte character is copied whole.
std::string EscapeAmpersands(const std::string& title) {
    std::string text;
    for (size_t i = 0; i < title.size(); ++i) {
        if (MwIsMbyteLead(title.c_str() + i) && i + 1 < title.size()) {
            text += title.substr(i, 2);
            ++i;
        } else {
            text += title[i];
            if (title[i] == '&')
                text += '&';
        }
    }
    return text;
}

} // namespace

namespace CommandActions {

void SelectOnDesktop(CMainFrame& frame, bool select) {
    if (frame.m_pInspView == nullptr)
        return;
    ForEachSelectedPad(*frame.m_pInspView, [select](MvSimplePad* pad) {
        if (pad->get_groupDepth() == 0 && (pad->isSelected() != 0) != select) {
            if (select)
                pad->select(0);
            else
                pad->deselect();
        }
        return true;
    });
}

void InsertReplace(CMainFrame& frame) {
    CInspectrView* view = frame.m_pInspView;
    if (view == nullptr || !view->selectedRows || !view->rootRow || !view->insertReplace ||
        Length(view->selectedRows.get()) != 2)
        return;
    std::optional<PastePads> pads = PastePadsOfSelection(view->selectedRows.get());
    if (!pads)
        return;
    RowList selection;
    CopySelection(*view, selection);
    HWND window = frame.m_hWnd;
    if (view->insertReplace->Run(pads->from, pads->to) != 1 && LiveViewOf(window) == view)
        SelectRows(*view, selection);
}

void PadProperties(CMainFrame& frame) {
    if (CInspectrView* view = frame.m_pInspView)
        SetPadProperty(view->selectedPads.get(), view->titleName.c_str(), 1);
}

void ConnectionEditor(CMainFrame& frame) {
    CInspectrView* view = frame.m_pInspView;
    if (view == nullptr || !view->selectedRows || !view->rootRow)
        return;
    ForEachSelectedPad(*view, [&frame](MvSimplePad* pad) {
        if (!ToolsAllowed(pad) || IsExcludedClass(pad->get_class_name()))
            return true;
        return TOOLSOpenConnector(frame.m_hWnd, pad) != 0;
    });
}

void DocumentGenerator(CMainFrame& frame) {
    CInspectrView* view = frame.m_pInspView;
    if (view == nullptr)
        return;
    MvPadList pads;
    bool anyPadRow = false;
    ForEachSelectedPad(*view, [&](MvSimplePad* pad) {
        anyPadRow = true;
        if (ToolsAllowed(pad))
            pads.append(pad);
        return true;
    });
    const InspectorRow* top = RowOfItem(*view, 0);
    if (pads.length() == 0 && top != nullptr && top->isDesktop && !anyPadRow)
        TOOLSOpenDocumentor(frame.m_hWnd, nullptr);
    else if (pads.length() != 0)
        TOOLSOpenDocumentor(frame.m_hWnd, &pads);
}

void InspectSelected(CMainFrame& frame) {
    CInspectrView* view = frame.m_pInspView;
    if (view == nullptr || !view->selectedRows || !view->rootRow)
        return;
    // Opening Inspectors changes nothing of this list; collect first all the same.
    std::vector<MvSimplePad*> pads;
    ForEachSelectedPad(*view, [&pads](MvSimplePad* pad) {
        if (ToolsAllowed(pad))
            pads.push_back(pad);
        return true;
    });
    for (MvSimplePad* pad : pads)
        TOOLSOpenInspector(frame.m_hWnd, pad);
}

void InspectParentOfTop(CMainFrame& frame) {
    CInspectrView* view = frame.m_pInspView;
    if (view == nullptr || !view->rootRow)
        return;
    const InspectorRow* top = RowOfItem(*view, 0);
    if (top == nullptr || top->gone || top->isDesktop || top->pad == nullptr)
        return;
    MvSimplePad* parent = top->pad->get_parent();
    if (parent != nullptr && ToolsAllowed(parent))
        TOOLSOpenInspector(frame.m_hWnd, parent);
}

void InspectDesktop(CMainFrame& frame) {
    TOOLSOpenInspector(frame.m_hWnd, nullptr);
}

void ActivateDesktop(CMainFrame& frame) {
    HWND top = GetWindow(frame.m_hWnd, GW_OWNER);
    while (top != nullptr && GetParent(top) != nullptr)
        top = GetParent(top);
    if (top == nullptr)
        return;
    if (IsIconic(top))
        ShowWindow(top, SW_RESTORE);
    SetActiveWindow(top);
}

void CloseAllTools() {
    int count = TOOLSGetToolCount();
    for (int i = 0; i < count; ++i) {
        if (CWnd* tool = TOOLSGetTool(i))
            tool->PostMessage(WM_CLOSE);
    }
}

void OtherWindows(CMainFrame& frame) {
    DlgNewWindow(&frame);
}

void HelpTopics(CMainFrame& frame) {
    if (const char* systemHelp = inspSystemHelpFile())
        WinHelpA(frame.m_hWnd, systemHelp, HELP_FINDER, 0);
}

void ContextHelpTopic(CMainFrame&) {
    inspWithModuleHelp([](CWinApp& app) {
        ModuleResourceScope resources;
        app.WinHelp(kContextMenuHelpTopic, HELP_CONTEXTPOPUP);
    });
}

void HelpKeyword() {
    if (const char* helpFile = inspInspectorHelpFile())
        MwPopupOnlineHelp(helpFile, "");
}

void Exit(CMainFrame& frame) {
    inspectorRemoveFrame(&frame);
    frame.PostMessage(WM_CLOSE);
}

void BuildWindowList(CMainFrame& frame, HMENU windowMenu) {
    for (UINT id = ID_WINDOW_TOOL_FIRST; id <= ID_WINDOW_OTHERS; ++id)
        DeleteMenu(windowMenu, id, MF_BYCOMMAND);
    int count = TOOLSGetToolCount();
    for (int i = 0; i < count && i < kWindowListLength; ++i) {
        CWnd* tool = TOOLSGetTool(i);
        if (tool == nullptr)
            continue;
        std::string text;
        inspLoadString(text, kWindowListFirstText + static_cast<UINT>(i));
        text += EscapeAmpersands(tool->GetWindowText());
        UINT flags = MF_STRING | (tool->m_hWnd == frame.m_hWnd ? MF_CHECKED : 0);
        AppendMenuA(windowMenu, flags, ID_WINDOW_TOOL_FIRST + static_cast<UINT>(i), text.c_str());
    }
    if (count > kWindowListLength) {
        std::string text;
        inspLoadString(text, kOtherWindowsText);
        AppendMenuA(windowMenu, MF_STRING, ID_WINDOW_OTHERS, text.c_str());
    }
    DrawMenuBar(frame.m_hWnd);
}

} // namespace CommandActions
