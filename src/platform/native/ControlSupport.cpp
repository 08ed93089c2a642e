#include "platform/native/ControlSupport.h"

#include "platform/CodePage.h"
#include "platform/WinInput.h"
#include "platform/native/DialogState.h"

namespace native {

HFONT CreateDialogFont(int pointSize) {
    WindowManager& manager = WindowManager::Instance();
    auto font = reinterpret_cast<HFONT>(manager.NewHandleValue());
    FontMetrics metrics;
    metrics.height = (pointSize * 4 + 2) / 3 + 2;
    metrics.averageWidth = 6;
    manager.fonts[font] = metrics;
    return font;
}

void DeleteDialogFont(HFONT font) {
    WindowManager::Instance().fonts.erase(font);
}

FontMetrics MetricsOf(HFONT font) {
    WindowManager& manager = WindowManager::Instance();
    auto it = manager.fonts.find(font);
    return it != manager.fonts.end() ? it->second : manager.settings.systemFont;
}

bool IsLeadByte(unsigned char byte) {
    return codepage::IsLeadByte(ActiveCodePage(), byte);
}

int TextWidth(std::string_view text, const FontMetrics& font) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            width += 2 * font.averageWidth;
            ++i;
        } else {
            width += font.averageWidth;
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

FontMetrics ControlFont(HWND hwnd) {
    return MetricsOf(static_cast<HFONT>(GetPropA(hwnd, fontProperty)));
}

void NotifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (parent != nullptr) {
        SendMessageA(parent, WM_COMMAND, MAKELONG(static_cast<WORD>(GetDlgCtrlID(control)), code),
                     reinterpret_cast<LPARAM>(control));
    }
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

} // namespace native
