#include "ResourceHelpers.h"

#include "ModuleState.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "resources/ResourceIds.h"

HINSTANCE inspSelectModuleResources() {
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(inspModuleState().moduleHandle);
    return previous;
}

void inspRestoreResources(HINSTANCE previous) {
    AfxSetResourceHandle(previous);
}

bool inspLoadString(std::string& text, UINT id) {
    ModuleResourceScope scope;
    char buffer[255];
    int length = LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    if (length <= 0)
        return false;
    text.assign(buffer, static_cast<size_t>(length));
    return true;
}

HICON inspLoadIcon(UINT id) {
    ModuleResourceScope scope;
    return LoadIconA(AfxGetResourceHandle(), id);
}

int inspShowMessage(HWND owner, UINT id, const std::string& text, const std::string& caption,
                    UINT style) {
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = owner;
    params.hInstance = inspModuleState().moduleHandle;
    params.lpszText = text.c_str();
    params.lpszCaption = caption.c_str();
    params.dwStyle = style;
    params.dwContextHelpId = id;
    return MessageBoxIndirectA(&params);
}

bool inspLoadAccelerators(CFrameWnd& frame) {
    ModuleResourceScope scope;
    return frame.LoadAccelTable(IDR_MAINFRAME) != FALSE;
}

void inspMessageBox(CWnd* owner, UINT id) {
    std::string text;
    std::string caption;
    if (!inspLoadString(text, id) || !inspLoadString(caption, IDS_INSPECTOR))
        return;
    inspShowMessage(CWnd::SafeHwnd(owner), id, text, caption, MB_OK | MB_ICONEXCLAMATION);
}
