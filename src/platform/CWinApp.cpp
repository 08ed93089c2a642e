#include "CWinApp.h"

#include "AfxState.h"

CWinApp::CWinApp(HINSTANCE instance) : m_hInstance(instance) {
    AfxState& state = AfxGetState();
    state.app = this;
    state.instanceHandle = instance;
    if (state.resourceHandle == nullptr)
        state.resourceHandle = instance;
}

CWinApp::~CWinApp() {
    AfxState& state = AfxGetState();
    if (state.app == this)
        state.app = nullptr;
}

void CWinApp::WinHelp(std::uintptr_t data, UINT command) {
    ::WinHelpA(nullptr, m_pszHelpFilePath ? m_pszHelpFilePath : "", command, data);
}
