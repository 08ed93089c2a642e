#pragma once

#include "Win.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class CWnd;
class CWinApp;

// The framework's process-wide state: which object serves which window, the object whose
// window is being created, the current resource module and the application object.
struct AfxState {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* creating = nullptr;
    HINSTANCE resourceHandle = nullptr;
    HINSTANCE instanceHandle = nullptr;
    CWinApp* app = nullptr;
    std::set<std::string> registeredClasses;
    // Modal loops running now, and the window objects whose deletion waits for them.
    int modalDepth = 0;
    std::vector<std::unique_ptr<CWnd>> deferredDeletes;
};

AfxState& AfxGetState();
