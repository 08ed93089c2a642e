#pragma once

// Controls of the native window system that Win32 has no counterpart for: the clock,
// the configurable metrics, the language, and the hooks through which a host (the console,
// a test) answers message boxes, receives help calls and watches windows come and go.
// The module never includes this header.

#include "NativeMenu.h"
#include "ResourceModule.h"
#include "Win.h"

#include <functional>
#include <string>
#include <vector>

namespace native {

struct Metrics {
    int screenWidth = 1024;
    int screenHeight = 768;
    RECT workArea{0, 0, 1024, 740};
    int frame = 4;          // SM_CXFRAME, SM_CYFRAME
    int captionButton = 18; // SM_CXSIZE, SM_CYSIZE
    int dragDistance = 4;   // SM_CXDRAG, SM_CYDRAG
};

void SetMetrics(const Metrics& metrics);
const Metrics& GetMetrics();
void SetSysColor(int index, COLORREF color);

// Active language and its code page (1252 English, 932 Japanese).
void SetLanguage(Language language);
Language GetLanguage();
int ActiveCodePage();

// Registers a module's resources; the handle stays valid until UnregisterModule. On Windows
// the system makes the module's menus, accelerator tables and dialogs of its templates.
HINSTANCE RegisterModule(const std::string& name, const ResourceModule* resources);
void UnregisterModule(HINSTANCE instance);
const ResourceModule* ModuleResources(HINSTANCE instance);
std::string ModuleName(HINSTANCE instance);

// The clock that timers and GetTickCount follow. It moves only when told to; due timers
// post WM_TIMER (or call their procedure) in order of their due time.
DWORD Now();
void AdvanceClock(DWORD milliseconds);

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT style = 0;
    DWORD stringId = 0;
    Asking asking = Asking::Now;
};
// Answers a message box with IDOK, IDCANCEL, IDYES or IDNO, or 0 for no answer yet (see
// Asking). Without a handler a box answers its default button.
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

using HelpHandler =
    std::function<void(HWND, const std::string& file, UINT command, std::uintptr_t data)>;
void SetHelpHandler(HelpHandler handler);

// Called by GetMessageA when the queue is empty: it may feed input (send or post messages)
// and returns false when no more input will ever come, which makes GetMessageA return -1
// so that a modal loop can give up instead of waiting for ever. Where the windows stay live
// while the host waits (Windows), it also returns true as soon as a message is queued.
using InputWaiter = std::function<bool()>;
void SetInputWaiter(InputWaiter waiter);
// A host whose input arrives on another thread calls this from that thread when some does:
// a message box or a popup menu waiting in a loop of the system's own then asks its handler
// again (see Asking). Nothing on the native window system, which never waits so.
void InputArrived();

struct WindowObserver {
    std::function<void(HWND)> created;   // after WM_CREATE succeeded
    std::function<void(HWND)> destroyed; // before WM_NCDESTROY
    std::function<void(HWND)> textChanged;
};
void SetWindowObserver(WindowObserver observer);

// Called by CreateWindowExA once the window exists and before its first message, so that
// whoever is to serve the window can take it over first. The application framework installs
// this hook.
using CreationHook = std::function<void(HWND)>;
void SetCreationHook(CreationHook hook);
// The framework's object serving a window, kept with the window so that a message finds it
// without a lookup; null for none and for a dead handle.
void SetWindowObject(HWND hwnd, void* object);
void* WindowObject(HWND hwnd);

// Operations a host can make fail on demand, to exercise the failure paths of their callers.
enum class Failure { WindowCreation, AcceleratorLoading, DialogCreation };
// Asked before each such operation with what it concerns (a window class, a resource id);
// true makes it fail as it can fail for real: a window is refused in WM_NCCREATE, and an
// accelerator table or a dialog is not loaded (a null handle).
using FailureHook = std::function<bool(Failure, const std::string& what)>;
void SetFailureHook(FailureHook hook);
// Whether the operation starting now is to fail; never without a hook.
bool ShouldFail(Failure failure, const std::string& what);

// Nesting depth of the application's wait cursor.
int WaitCursorDepth();
void AdjustWaitCursor(int delta);

std::string GetClassNameOf(HWND hwnd);
// The template a dialog was created from; 0 for any other window.
UINT DialogTemplateId(HWND hwnd);
std::string GetWindowTextOf(HWND hwnd);
// Top-level windows in creation order, then children of a window in creation order.
std::vector<HWND> TopLevelWindows();
std::vector<HWND> ChildWindows(HWND hwnd);
// Number of WM_PAINT messages UpdateWindow has sent the window.
int PaintCount(HWND hwnd);
// Number of messages waiting in the queue.
int PendingMessages();
// Dispatches queued messages (not waiting for input) until the queue is empty.
void PumpPending();

// Destroys every window, clears the queue, timers, image lists, menus, accelerator tables,
// key state, classes, hooks and modules (the system's own classes are registered again), and
// puts metrics, colours, clock and language back to their defaults.
void Reset();

} // namespace native
