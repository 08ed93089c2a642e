// Classes, creation and destruction, and the relations and long values of windows.

#include "platform/native/DialogState.h"
#include "platform/native/WindowManager.h"

#include <algorithm>

using native::Window;
using native::WindowManager;

namespace {

// The window procedure's index for Get/SetWindowLongPtrA, which lets controls be subclassed.
constexpr int windowProcIndex = -4;

WindowManager& Manager() {
    return WindowManager::Instance();
}

// The window's last messages and its removal; the window must still be known.
void Finish(HWND hwnd) {
    WindowManager& manager = Manager();
    if (manager.Find(hwnd)->announced) {
        auto destroyed = manager.observer.destroyed;
        if (destroyed) {
            destroyed(hwnd);
        }
    }
    manager.Send(hwnd, WM_NCDESTROY, 0, 0);
    manager.Forget(hwnd);
}

// The next window of `candidates` that is alive and not already on its way out.
HWND NextToDestroy(const std::vector<HWND>& candidates) {
    for (HWND hwnd : candidates) {
        Window* window = Manager().Find(hwnd);
        if (window != nullptr && !window->destroying) {
            return hwnd;
        }
    }
    return nullptr;
}

// WM_DESTROY to the window, then to each of its children's trees in turn.
void SendDestroyMessages(HWND hwnd) {
    WindowManager& manager = Manager();
    manager.Find(hwnd)->destroying = true;
    manager.Send(hwnd, WM_DESTROY, 0, 0);
    while (HWND child = NextToDestroy(manager.ChildrenOf(hwnd))) {
        SendDestroyMessages(child);
    }
}

// The windows below first: a window's children are gone before its own WM_NCDESTROY.
void FinishTree(HWND hwnd) {
    WindowManager& manager = Manager();
    for (HWND child : manager.ChildrenOf(hwnd)) {
        if (manager.Find(child) != nullptr)
            FinishTree(child);
    }
    Finish(hwnd);
}

// As Windows does: the windows it owns go first, then the whole tree hears WM_DESTROY, parents
// before children, while every window of it still exists; then the tree is taken down.
void DestroyTree(HWND hwnd) {
    WindowManager& manager = Manager();
    manager.Find(hwnd)->destroying = true;
    while (HWND owned = NextToDestroy(manager.OwnedBy(hwnd))) {
        DestroyTree(owned);
    }
    SendDestroyMessages(hwnd);
    if (manager.Find(hwnd) != nullptr)
        FinishTree(hwnd);
}

// A dialog's own long values (DWLP_...).
bool SetDialogLong(HWND hwnd, int index, std::intptr_t value) {
    std::shared_ptr<native::DialogData> data = native::DialogDataOf(hwnd);
    if (!data) {
        return false;
    }
    switch (index) {
    case DWLP_MSGRESULT:
        data->msgResult = value;
        return true;
    case DWLP_DLGPROC:
        data->proc = reinterpret_cast<DLGPROC>(value);
        return true;
    case DWLP_USER:
        data->user = value;
        return true;
    default:
        return false;
    }
}

std::intptr_t GetDialogLong(HWND hwnd, int index) {
    std::shared_ptr<native::DialogData> data = native::DialogDataOf(hwnd);
    if (!data) {
        return 0;
    }
    switch (index) {
    case DWLP_MSGRESULT:
        return data->msgResult;
    case DWLP_DLGPROC:
        return reinterpret_cast<std::intptr_t>(data->proc);
    case DWLP_USER:
        return data->user;
    default:
        return 0;
    }
}

// The window's siblings, itself included, in z-order.
std::vector<HWND> SiblingsOf(const Window& window) {
    return window.parent != nullptr ? Manager().ChildrenOf(window.parent) : Manager().TopLevels();
}

HWND Sibling(const Window& window, UINT relation) {
    std::vector<HWND> siblings = SiblingsOf(window);
    auto at = std::find(siblings.begin(), siblings.end(), window.handle);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return at + 1 != siblings.end() ? *(at + 1) : nullptr;
    default:
        return at != siblings.begin() ? *(at - 1) : nullptr;
    }
}

} // namespace

BOOL RegisterClassA(const WNDCLASSA* wc) {
    if (wc == nullptr || wc->lpszClassName == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(Manager().classes.Register(*wc));
}

BOOL GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* wc) {
    auto* entry = Manager().classes.Find(className);
    if (entry == nullptr) {
        return FALSE;
    }
    if (wc != nullptr) {
        *wc = entry->info;
    }
    return TRUE;
}

std::uintptr_t SetClassLongPtrA(HWND hwnd, int index, std::uintptr_t value) {
    Window* window = Manager().Find(hwnd);
    auto* entry = window != nullptr ? Manager().classes.Find(window->className.c_str()) : nullptr;
    if (entry == nullptr) {
        return 0;
    }
    std::uintptr_t previous = GetClassLongPtrA(hwnd, index);
    if (index == GCLP_HBRBACKGROUND) {
        entry->info.hbrBackground = reinterpret_cast<HBRUSH>(value);
    } else if (index == GCLP_HICON) {
        entry->info.hIcon = reinterpret_cast<HICON>(value);
    }
    return previous;
}

std::uintptr_t GetClassLongPtrA(HWND hwnd, int index) {
    Window* window = Manager().Find(hwnd);
    auto* entry = window != nullptr ? Manager().classes.Find(window->className.c_str()) : nullptr;
    if (entry == nullptr) {
        return 0;
    }
    if (index == GCLP_HBRBACKGROUND) {
        return reinterpret_cast<std::uintptr_t>(entry->info.hbrBackground);
    }
    if (index == GCLP_HICON) {
        return reinterpret_cast<std::uintptr_t>(entry->info.hIcon);
    }
    return 0;
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param) {
    WindowManager& manager = Manager();
    auto* entry = manager.classes.Find(className);
    bool child = (style & WS_CHILD) != 0;
    if (entry == nullptr || (parent != nullptr && manager.Find(parent) == nullptr) ||
        (child && parent == nullptr)) {
        return nullptr;
    }

    auto window = std::make_unique<Window>();
    window->className = entry->name;
    window->instance = instance;
    window->proc = entry->info.lpfnWndProc;
    window->title = title != nullptr ? title : "";
    // Top-level windows never draw over one another, whatever their creator asked.
    window->style = child ? style : style | WS_CLIPSIBLINGS;
    window->exStyle = exStyle;
    window->rect = native::ClampedWindowRect(x, y, width, height);
    if (child) {
        window->parent = parent;
        window->id = static_cast<int>(reinterpret_cast<std::intptr_t>(menu));
    } else if (parent != nullptr) {
        window->owner = manager.TopLevelOf(parent);
    }
    window->invalid = (style & WS_VISIBLE) != 0;
    HWND hwnd = manager.Add(std::move(window));
    if (hwnd == nullptr) {
        return nullptr;
    }
    // A top-level window's `menu` is its menu bar.
    if (!child && manager.menus.Find(menu) != nullptr) {
        manager.menus.SetBar(hwnd, menu);
    }

    auto hook = manager.creationHook;
    if (hook) {
        hook(hwnd);
    }

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cy = height;
    cs.cx = width;
    cs.y = y;
    cs.x = x;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = title;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    auto csParam = reinterpret_cast<LPARAM>(&cs);

    // A window refused in WM_NCCREATE still gets WM_NCDESTROY, so its procedure can clean up.
    // A failure the host asks for is such a refusal.
    if (native::ShouldFail(native::Failure::WindowCreation, entry->name) ||
        manager.Send(hwnd, WM_NCCREATE, 0, csParam) == FALSE) {
        if (manager.Find(hwnd) != nullptr && !manager.Find(hwnd)->destroying) {
            manager.Find(hwnd)->destroying = true;
            Finish(hwnd);
        }
        return nullptr;
    }
    if (manager.Find(hwnd) == nullptr) {
        return nullptr;
    }
    if (manager.Send(hwnd, WM_CREATE, 0, csParam) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Window* created = manager.Find(hwnd);
    if (created == nullptr || created->destroying) {
        return nullptr;
    }
    created->announced = true;
    auto announce = manager.observer.created;
    if (announce) {
        announce(hwnd);
    }
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    if (!window->destroying) {
        DestroyTree(hwnd);
    }
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return Manager().Find(hwnd) != nullptr ? TRUE : FALSE;
}

std::intptr_t SetWindowLongPtrA(HWND hwnd, int index, std::intptr_t value) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return 0;
    }
    std::intptr_t previous = GetWindowLongPtrA(hwnd, index);
    switch (index) {
    case GWLP_USERDATA:
        window->userData = value;
        break;
    case GWLP_ID:
        window->id = static_cast<int>(value);
        break;
    case GWL_STYLE:
        window->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(value);
        break;
    case windowProcIndex:
        window->proc = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        return SetDialogLong(hwnd, index, value) ? previous : 0;
    }
    return previous;
}

std::intptr_t GetWindowLongPtrA(HWND hwnd, int index) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return 0;
    }
    switch (index) {
    case GWLP_USERDATA:
        return window->userData;
    case GWLP_ID:
        return window->id;
    case GWL_STYLE:
        return window->style;
    case GWL_EXSTYLE:
        return window->exStyle;
    case windowProcIndex:
        return reinterpret_cast<std::intptr_t>(window->proc);
    default:
        return GetDialogLong(hwnd, index);
    }
}

HWND GetParent(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    if (window->parent != nullptr) {
        return window->parent;
    }
    return (window->style & WS_POPUP) != 0 ? window->owner : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    WindowManager& manager = Manager();
    Window* window = manager.Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    if (newParent != nullptr && (manager.Find(newParent) == nullptr || newParent == hwnd ||
                                 manager.IsDescendant(hwnd, newParent))) {
        return nullptr;
    }
    HWND previous = window->parent;
    window->parent = newParent;
    if (newParent != nullptr) {
        window->owner = nullptr;
    }
    return previous;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    switch (relation) {
    case GW_OWNER:
        return window->owner;
    case GW_CHILD: {
        std::vector<HWND> children = Manager().ChildrenOf(hwnd);
        return children.empty() ? nullptr : children.front();
    }
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV:
        return Sibling(*window, relation);
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    return parent != nullptr && Manager().IsDescendant(parent, hwnd) ? TRUE : FALSE;
}

BOOL SetPropA(HWND hwnd, const char* name, HANDLE data) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || name == nullptr) {
        return FALSE;
    }
    window->props[name] = data;
    return TRUE;
}

HANDLE GetPropA(HWND hwnd, const char* name) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr || name == nullptr) {
        return nullptr;
    }
    auto it = window->props.find(name);
    return it != window->props.end() ? it->second : nullptr;
}

HANDLE RemovePropA(HWND hwnd, const char* name) {
    HANDLE data = GetPropA(hwnd, name);
    if (data != nullptr) {
        Manager().Find(hwnd)->props.erase(name);
    }
    return data;
}

BOOL SetWindowContextHelpId(HWND hwnd, DWORD id) {
    Window* window = Manager().Find(hwnd);
    if (window == nullptr) {
        return FALSE;
    }
    window->helpId = id;
    return TRUE;
}

DWORD GetWindowContextHelpId(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->helpId : 0;
}

HWND GetDlgItem(HWND hwnd, int id) {
    if (Manager().Find(hwnd) == nullptr) {
        return nullptr;
    }
    for (HWND child : Manager().ChildrenOf(hwnd)) {
        if (Manager().Find(child)->id == id) {
            return child;
        }
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->id : 0;
}

namespace native {

std::string GetClassNameOf(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->className : std::string();
}

std::string GetWindowTextOf(HWND hwnd) {
    Window* window = Manager().Find(hwnd);
    return window != nullptr ? window->title : std::string();
}

std::vector<HWND> TopLevelWindows() {
    return Manager().TopLevels();
}

std::vector<HWND> ChildWindows(HWND hwnd) {
    if (Manager().Find(hwnd) == nullptr) {
        return {};
    }
    return Manager().ChildrenOf(hwnd);
}

} // namespace native
