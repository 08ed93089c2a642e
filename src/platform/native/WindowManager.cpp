#include "platform/native/WindowManager.h"

#include "platform/native/SystemClasses.h"

namespace native {

namespace {

std::uintptr_t KeyOf(HWND hwnd) {
    return reinterpret_cast<std::uintptr_t>(hwnd);
}

} // namespace

WindowManager& WindowManager::Instance() {
    static WindowManager instance;
    return instance;
}

WindowManager::WindowManager() {
    RegisterSystemClasses(classes);
}

Window* WindowManager::Find(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    auto it = windows.find(KeyOf(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

void WindowManager::Add(std::unique_ptr<Window> window) {
    HWND hwnd = window->handle;
    windows[KeyOf(hwnd)] = std::move(window);
}

void WindowManager::Forget(HWND hwnd) {
    for (std::uintptr_t id : timers.KillAllOf(hwnd)) {
        queue.DropTimerMessages(hwnd, id);
    }
    if (focus == hwnd) {
        focus = nullptr;
    }
    if (active == hwnd) {
        active = nullptr;
    }
    if (capture == hwnd) {
        capture = nullptr;
    }
    menus.ForgetWindow(hwnd);
    for (auto& [key, window] : windows) {
        if (window->owner == hwnd) {
            window->owner = nullptr;
        }
    }
    windows.erase(KeyOf(hwnd));
}

void WindowManager::DiscardAll() {
    while (!windows.empty()) {
        Forget(windows.begin()->second->handle);
    }
}

std::vector<HWND> WindowManager::Select(bool (*test)(const Window&, HWND), HWND other) const {
    std::vector<HWND> selected;
    for (const auto& [key, window] : windows) {
        if (test(*window, other)) {
            selected.push_back(window->handle);
        }
    }
    return selected;
}

std::vector<HWND> WindowManager::TopLevels() const {
    return Select([](const Window& window, HWND) { return window.parent == nullptr; }, nullptr);
}

std::vector<HWND> WindowManager::ChildrenOf(HWND parent) const {
    return Select([](const Window& window, HWND other) { return window.parent == other; }, parent);
}

std::vector<HWND> WindowManager::OwnedBy(HWND owner) const {
    return Select([](const Window& window, HWND other) { return window.owner == other; }, owner);
}

HWND WindowManager::TopLevelOf(HWND hwnd) {
    Window* window = Find(hwnd);
    while (window != nullptr) {
        Window* parent = Find(window->parent);
        if (parent == nullptr) {
            return window->handle;
        }
        window = parent;
    }
    return nullptr;
}

bool WindowManager::IsDescendant(HWND ancestor, HWND hwnd) {
    Window* window = Find(hwnd);
    while (window != nullptr) {
        if (window->parent == ancestor) {
            return true;
        }
        window = Find(window->parent);
    }
    return false;
}

POINT WindowManager::ScreenOrigin(HWND hwnd) {
    POINT origin;
    for (Window* window = Find(hwnd); window != nullptr; window = Find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
    }
    return origin;
}

LRESULT WindowManager::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(hwnd);
    if (window == nullptr) {
        return 0;
    }
    WNDPROC proc = window->proc != nullptr ? window->proc : DefWindowProcA;
    return proc(hwnd, msg, wParam, lParam);
}

} // namespace native
