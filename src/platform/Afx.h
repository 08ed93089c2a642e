#pragma once

// Process-wide services of the application framework: the current resource module, the
// application object, window class registration and extension-module set-up.

#include "Win.h"

#include <string>

class CFrameWnd;
class CWinApp;
class CWnd;

// Control ids and styles of the framework.
enum : UINT {
    AFX_IDW_TOOLBAR = 0xE800,
    AFX_IDW_STATUS_BAR = 0xE801,
    AFX_IDW_PANE_FIRST = 0xE900,
};
enum : DWORD {
    CBRS_ALIGN_TOP = 0x1000,
    CBRS_ALIGN_BOTTOM = 0x4000,
    CBRS_TOOLTIPS = 0x0010,
    CBRS_FLYBY = 0x0020,
    CBRS_SIZE_FIXED = 0x0004,
    CBRS_TOP = CBRS_ALIGN_TOP,
    CBRS_BOTTOM = CBRS_ALIGN_BOTTOM,
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// Where resources are looked up; the host's module unless an extension switches it.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);

// Registers (once) and returns a window class served by the framework's window procedure.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr,
                                HBRUSH background = nullptr, HICON icon = nullptr);

// The framework's window procedure: routes every message to the window's CWnd object.
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Offers the message to CWnd::PreTranslateMessage of its window and then of each parent (an
// owner, for a popup) up the chain; true when one of them took it.
BOOL AfxPreTranslateMessage(MSG* msg);
// Takes one message, waiting for it, and dispatches it unless pre-translation took it.
// GetMessageA's result: 0 for WM_QUIT, -1 when no input can come any more.
BOOL AfxPumpMessage();
// Dispatches the queued messages, with pre-translation, until the queue is empty; WM_QUIT
// stays for the loop that is to end.
void AfxPumpPending();
// Deletes an object whose window has gone (a frame or a view in PostNcDestroy) at once, or,
// while a modal loop runs, when AfxIdleCleanup next runs outside every modal loop: the code
// that opened the modal loop may still use the object after the loop returns.
void AfxDeleteWhenIdle(CWnd* wnd);
// The idle time's cleanup: temporary window objects and the deletions that waited.
void AfxIdleCleanup();
// Brings the toolbar buttons (and other bars) of the frame up to date with the command update
// route, as the idle time after each input does; a null frame updates every visible frame.
void AfxIdleUpdate(CFrameWnd* frame);

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);
