// The state of windows: enabled, shown, minimised, active, focused, captured, placed,
// titled and painted.

#include "platform/native/WindowManager.h"

#include <algorithm>

using native::Window;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

constexpr int showMaximized = 3;
constexpr int showNoActivate = 4;
constexpr int showDefault = 10;
constexpr WPARAM sizeRestored = 0;

struct ShowEffect {
    bool show = true;
    bool activate = false;
    bool minimize = false;
    bool restore = false;
};

bool EffectOf(int command, ShowEffect& effect) {
    switch (command) {
    case SW_HIDE:
        effect.show = false;
        return true;
    case SW_SHOWNORMAL:
    case showMaximized:
    case showDefault:
    case SW_RESTORE:
        effect.activate = true;
        effect.restore = true;
        return true;
    case SW_SHOW:
        effect.activate = true;
        return true;
    case SW_SHOWNA:
        return true;
    case showNoActivate:
        effect.restore = true;
        return true;
    case SW_SHOWMINIMIZED:
        effect.activate = true;
        effect.minimize = true;
        return true;
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        effect.minimize = true;
        return true;
    default:
        return false;
    }
}

WPARAM ActivateParam(UINT state, HWND hwnd) {
    return MAKELONG(static_cast<WORD>(state), IsIconic(hwnd) ? 1 : 0);
}

// Where activation goes when the active window is hidden: to its owner if that can take it,
// else to the most recent other top-level window that can, else nowhere.
HWND NextToActivate(HWND hidden) {
    WindowManager& manager = Manager();
    auto canTake = [&](HWND hwnd) {
        return hwnd != nullptr && hwnd != hidden && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
    };
    const Window* window = manager.Find(hidden);
    if (window != nullptr && canTake(window->owner))
        return window->owner;
    std::vector<HWND> tops = manager.TopLevels();
    auto it = std::find_if(tops.rbegin(), tops.rend(), canTake);
    return it == tops.rend() ? nullptr : *it;
}

} // namespace

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    bool wasDisabled = !window->Enabled();
    if (wasDisabled == (enable == FALSE)) {
        return wasDisabled ? TRUE : FALSE;
    }
    if (enable != FALSE) {
        window->style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        window->style |= WS_DISABLED;
        // A disabled window cannot keep the keyboard.
        if (Manager().focus == hwnd) {
            SetFocus(nullptr);
        }
    }
    Manager().Send(hwnd, WM_ENABLE, enable != FALSE ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr && window->Enabled() ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    BOOL wasVisible = window->Visible() ? TRUE : FALSE;
    ShowEffect effect;
    if (!EffectOf(command, effect)) {
        return wasVisible;
    }
    // As in Windows, showing a window already shown neither activates nor changes it.
    if (command == SW_SHOW && wasVisible) {
        return wasVisible;
    }
    // A window minimised or restored by the same call is not told it is shown.
    bool stateChanges =
        (effect.minimize && !window->Iconic()) || (effect.restore && window->Iconic());
    if (effect.show != (wasVisible != FALSE)) {
        if (!stateChanges) {
            Manager().Send(hwnd, WM_SHOWWINDOW, effect.show ? TRUE : FALSE, 0);
        }
        window = Manager().Find(hwnd);
        if (window == nullptr) {
            return wasVisible;
        }
        if (effect.show) {
            window->style |= WS_VISIBLE;
            window->invalid = true;
        } else {
            window->style &= ~static_cast<DWORD>(WS_VISIBLE);
        }
    }
    if (effect.minimize) {
        window->style |= WS_MINIMIZE;
    }
    if (effect.restore) {
        window->style &= ~static_cast<DWORD>(WS_MINIMIZE);
    }
    if (effect.activate && window->parent == nullptr) {
        SetActiveWindow(hwnd);
    } else if (!effect.show && Manager().active == hwnd) {
        SetActiveWindow(NextToActivate(hwnd));
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    WindowManager& manager = Manager();
    Window* window = manager.Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    for (; window != nullptr; window = manager.Find(window->parent)) {
        if (!window->Visible()) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL IsIconic(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr && window->Iconic() ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (window->invalid) {
        window->invalid = false;
        ++window->paintCount;
        Manager().Send(hwnd, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
    WindowManager& manager = Manager();
    if (hwnd == nullptr) {
        for (HWND top : manager.TopLevels()) {
            manager.Find(top)->invalid = IsWindowVisible(top) != FALSE;
        }
        return TRUE;
    }
    Window* window = manager.Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    // A window not on the screen has nothing to paint: it is painted whole once shown.
    if (IsWindowVisible(hwnd))
        window->invalid = true;
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    POINT origin = Manager().ScreenOrigin(hwnd);
    *rect = RECT{origin.x, origin.y, origin.x + window->Width(), origin.y + window->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, window->Width(), window->Height()};
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    RECT rect = native::ClampedWindowRect(x, y, width, height);
    x = rect.left;
    y = rect.top;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    bool moved = window->rect.left != x || window->rect.top != y;
    bool sized = window->Width() != width || window->Height() != height;
    window->rect = rect;
    if ((moved || sized) && repaint != FALSE) {
        window->invalid = true;
    }
    if (moved) {
        Manager().Send(hwnd, WM_MOVE, 0,
                       static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y))));
    }
    if (sized) {
        Manager().Send(
            hwnd, WM_SIZE, sizeRestored,
            static_cast<LPARAM>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(height))));
    }
    return TRUE;
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
    if (Manager().Find(hwnd) == nullptr) {
        return FALSE;
    }
    return Manager().Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<int>(Manager().Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                                           reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(Manager().Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

// Focus, activation and capture change before the notices go out; a handler that moves
// them again wins, and the rest of the notices are skipped.
HWND SetFocus(HWND hwnd) {
    WindowManager& manager = Manager();
    if (hwnd != nullptr && manager.Find(hwnd) == nullptr) {
        return nullptr;
    }
    HWND previous = manager.focus;
    if (previous == hwnd) {
        return previous;
    }
    manager.focus = hwnd;
    manager.Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd != nullptr && manager.focus == hwnd) {
        manager.Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND GetFocus() {
    return Manager().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    WindowManager& manager = Manager();
    if (hwnd != nullptr) {
        Window* window = manager.Find(hwnd);
        if (window == nullptr) {
            return nullptr;
        }
        // As in Windows, only a top-level window is activated: asked for a child, nothing
        // changes and the active window is the answer.
        if (window->parent != nullptr) {
            return manager.active;
        }
    }
    HWND previous = manager.active;
    if (previous == hwnd) {
        return previous;
    }
    manager.active = hwnd;
    if (manager.Find(previous) != nullptr) {
        manager.Send(previous, WM_ACTIVATE, ActivateParam(WA_INACTIVE, previous),
                     reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd != nullptr && manager.active == hwnd) {
        manager.Send(hwnd, WM_ACTIVATE, ActivateParam(WA_ACTIVE, hwnd),
                     reinterpret_cast<LPARAM>(previous));
    }
    return previous;
}

HWND GetActiveWindow() {
    return Manager().active;
}

HWND SetCapture(HWND hwnd) {
    WindowManager& manager = Manager();
    if (hwnd != nullptr && manager.Find(hwnd) == nullptr) {
        return nullptr;
    }
    HWND previous = manager.capture;
    if (previous == hwnd) {
        return previous;
    }
    manager.capture = hwnd;
    manager.Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

HWND GetCapture() {
    return Manager().capture;
}

BOOL ReleaseCapture() {
    WindowManager& manager = Manager();
    HWND previous = manager.capture;
    manager.capture = nullptr;
    manager.Send(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

namespace native {

int PaintCount(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->paintCount : 0;
}

} // namespace native
