// Sending, posting and retrieving messages, and the default window procedure.

#include "platform/WinInput.h"
#include "platform/native/WindowManager.h"

#include <algorithm>
#include <cstring>

using native::Window;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

DWORD Now() {
    return static_cast<DWORD>(Manager().settings.clock);
}

LRESULT SetText(Window& window, LPARAM lParam) {
    const char* text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
    if (window.title == text) {
        return TRUE;
    }
    window.title = text;
    auto textChanged = Manager().observer.textChanged;
    if (textChanged) {
        textChanged(window.handle);
    }
    return TRUE;
}

LRESULT GetText(const Window& window, WPARAM size, LPARAM lParam) {
    auto* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::size_t length = std::min<std::size_t>(window.title.size(), size - 1);
    std::memcpy(buffer, window.title.data(), length);
    buffer[length] = '\0';
    return static_cast<LRESULT>(length);
}

// F1 or a click in help mode asks for help on a window.
LRESULT SendHelp(HWND hwnd, POINT screen) {
    HELPINFO info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(hwnd);
    info.hItemHandle = hwnd;
    info.dwContextId = GetWindowContextHelpId(hwnd);
    info.MousePos = screen;
    return SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

POINT ScreenPoint(HWND hwnd, LPARAM lParam) {
    auto bits = static_cast<std::uintptr_t>(lParam);
    POINT point{static_cast<short>(LOWORD(bits)), static_cast<short>(HIWORD(bits))};
    ClientToScreen(hwnd, &point);
    return point;
}

LPARAM PackPoint(POINT point) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONDBLCLK;
}

// The help mode of the title-bar help button: the next click on the window or one of its
// controls asks for help on what was clicked; Escape, or a click elsewhere, ends it.
void PointForHelp(HWND window) {
    for (;;) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
            }
            return;
        }
        if (IsButtonDown(msg.message)) {
            if (msg.hwnd == window || IsChild(window, msg.hwnd)) {
                UINT up = msg.message <= WM_LBUTTONDBLCLK ? WM_LBUTTONUP : WM_RBUTTONUP;
                MSG release;
                PeekMessageA(&release, msg.hwnd, up, up, PM_REMOVE);
                // A click the window itself got lies over one of its children or over none;
                // a disabled child is asked about too.
                POINT screen = ScreenPoint(msg.hwnd, msg.lParam);
                POINT client = screen;
                ScreenToClient(msg.hwnd, &client);
                HWND hit = ChildWindowFromPointEx(msg.hwnd, client, CWP_SKIPINVISIBLE);
                SendHelp(hit != nullptr ? hit : msg.hwnd, screen);
            }
            return;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// What the default procedure does with keys: Shift+F10 asks for the context menu. F1 and the
// context-menu key are answered as the keystroke is taken from the queue (TakeMessage).
LRESULT KeyDefault(HWND hwnd, UINT msg, WPARAM key) {
    if (msg == WM_SYSKEYDOWN && key == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), -1);
    }
    return 0;
}

// A message leaves the queue: the key state follows it, and a keystroke of the user's gets
// what the system posts in answer (help for F1, the context menu for the context-menu key).
void TakeMessage(const MSG& msg) {
    if (auto answer = Manager().keyboard.Retrieved(msg)) {
        PostMessageA(answer->hwnd, answer->message, answer->wParam, answer->lParam);
    }
}

// WM_HELP and WM_CONTEXTMENU travel up from a child to its parent; WM_HELP goes on from a
// top-level window to its owner.
LRESULT PassUp(const Window& window, UINT msg, WPARAM wParam, LPARAM lParam, bool toOwner) {
    HWND next = window.parent != nullptr ? window.parent : (toOwner ? window.owner : nullptr);
    return next != nullptr ? SendMessageA(next, msg, wParam, lParam) : 0;
}

void SystemCommand(HWND hwnd, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CONTEXTHELP:
        if ((GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0) {
            PointForHelp(hwnd);
        }
        break;
    case SC_CLOSE:
        Manager().Send(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_RESTORE:
        if (IsIconic(hwnd) && Manager().Send(hwnd, WM_QUERYOPEN, 0, 0) == FALSE) {
            break;
        }
        ShowWindow(hwnd, SW_RESTORE);
        break;
    default:
        break;
    }
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return 0;
    }
    switch (msg) {
    case WM_NCCREATE:
    case WM_QUERYOPEN:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETTEXT:
        return SetText(*window, lParam);
    case WM_GETTEXT:
        return GetText(*window, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->title.size());
    case WM_SYSCOMMAND:
        SystemCommand(hwnd, wParam);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
        return KeyDefault(hwnd, msg, wParam);
    case WM_IME_CHAR:
        // A window that takes no input method's characters gets the bytes one by one.
        if (((wParam >> 8) & 0xFF) != 0) {
            PostMessageA(hwnd, WM_CHAR, (wParam >> 8) & 0xFF, lParam);
        }
        PostMessageA(hwnd, WM_CHAR, wParam & 0xFF, lParam);
        return 0;
    case WM_KEYF1: {
        POINT cursor;
        GetCursorPos(&cursor);
        SendHelp(hwnd, cursor);
        return 0;
    }
    case WM_RBUTTONUP:
        SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                     PackPoint(ScreenPoint(hwnd, lParam)));
        return 0;
    case WM_CONTEXTMENU:
        return PassUp(*window, msg, wParam, lParam, false);
    case WM_HELP:
        return PassUp(*window, msg, wParam, lParam, true);
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Manager().Send(hwnd, msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && Manager().Find(hwnd) == nullptr) {
        return FALSE;
    }
    MSG posted;
    posted.hwnd = hwnd;
    posted.message = msg;
    posted.wParam = wParam;
    posted.lParam = lParam;
    posted.time = Now();
    Manager().queue.Post(posted);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Manager().queue.PostQuit(exitCode, Now());
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    WindowManager& manager = Manager();
    bool threadOnly = hwnd == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
    if (msg == nullptr || (hwnd != nullptr && !threadOnly && manager.Find(hwnd) == nullptr)) {
        return -1;
    }
    bool mayWait = true;
    for (;;) {
        if (auto found = manager.queue.Take(hwnd, filterMin, filterMax, true)) {
            *msg = *found;
            TakeMessage(*msg);
            return msg->message == WM_QUIT ? 0 : 1;
        }
        auto waiter = manager.inputWaiter;
        if (!mayWait || !waiter) {
            return -1;
        }
        mayWait = waiter();
    }
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    bool remove = (removeFlags & PM_REMOVE) != 0;
    auto found = Manager().queue.Take(hwnd, filterMin, filterMax, remove);
    if (!found) {
        return FALSE;
    }
    if (remove) {
        TakeMessage(*found);
    }
    if (msg != nullptr) {
        *msg = *found;
    }
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) {
        return 0;
    }
    WindowManager& manager = Manager();
    if (msg->hwnd != nullptr && manager.Find(msg->hwnd) == nullptr) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, Now());
        return 0;
    }
    if (msg->hwnd == nullptr) {
        return 0;
    }
    return manager.Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

// Of the keys that make characters only Space makes one here, with or without Ctrl, as on
// the system: the edit field acts on Return, Backspace, Tab and Escape as keys, and the
// console types the other characters as WM_CHAR.
BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || msg->message != WM_KEYDOWN || msg->wParam != VK_SPACE) {
        return FALSE;
    }
    PostMessageA(msg->hwnd, WM_CHAR, ' ', msg->lParam);
    return TRUE;
}

namespace native {

void SetInputWaiter(InputWaiter waiter) {
    Manager().inputWaiter = std::move(waiter);
}

void InputArrived() {}

int PendingMessages() {
    return Manager().queue.Size();
}

void PumpPending() {
    MessageQueue& queue = Manager().queue;
    // WM_QUIT stays for the message loop that is to end.
    for (auto next = queue.Take(nullptr, 0, 0, false); next && next->message != WM_QUIT;
         next = queue.Take(nullptr, 0, 0, false)) {
        MSG msg = *queue.Take(nullptr, 0, 0, true);
        TakeMessage(msg);
        DispatchMessageA(&msg);
    }
}

} // namespace native
