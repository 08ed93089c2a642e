#pragma once

// The window system's functions, with the names, arguments and results of their Win32
// counterparts. Everything runs on one thread.

#ifdef _WIN32
#include "win32/Win32Api.h"
#else

#include "WinTypes.h"

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, std::uintptr_t, DWORD);

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

// WM_CREATE and WM_NCCREATE receive a pointer to this as lParam.
struct CREATESTRUCTA {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

struct MSGBOXPARAMSA {
    UINT cbSize = sizeof(MSGBOXPARAMSA);
    HWND hwndOwner = nullptr;
    HINSTANCE hInstance = nullptr;
    const char* lpszText = nullptr;
    const char* lpszCaption = nullptr;
    DWORD dwStyle = 0;
    // The identifier of the text's string resource, when it came from one.
    DWORD dwContextHelpId = 0;
};

enum : int { GWLP_USERDATA = -21, GWLP_ID = -12, GWL_STYLE = -16, GWL_EXSTYLE = -20 };
enum : int { GCLP_HBRBACKGROUND = -10, GCLP_HICON = -14 };
enum : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };

BOOL RegisterClassA(const WNDCLASSA* wc);
BOOL GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* wc);
std::uintptr_t SetClassLongPtrA(HWND hwnd, int index, std::uintptr_t value);
std::uintptr_t GetClassLongPtrA(HWND hwnd, int index);

// For a child window, x and y are relative to the parent; otherwise screen co-ordinates.
// `menu` is the child id for a child window.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
std::intptr_t SetWindowLongPtrA(HWND hwnd, int index, std::intptr_t value);
std::intptr_t GetWindowLongPtrA(HWND hwnd, int index);

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Waits for a message; 0 for WM_QUIT, -1 when none can ever come (see NativeBackend.h).
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
LRESULT DispatchMessageA(const MSG* msg);
BOOL TranslateMessage(const MSG* msg);

HWND GetParent(HWND hwnd);
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
// Whether `hwnd` is a child or further descendant of `parent`.
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND hwnd, int id);
int GetDlgCtrlID(HWND hwnd);

// Named values a window carries for whoever sets them; removed with the window.
BOOL SetPropA(HWND hwnd, const char* name, HANDLE data);
HANDLE GetPropA(HWND hwnd, const char* name);
HANDLE RemovePropA(HWND hwnd, const char* name);
// The help context of a window, reported in the HELPINFO of its WM_HELP.
BOOL SetWindowContextHelpId(HWND hwnd, DWORD id);
DWORD GetWindowContextHelpId(HWND hwnd);

BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL UpdateWindow(HWND hwnd);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);

BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ScreenToClient(HWND hwnd, POINT* point);
BOOL ClientToScreen(HWND hwnd, POINT* point);
// The first child of `parent` in creation order (the top of the z-order) whose rectangle holds
// the point, given in the parent's client co-ordinates; `flags` (CWP_...) skip hidden or
// disabled children. `parent` itself when no child holds the point but its client area does;
// null when the point lies outside it.
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
BOOL SetWindowTextA(HWND hwnd, const char* text);
int GetWindowTextA(HWND hwnd, char* buffer, int size);
int GetWindowTextLengthA(HWND hwnd);

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND SetCapture(HWND hwnd);
HWND GetCapture();
BOOL ReleaseCapture();
// After a button press at `point` (screen co-ordinates) on `hwnd`: true when the mouse input
// queued for the window moves out of the drag rectangle (SM_CXDRAG by SM_CYDRAG each side of
// the point) before a button is released. The mouse messages read are taken from the queue;
// it stops at any other message and when no more input is queued.
BOOL DragDetect(HWND hwnd, POINT point);

std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, std::uintptr_t id);
DWORD GetTickCount();

int GetSystemMetrics(int index);
BOOL SystemParametersInfoA(UINT action, UINT param, void* out, UINT winIni);
DWORD GetSysColor(int index);

HBRUSH CreateSolidBrush(COLORREF color);
// Deletes a brush or a dialog's font; stock objects and objects selected into a device
// context stay.
BOOL DeleteObject(HGDIOBJ object);
// The colour of a brush made by CreateSolidBrush; 0 when the brush is unknown.
BOOL GetBrushColor(HBRUSH brush, COLORREF* color);
HGDIOBJ GetStockObject(int index);

// A device context of a window's client area, with the system font selected at first.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
// Selects a font into the context; the font selected before, null when either is unknown.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);

// Where the mouse was last, in screen co-ordinates.
BOOL GetCursorPos(POINT* point);

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
int MessageBoxIndirectA(const MSGBOXPARAMSA* params);

BOOL WinHelpA(HWND hwnd, const char* helpFile, UINT command, std::uintptr_t data);

// WM_HELP's lParam. F1 sends WM_HELP to the focus window; after the title-bar help button of a
// window with WS_EX_CONTEXTHELP, the next click sends it to the window clicked. The default
// procedure passes it on to the parent, or to the owner of a top-level window.
struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = 0;
    int iCtrlId = 0;
    HANDLE hItemHandle = nullptr;
    DWORD_PTR dwContextId = 0;
    POINT MousePos;
};
enum : int { HELPINFO_WINDOW = 1, HELPINFO_MENUITEM = 2 };

// The handle of a registered module by its name (case does not matter); null when none.
HMODULE GetModuleHandleA(const char* name);

// Resources of a module, looked up by the module's handle.
int LoadStringA(HINSTANCE instance, UINT id, char* buffer, int bufferSize);
HICON LoadIconA(HINSTANCE instance, UINT id);

#endif
