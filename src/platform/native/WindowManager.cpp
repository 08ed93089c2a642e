#include "platform/native/WindowManager.h"

#include "platform/native/SystemClasses.h"

namespace native {

WindowManager& WindowManager::Instance() {
    static WindowManager instance;
    return instance;
}

WindowManager::WindowManager() {
    RegisterSystemClasses(classes);
}

void WindowManager::Add(std::unique_ptr<Window> window) {
    auto at = reinterpret_cast<std::uintptr_t>(window->handle) - firstSlot;
    if (at >= slots.size()) {
        slots.resize(at + 1);
    }
    live.push_back(window.get());
    slots[at] = std::move(window);
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
    for (Window* window : live) {
        if (window->owner == hwnd) {
            window->owner = nullptr;
        }
    }
    Window* gone = Find(hwnd);
    if (gone == nullptr) {
        return;
    }
    std::erase(live, gone);
    slots[reinterpret_cast<std::uintptr_t>(hwnd) - firstSlot].reset();
    if (live.empty()) {
        slots.clear();
        firstSlot = lastHandle + 1;
    }
}

void WindowManager::DiscardAll() {
    while (!live.empty()) {
        Forget(live.front()->handle);
    }
}

std::vector<HWND> WindowManager::Select(bool (*test)(const Window&, HWND), HWND other) const {
    std::vector<HWND> selected;
    for (const Window* window : live) {
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
