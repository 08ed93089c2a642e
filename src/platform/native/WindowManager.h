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

#include <cstdint>
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

    // Handles of every kind come from one increasing counter, so none is ever reused.
    std::uintptr_t NewHandleValue() { return ++lastHandle; }

    // Null for a null or dead handle. A window's handle is its place in a table, so finding
    // it costs one bounds test and one load, not a search: messages pass here all the time.
    Window* Find(HWND hwnd) {
        auto at = reinterpret_cast<std::uintptr_t>(hwnd) - firstSlot;
        return at < slots.size() ? slots[at].get() : nullptr;
    }
    void Add(std::unique_ptr<Window> window);
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

    // Windows by handle value from `firstSlot` on; the handles of other kinds leave gaps.
    // The table starts again past the last handle whenever no window is left.
    std::vector<std::unique_ptr<Window>> slots;
    std::uintptr_t firstSlot = 0x1001;
    // The live windows in creation order.
    std::vector<Window*> live;
    std::uintptr_t lastHandle = 0x1000;
};

} // namespace native
