#include "platform/native/ControlSupport.h"

#include "platform/CodePage.h"
#include "platform/WinInput.h"
#include "platform/native/DialogState.h"

#include <algorithm>
#include <cctype>

namespace native {

HFONT CreateDialogFont(int pointSize) {
    WindowManager& manager = WindowManager::Instance();
    auto font = reinterpret_cast<HFONT>(manager.NewHandleValue());
    return manager.gdi.MakeFont(font, (pointSize * 4 + 2) / 3 + 2, 6);
}

TEXTMETRICA MetricsOf(HFONT font) {
    WindowManager& manager = WindowManager::Instance();
    Language language = manager.settings.language;
    TEXTMETRICA metrics;
    if (!manager.gdi.Metrics(font, language, metrics)) {
        manager.gdi.Metrics(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), language, metrics);
    }
    return metrics;
}

bool IsLeadByte(unsigned char byte) {
    return codepage::IsLeadByte(ActiveCodePage(), byte);
}

int TextWidth(std::string_view text, const TEXTMETRICA& font) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            width += 2 * font.tmAveCharWidth;
            ++i;
        } else {
            width += font.tmAveCharWidth;
        }
    }
    return width;
}

namespace {

constexpr const char* fontProperty = "Font";

} // namespace

std::optional<LRESULT> FontMessage(HWND hwnd, UINT msg, WPARAM wParam) {
    if (msg == WM_SETFONT) {
        SetPropA(hwnd, fontProperty, reinterpret_cast<HANDLE>(wParam));
        return 0;
    }
    if (msg == WM_GETFONT) {
        return reinterpret_cast<LRESULT>(GetPropA(hwnd, fontProperty));
    }
    return std::nullopt;
}

TEXTMETRICA ControlFont(HWND hwnd) {
    return MetricsOf(static_cast<HFONT>(GetPropA(hwnd, fontProperty)));
}

void NotifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent != nullptr) {
        SendMessageA(parent, WM_COMMAND, MAKELONG(static_cast<WORD>(GetDlgCtrlID(control)), code),
                     reinterpret_cast<LPARAM>(control));
    }
}

std::optional<LRESULT> FocusNotice(HWND hwnd, UINT msg, WORD gained, WORD lost) {
    if (msg != WM_SETFOCUS && msg != WM_KILLFOCUS) {
        return std::nullopt;
    }
    NotifyParent(hwnd, msg == WM_SETFOCUS ? gained : lost);
    return 0;
}

bool IsDialogWindow(HWND hwnd) {
    Window* window = WindowManager::Instance().Find(hwnd);
    return window != nullptr && window->className == WC_DIALOG && window->controlData != nullptr;
}

void FocusByClick(HWND control) {
    if (GetFocus() == control) {
        return;
    }
    HWND parent = GetParent(control);
    if (IsDialogWindow(parent)) {
        // Unlike tabbing into it, a click leaves an edit field's text unselected.
        DialogSetFocus(parent, control, false);
    } else {
        SetFocus(control);
    }
}

POINT PointOf(LPARAM lParam) {
    auto value = static_cast<std::uintptr_t>(lParam);
    return POINT{static_cast<short>(LOWORD(value)), static_cast<short>(HIWORD(value))};
}

bool InClient(HWND hwnd, POINT point) {
    RECT client;
    GetClientRect(hwnd, &client);
    return point.x >= 0 && point.y >= 0 && point.x < client.right && point.y < client.bottom;
}

DWORD ButtonType(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool ShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

bool CtrlDown() {
    return GetKeyState(VK_CONTROL) < 0;
}

bool IsOfClass(HWND hwnd, std::string_view className) {
    std::string name = GetClassNameOf(hwnd);
    return std::equal(name.begin(), name.end(), className.begin(), className.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace native
