#pragma once

#include "platform/NativeBackend.h"
#include "platform/native/AcceleratorStore.h"
#include "platform/native/ClassTable.h"
#include "platform/native/GdiTable.h"
#include "platform/native/ImageListTable.h"
#include "platform/native/KeyboardState.h"
#include "platform/native/MenuTable.h"
#include "platform/native/MessageQueue.h"
#include "platform/native/ModuleTable.h"
#include "platform/native/SystemSettings.h"
#include "platform/native/TimerTable.h"
#include "platform/native/Window.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace native {

// All state of the window system in one place: the windows, classes, queue, timers,
// modules, image lists, menus, accelerator tables, drawing objects, settings, input state
// and the host's hooks.
class WindowManager {
public:
    static WindowManager& Instance();

    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Handles of the other kinds come from one increasing counter, so none is ever reused;
    // they stay below the windows' range.
    std::uintptr_t NewHandleValue() { return ++lastHandle; }

    // Null for a null or dead handle. A window's handle names its place in a table and the
    // place's generation, so finding it costs a few bit tests and one load, not a search
    // (messages pass here all the time), and the handle of a destroyed window finds nothing
    // even once its place serves another window.
    Window* Find(HWND hwnd) {
        auto value = reinterpret_cast<std::uintptr_t>(hwnd);
        if ((value & ~kHandleBits) != kWindowHandleBase)
            return nullptr;
        auto at = value & kIndexMask;
        Window* window = at < slots.size() ? slots[at].window.get() : nullptr;
        return window != nullptr && window->handle == hwnd ? window : nullptr;
    }
    // Gives the window its handle and keeps it; null (and the window freed) when the table
    // is full, as window creation fails on Windows past its limit.
    HWND Add(std::unique_ptr<Window> window);
    // At most this many windows live at once.
    static constexpr std::size_t kMostWindows = std::size_t{1} << 16;
    // Places the window table holds: as many as windows lived at once at most.
    std::size_t TableSize() const { return slots.size(); }
    // Drops the window and everything that refers to it: its timers and their pending
    // messages, focus, activation, capture and its menu bar.
    void Forget(HWND hwnd);
    // Drops every window without a message, for windows a proc kept alive through Reset.
    void DiscardAll();

    // In creation order.
    std::vector<HWND> TopLevels() const;
    std::vector<HWND> ChildrenOf(HWND parent) const;
    std::vector<HWND> OwnedBy(HWND owner) const;
    // The window itself when it is top-level, else its top-level ancestor.
    HWND TopLevelOf(HWND hwnd);
    bool IsDescendant(HWND ancestor, HWND hwnd);
    POINT ScreenOrigin(HWND hwnd);

    // Calls the window procedure; 0 for a dead handle.
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    ClassTable classes;
    MessageQueue queue;
    TimerTable timers;
    ModuleTable modules;
    ImageListTable imageLists;
    MenuTable menus;
    AcceleratorStore accelerators;
    KeyboardState keyboard;
    SystemSettings settings;
    GdiTable gdi;
    POINT cursor;

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;

    MessageBoxHandler messageBoxHandler;
    HelpHandler helpHandler;
    InputWaiter inputWaiter;
    WindowObserver observer;
    CreationHook creationHook;
    PopupMenuHandler popupMenuHandler;
    FailureHook failureHook;

private:
    // The system's own window classes are there from the start.
    WindowManager();

    std::vector<HWND> Select(bool (*test)(const Window&, HWND), HWND other) const;

    // A window handle: the base, 14 bits of generation and 16 bits of place, all within 31
    // bits as on Windows.
    static constexpr std::uintptr_t kWindowHandleBase = 0x40000000;
    static constexpr std::uintptr_t kIndexMask = kMostWindows - 1;
    static constexpr std::uintptr_t kHandleBits = 0x3FFFFFFF;
    static constexpr int kGenerationShift = 16;

    // A place in the table: the window there, and how many windows had it before, which
    // tells a new window's handle from the old ones'.
    struct Slot {
        std::unique_ptr<Window> window;
        std::uintptr_t generation = 0;
    };
    std::vector<Slot> slots;
    // Free places, the longest free first, so that a handle comes back as late as it can.
    std::deque<std::uint32_t> freeSlots;
    // The live windows in creation order.
    std::vector<Window*> live;
    std::uintptr_t lastHandle = 0x1000;
};

} // namespace native
