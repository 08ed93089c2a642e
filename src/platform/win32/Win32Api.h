#pragma once

// On Windows the window system is the real one: <windows.h> and the common controls. This
// header adds only what the framework and the module use that Win32 does not have: the
// framework's private messages, resource lookups by numeric id, and a brush's colour.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <commctrl.h>

// Messages of the application framework.
enum : UINT {
    WM_IDLEUPDATECMDUI = 0x0363,
    WM_HELPHITTEST = 0x0366,
    WM_EXITHELPMODE = 0x0367,
};

// A module registered with its templates in memory (NativeBackend.h) has its menus and
// accelerator tables made of them.
HMENU LoadMenuA(HINSTANCE instance, UINT id);
// Fails on demand when a host asks for it (NativeBackend.h).
HACCEL LoadAcceleratorsA(HINSTANCE instance, UINT id);
// An icon resource at the system's default icon size, shared: loaded again it is the same
// icon, which no one destroys, as on the native window system.
inline HICON LoadIconA(HINSTANCE instance, UINT id) {
    return ::LoadIconA(instance, MAKEINTRESOURCEA(id));
}

// The colour of a solid brush; false when the handle is no brush.
BOOL GetBrushColor(HBRUSH brush, COLORREF* color);

// The application's own message loops wait as GetMessageA does, except that when the queue
// is empty a host's input waiter (NativeBackend.h) feeds input first, and -1 tells a loop
// that no input can come any more.
BOOL Win32GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
#define GetMessageA Win32GetMessageA

// A press that may start a drag: true once the mouse moves out of the drag rectangle, false
// when either button is released or Escape is pressed first. The system's own waits for the
// left button only, so that a right press would hang until the mouse moved.
BOOL Win32DragDetect(HWND hwnd, POINT point);
#define DragDetect Win32DragDetect
