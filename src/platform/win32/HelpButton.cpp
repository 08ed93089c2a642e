// The title-bar help button where the window system draws none for WS_EX_CONTEXTHELP (Wine):
// the backend's subclass of the window (WindowHooks) draws the button left of the close
// button, hit-tests it as HTHELP and runs the help mode its click starts, as Windows does
// itself: the cursor becomes the help cursor and the next click asks the window under it for
// help (WM_HELP).

#include "WindowHooks.h"

namespace {

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

} // namespace

namespace win32 {

bool SystemDrawsHelpButton(HWND hwnd) {
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    RECT button = ButtonRect(hwnd);
    LPARAM middle = MAKELPARAM(frame.left + (button.left + button.right) / 2,
                               frame.top + (button.top + button.bottom) / 2);
    return DefWindowProcA(hwnd, WM_NCHITTEST, 0, middle) == HTHELP;
}

bool HelpButtonMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if ((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0)
        return false;
    switch (msg) {
    case WM_NCHITTEST: {
        RECT button = ButtonRect(hwnd);
        RECT frame{};
        GetWindowRect(hwnd, &frame);
        POINT point{static_cast<short>(LOWORD(lParam)) - frame.left,
                    static_cast<short>(HIWORD(lParam)) - frame.top};
        if (!PtInRect(&button, point))
            return false;
        result = HTHELP;
        return true;
    }
    case WM_NCLBUTTONDOWN:
        if (wParam != HTHELP)
            return false;
        DrawButton(hwnd, true);
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, lParam);
        DrawButton(hwnd, false);
        result = 0;
        return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_CONTEXTHELP)
            return false;
        TrackHelp(hwnd);
        result = 0;
        return true;
    default:
        return false;
    }
}

void HelpButtonAfter(HWND hwnd, UINT msg) {
    if (msg == WM_NCPAINT || msg == WM_NCACTIVATE || msg == WM_SETTEXT)
        DrawButton(hwnd, false);
}

} // namespace win32
