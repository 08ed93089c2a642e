// Metrics and colours, message boxes and help, the host's hooks, and Reset.

#include "platform/native/WindowManager.h"

#include "platform/native/SystemClasses.h"

#include <algorithm>
#include <vector>

using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

constexpr UINT defaultButtonMask = 0xF00;

std::vector<int> ButtonsOf(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    default:
        return {IDOK};
    }
}

int DefaultButtonOf(UINT style) {
    std::vector<int> buttons = ButtonsOf(style);
    std::size_t index = (style & defaultButtonMask) >> 8;
    return buttons[index < buttons.size() ? index : 0];
}

} // namespace

int GetSystemMetrics(int index) {
    const native::Metrics& metrics = Manager().settings.metrics;
    switch (index) {
    case SM_CXSCREEN:
        return metrics.screenWidth;
    case SM_CYSCREEN:
        return metrics.screenHeight;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return metrics.frame;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return metrics.captionButton;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return metrics.dragDistance;
    default:
        return 0;
    }
}

BOOL SystemParametersInfoA(UINT action, UINT, void* out, UINT) {
    if (action != SPI_GETWORKAREA || out == nullptr) {
        return FALSE;
    }
    *static_cast<RECT*>(out) = Manager().settings.metrics.workArea;
    return TRUE;
}

DWORD GetSysColor(int index) {
    return Manager().settings.Colour(index);
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) {
        return FALSE;
    }
    *point = Manager().cursor;
    return TRUE;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    MSGBOXPARAMSA params;
    params.hwndOwner = owner;
    params.lpszText = text;
    params.lpszCaption = caption;
    params.dwStyle = type;
    return MessageBoxIndirectA(&params);
}

int MessageBoxIndirectA(const MSGBOXPARAMSA* params) {
    if (params == nullptr) {
        return 0;
    }
    WindowManager& manager = Manager();
    native::MessageBoxRequest request;
    request.text = params->lpszText != nullptr ? params->lpszText : "";
    request.caption = params->lpszCaption != nullptr ? params->lpszCaption : "Error";
    request.style = params->dwStyle;
    request.stringId = params->dwContextHelpId;

    // The box is modal to the owner's top-level window, which stays disabled while it is up.
    // A child cannot own a window: the box is owned by the child's top-level window.
    HWND topLevel = manager.TopLevelOf(params->hwndOwner);
    request.owner = topLevel;
    bool reenable = topLevel != nullptr && IsWindowEnabled(topLevel) != FALSE;
    if (reenable) {
        EnableWindow(topLevel, FALSE);
    }
    int fallback = DefaultButtonOf(params->dwStyle);
    auto handler = manager.messageBoxHandler;
    int answer = handler ? handler(request) : fallback;
    std::vector<int> buttons = ButtonsOf(params->dwStyle);
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
        answer = fallback;
    }
    if (reenable) {
        EnableWindow(topLevel, TRUE);
    }
    return answer;
}

BOOL WinHelpA(HWND hwnd, const char* helpFile, UINT command, std::uintptr_t data) {
    auto handler = Manager().helpHandler;
    if (!handler) {
        return FALSE;
    }
    handler(hwnd, helpFile != nullptr ? helpFile : "", command, data);
    return TRUE;
}

namespace native {

void SetMetrics(const Metrics& metrics) {
    Manager().settings.metrics = metrics;
}

const Metrics& GetMetrics() {
    return Manager().settings.metrics;
}

void SetSysColor(int index, COLORREF color) {
    Manager().settings.colours[index] = color;
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Manager().messageBoxHandler = std::move(handler);
}

void SetHelpHandler(HelpHandler handler) {
    Manager().helpHandler = std::move(handler);
}

void SetWindowObserver(WindowObserver observer) {
    Manager().observer = std::move(observer);
}

void SetCreationHook(CreationHook hook) {
    Manager().creationHook = std::move(hook);
}

void SetWindowObject(HWND hwnd, void* object) {
    if (Window* window = Manager().Find(hwnd)) {
        window->object = object;
    }
}

void* WindowObject(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->object : nullptr;
}

void SetFailureHook(FailureHook hook) {
    Manager().failureHook = std::move(hook);
}

bool ShouldFail(Failure failure, const std::string& what) {
    // A copy: the hook may replace itself.
    FailureHook hook = Manager().failureHook;
    return hook && hook(failure, what);
}

int WaitCursorDepth() {
    return Manager().settings.waitCursorDepth;
}

void AdjustWaitCursor(int delta) {
    int& depth = Manager().settings.waitCursorDepth;
    depth = std::max(depth + delta, 0);
}

void Reset() {
    WindowManager& manager = Manager();
    // The hooks of whoever used the system last may refer to things gone by now.
    manager.messageBoxHandler = nullptr;
    manager.helpHandler = nullptr;
    manager.inputWaiter = nullptr;
    manager.observer = WindowObserver{};
    manager.creationHook = nullptr;
    manager.popupMenuHandler = nullptr;
    manager.failureHook = nullptr;
    for (;;) {
        std::vector<HWND> topLevels = manager.TopLevels();
        auto next = std::find_if(topLevels.begin(), topLevels.end(),
                                 [&](HWND hwnd) { return !manager.Find(hwnd)->destroying; });
        if (next == topLevels.end()) {
            break;
        }
        DestroyWindow(*next);
    }
    manager.DiscardAll();
    manager.queue.Clear();
    manager.timers.Clear();
    manager.classes.Clear();
    native::RegisterSystemClasses(manager.classes);
    manager.imageLists.Clear();
    manager.menus.Clear();
    manager.accelerators.Clear();
    manager.keyboard.Clear();
    manager.modules.Clear();
    manager.gdi.Clear();
    manager.cursor = POINT{};
    manager.settings = SystemSettings{};
    manager.focus = nullptr;
    manager.active = nullptr;
    manager.capture = nullptr;
}

} // namespace native
