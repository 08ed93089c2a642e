#include "Afx.h"

#include "AfxState.h"
#include "CWinApp.h"

#include <cstdio>

CWinApp* AfxGetApp() {
    return AfxGetState().app;
}

HINSTANCE AfxGetInstanceHandle() {
    return AfxGetState().instanceHandle;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetState().resourceHandle;
}

void AfxSetResourceHandle(HINSTANCE instance) {
    AfxGetState().resourceHandle = instance;
}

const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    char name[128];
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    AfxState& state = AfxGetState();
    auto [it, added] = state.registeredClasses.insert(name);
    WNDCLASSA existing{};
    if (added || !GetClassInfoA(nullptr, name, &existing)) {
        WNDCLASSA wc{};
        wc.style = classStyle;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = icon;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = it->c_str();
        RegisterClassA(&wc);
    }
    return it->c_str();
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    if (module == nullptr)
        return FALSE;
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
    state.bInitialized = FALSE;
    state.hModule = nullptr;
    state.hResource = nullptr;
}
