#pragma once

#include "InspectorRegistry.h"
#include "platform/Afx.h"

#include <memory>
#include <string>

class CDynLinkLibrary;

// The module-wide state: the registry of open Inspectors and what every Inspector shares.
struct ModuleState {
    InspectorRegistry registry;
    // 0 not yet determined, 1 common controls older than 4.70, 2 version 4.70 or newer.
    int comctlLevel = 0;
    int cascadeCounter = 0;
    int lastCascadeX = 0;
    int lastCascadeY = 0;
    // Help file paths, formed on first need; empty until then.
    std::string inspectorHelpPath;
    std::string systemHelpPath;
    HBRUSH backBrush = nullptr;

    AFX_EXTENSION_MODULE extension;
    HINSTANCE moduleHandle = nullptr;
    std::unique_ptr<CDynLinkLibrary> dynLinkLibrary;
};

ModuleState& inspModuleState();

// The registry operation every closing path uses.
void inspectorRemoveFrame(CMainFrame* frame);
