// The title-bar help button where the window system draws none for WS_EX_CONTEXTHELP (Wine):
// the window is subclassed to draw the button left of the close button, to hit-test it as
// HTHELP and to run the help mode its click starts, as Windows does itself: the cursor
// becomes the help cursor and the next click asks the window under it for help (WM_HELP).

#include "WindowHooks.h"

#include <unordered_map>

namespace {

// The procedures the subclassed windows had, kept in the process: a window property would be
// read for every message, a round trip to the window server under Wine.
std::unordered_map<HWND, WNDPROC>& PreviousProcs() {
    static std::unordered_map<HWND, WNDPROC> procs;
    return procs;
}

WNDPROC Previous(HWND hwnd) {
    auto& procs = PreviousProcs();
    auto it = procs.find(hwnd);
    return it == procs.end() ? nullptr : it->second;
}

// Left of the close button, in window coordinates.
RECT ButtonRect(HWND hwnd) {
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    int border = GetSystemMetrics(SM_CXFIXEDFRAME);
    int width = GetSystemMetrics(SM_CXSIZE);
    int height = GetSystemMetrics(SM_CYSIZE);
    int right = frame.right - frame.left - border - width - 2;
    int top = GetSystemMetrics(SM_CYFIXEDFRAME) + 2;
    return RECT{right - width + 2, top, right, top + height - 4};
}

void DrawButton(HWND hwnd, bool pushed) {
    if ((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0)
        return;
    HDC dc = GetWindowDC(hwnd);
    RECT rect = ButtonRect(hwnd);
    DrawFrameControl(dc, &rect, DFC_CAPTION, DFCS_CAPTIONHELP | (pushed ? DFCS_PUSHED : 0));
    ReleaseDC(hwnd, dc);
}

// The help mode: the next click inside the window asks the window under it for help; a click
// elsewhere, Escape or the loss of the mouse ends it.
void TrackHelp(HWND hwnd) {
    SetCapture(hwnd);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32651))); // IDC_HELP
    for (;;) {
        MSG msg;
        if (GetCapture() != hwnd || !GetMessageA(&msg, nullptr, 0, 0))
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
            msg.message == WM_NCLBUTTONDOWN) {
            // The click's own place: a played click may be queued long before it is taken.
            POINT point{static_cast<short>(LOWORD(msg.lParam)),
                        static_cast<short>(HIWORD(msg.lParam))};
            if (msg.message != WM_NCLBUTTONDOWN)
                ClientToScreen(msg.hwnd, &point);
            RECT client{};
            GetClientRect(hwnd, &client);
            POINT inside = point;
            ScreenToClient(hwnd, &inside);
            HWND hit = ChildWindowFromPointEx(hwnd, inside, CWP_SKIPINVISIBLE);
            ReleaseCapture();
            if (msg.message == WM_LBUTTONDOWN && hit != nullptr && PtInRect(&client, inside)) {
                HELPINFO info{};
                info.cbSize = sizeof info;
                info.iContextType = HELPINFO_WINDOW;
                info.iCtrlId = hit == hwnd ? 0 : GetDlgCtrlID(hit);
                info.hItemHandle = hit;
                info.dwContextId = GetWindowContextHelpId(hit);
                info.MousePos = point;
                SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            }
            return;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP ||
            msg.message == WM_SETCURSOR) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32651)));
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
}

LRESULT CALLBACK HelpButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = Previous(hwnd);
    bool help = (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0;
    switch (msg) {
    case WM_NCHITTEST: {
        RECT button = ButtonRect(hwnd);
        RECT frame{};
        GetWindowRect(hwnd, &frame);
        POINT point{static_cast<short>(LOWORD(lParam)) - frame.left,
                    static_cast<short>(HIWORD(lParam)) - frame.top};
        if (help && PtInRect(&button, point))
            return HTHELP;
        break;
    }
    case WM_NCLBUTTONDOWN:
        if (help && wParam == HTHELP) {
            DrawButton(hwnd, true);
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, lParam);
            DrawButton(hwnd, false);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if (help && (wParam & 0xFFF0) == SC_CONTEXTHELP) {
            TrackHelp(hwnd);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        PreviousProcs().erase(hwnd);
        break;
    default:
        break;
    }
    LRESULT result = CallWindowProcA(previous, hwnd, msg, wParam, lParam);
    if (msg == WM_NCPAINT || msg == WM_NCACTIVATE || msg == WM_SETTEXT)
        DrawButton(hwnd, false);
    return result;
}

} // namespace

namespace win32 {

void AddHelpButton(HWND hwnd) {
    if (Previous(hwnd) != nullptr)
        return;
    // Where the system hit-tests the button itself it draws and runs it too.
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    RECT button = ButtonRect(hwnd);
    LPARAM middle = MAKELPARAM(frame.left + (button.left + button.right) / 2,
                               frame.top + (button.top + button.bottom) / 2);
    if (DefWindowProcA(hwnd, WM_NCHITTEST, 0, middle) == HTHELP)
        return;
    PreviousProcs()[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HelpButtonProc)));
}

} // namespace win32
