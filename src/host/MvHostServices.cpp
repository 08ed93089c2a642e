#include "MvHostServices.h"

namespace {
MvHostServices* installed = nullptr;
}

void MvInstallHostServices(MvHostServices* services) {
    installed = services;
}
MvHostServices* MvGetHostServices() {
    return installed;
}

void SetModalOpen(int open) {
    if (installed)
        installed->SetModalOpen(open);
}
char MwSetTimerStop(char stop) {
    return installed ? installed->MwSetTimerStop(stop) : 0;
}
void SetScrollFromInspect() {
    if (installed)
        installed->SetScrollFromInspect();
}
void MwSendSystemEvent(int event) {
    if (installed)
        installed->MwSendSystemEvent(event);
}
void SetPadProperty(MvPadList* pads, const char* title, int open) {
    if (installed)
        installed->SetPadProperty(pads, title, open);
}
int TOOLSOpenInspector(HWND window, MvSimplePad* pad) {
    return installed ? installed->TOOLSOpenInspector(window, pad) : 0;
}
int TOOLSOpenConnector(HWND window, MvSimplePad* pad) {
    return installed ? installed->TOOLSOpenConnector(window, pad) : 0;
}
int TOOLSOpenDocumentor(HWND window, MvPadList* pads) {
    return installed ? installed->TOOLSOpenDocumentor(window, pads) : 0;
}
int TOOLSGetToolCount() {
    return installed ? installed->TOOLSGetToolCount() : 0;
}
CWnd* TOOLSGetTool(int index) {
    return installed ? installed->TOOLSGetTool(index) : nullptr;
}
void TOOLSActivateTool(int index) {
    if (installed)
        installed->TOOLSActivateTool(index);
}
void DlgNewWindow(CWnd* window) {
    if (installed)
        installed->DlgNewWindow(window);
}
int MwIsMbyteLead(const char* position) {
    return installed && position ? installed->MwIsMbyteLead(position) : 0;
}
const char* MwGetEnvironment(const char* section, const char* key) {
    return installed ? installed->MwGetEnvironment(section, key) : nullptr;
}
void MwPopupOnlineHelp(const char* helpFile, const char* keyword) {
    if (installed)
        installed->MwPopupOnlineHelp(helpFile, keyword);
}

MwView* MwGWrap::GetBaseWindow() {
    return installed ? installed->GetBaseWindow() : nullptr;
}

int MvToolHelp::insert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y, int width,
                       int height) {
    return installed ? installed->ToolHelpInsert(to, from, asParent, x, y, width, height) : 0;
}
int MvToolHelp::replace(MvSimplePad* to, MvSimplePad* from, void* reserved, int flags) {
    return installed ? installed->ToolHelpReplace(to, from, reserved, flags) : 0;
}
