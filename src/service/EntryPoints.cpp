#include "InspectorExports.h"

#include "ModuleState.h"
#include "ResourceHelpers.h"
#include "frame/CMainFrame.h"
#include "host/MvHostServices.h"
#include "listview/CInspectrView.h"
#include "platform/Version.h"
#include "resources/ResourceIds.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kPathBufferSize = 260;
constexpr int kComctlNewStyle = 40070;

void ReportOpenFailure(CWnd* owner) {
    SetModalOpen(1);
    inspMessageBox(owner, IDS_CANNOT_OPEN);
    SetModalOpen(0);
}

bool BarRectEmpty(CWnd& bar) {
    RECT rect;
    if (bar.m_hWnd == nullptr || !GetWindowRect(bar.m_hWnd, &rect))
        return true;
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// The common controls decide how a right click opens the context menu; the level is
// found once per process and kept even when the check fails along the way.
int CommonControlsLevel() {
    ModuleState& state = inspModuleState();
    if (state.comctlLevel != 0)
        return state.comctlLevel;
    state.comctlLevel = 1;
    char path[kPathBufferSize];
    UINT length = GetSystemDirectoryA(path, sizeof path);
    if (length == 0 || length >= sizeof path || length + 14 > kPathBufferSize)
        return state.comctlLevel;
    std::strcat(path, "\\COMCTL32.dll");
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0 && handle == 0)
        return state.comctlLevel;
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoA(path, handle, size, block.data()))
        return state.comctlLevel;
    void* info = nullptr;
    UINT infoLength = 0;
    if (VerQueryValueA(block.data(), "\\", &info, &infoLength) && infoLength != 0) {
        DWORD ms = static_cast<VS_FIXEDFILEINFO*>(info)->dwFileVersionMS;
        if (HIWORD(ms) * 10000 + LOWORD(ms) >= kComctlNewStyle)
            state.comctlLevel = 2;
    }
    return state.comctlLevel;
}

} // namespace

void WINAPI initInspector() {
    ModuleState& state = inspModuleState();
    state.registry.Clear();
    state.cascadeCounter = 0;
    state.inspectorHelpPath.clear();
    state.systemHelpPath.clear();
}

int WINAPI openInspector(HWND window, MvSimplePad* pad) {
    HWND topLevel = window;
    while (topLevel != nullptr && GetParent(topLevel) != nullptr)
        topLevel = GetParent(topLevel);
    CWnd* owner = CWnd::FromHandlePermanent(topLevel);

    ModuleState& state = inspModuleState();
    if (state.registry.Count() >= InspectorRegistry::kCapacity) {
        ReportOpenFailure(owner);
        return 0;
    }
    auto* frame = new (std::nothrow) CMainFrame;
    if (frame == nullptr) {
        ReportOpenFailure(owner);
        return 0;
    }
    int windowOwnsFrame = frame->CreateInspector(topLevel, pad);
    if (!state.registry.Contains(frame)) {
        ReportOpenFailure(owner);
        if (windowOwnsFrame == 0)
            delete frame;
        return 0;
    }
    if (BarRectEmpty(frame->m_wndToolBar) || BarRectEmpty(frame->m_wndStatusBar)) {
        // An Inspector that cannot be shown must not hold one of the places for ever.
        inspectorRemoveFrame(frame);
        if (frame->m_pInspView != nullptr)
            frame->m_pInspView->closing = 1;
        frame->DestroyWindow();
        ReportOpenFailure(owner);
        return 0;
    }

    CInspectrView* view = frame->m_pInspView;
    frame->ShowWindow(SW_SHOWNORMAL);
    view->SetActiveWindow();
    view->SetFocus();
    SetPadProperty(view->selectedPads.get(), view->titleName.c_str(), 0);
    frame->UpdateWindow();
    view->comctlClass = CommonControlsLevel();
    return 1;
}

void WINAPI AlldeleteInspector() {
    ModuleState& state = inspModuleState();
    for (CMainFrame* frame : state.registry.Snapshot()) {
        if (frame->m_pInspView == nullptr)
            continue;
        frame->m_pInspView->closing = 1;
        inspectorRemoveFrame(frame);
        frame->SendMessage(WM_CLOSE);
    }
}

namespace {

template <typename Action> void ForEachRegistered(Action action) {
    ModuleState& state = inspModuleState();
    for (CMainFrame* frame : state.registry.Frames()) {
        if (frame != nullptr && state.registry.Contains(frame))
            action(*frame);
    }
}

void EnableInspectors(BOOL enable) {
    ForEachRegistered([enable](CMainFrame& frame) {
        frame.EnableWindow(enable);
        if (frame.m_pInspView != nullptr && frame.m_pInspView->searchFrame != nullptr)
            frame.m_pInspView->searchFrame->EnableWindow(enable);
    });
}

} // namespace

void WINAPI ActivateInspector() {
    EnableInspectors(TRUE);
}

void WINAPI DeactivateInspector() {
    EnableInspectors(FALSE);
}

void WINAPI inspectorUpdateWindow() {
    ForEachRegistered([](CMainFrame& frame) { frame.UpdateWindow(); });
}

int WINAPI inspectorGetInspectorCount() {
    return inspModuleState().registry.Count();
}

CMainFrame* WINAPI inspectorGetInspector(int index) {
    return inspModuleState().registry.At(index);
}
