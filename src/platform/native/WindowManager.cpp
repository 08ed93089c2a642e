#include "platform/native/WindowManager.h"

#include "platform/native/SystemClasses.h"

#include <algorithm>

namespace native {

RECT ClampedWindowRect(int x, int y, int width, int height) {
    constexpr int kLowest = -32768;
    constexpr int kHighest = 32767;
    x = std::clamp(x, kLowest, kHighest);
    y = std::clamp(y, kLowest, kHighest);
    width = std::clamp(width, 0, kHighest);
    height = std::clamp(height, 0, kHighest);
    return RECT{x, y, x + width, y + height};
}

WindowManager& WindowManager::Instance() {
    static WindowManager instance;
    return instance;
}

WindowManager::WindowManager() {
    RegisterSystemClasses(classes);
}

HWND WindowManager::Add(std::unique_ptr<Window> window) {
    std::uint32_t at = 0;
    if (!freeSlots.empty()) {
        at = freeSlots.front();
        freeSlots.pop_front();
    } else if (slots.size() < kMostWindows) {
        at = static_cast<std::uint32_t>(slots.size());
        slots.emplace_back();
    } else {
        return nullptr;
    }
    Slot& slot = slots[at];
    auto value = kWindowHandleBase | ((slot.generation << kGenerationShift) & kHandleBits) | at;
    window->handle = reinterpret_cast<HWND>(value);
    live.push_back(window.get());
    slot.window = std::move(window);
    return slot.window->handle;
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
    auto at = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) & kIndexMask);
    slots[at].window.reset();
    ++slots[at].generation;
    freeSlots.push_back(at);
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
