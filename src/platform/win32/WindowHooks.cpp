#include "WindowHooks.h"

#include "../NativeBackend.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>

namespace {

// A window of the thread as the backend subclassed it at its creation.
struct Subclass {
    WNDPROC previous = nullptr;
    // One the host's observer sees (IsWatched, known at creation).
    bool watched = false;
    // Made whole (its WM_CREATE succeeded): only such a window is announced gone.
    bool announced = false;
    // Its creation is made to fail, in WM_NCCREATE, as the native window system does.
    bool refused = false;
    // The backend draws and runs its title-bar help button (AddHelpButton).
    bool helpButton = false;
};

struct HookState {
    HHOOK cbt = nullptr;
    native::CreationHook creation;
    native::WindowObserver observer;
    UINT pendingTemplate = 0;
    std::map<HWND, UINT> dialogTemplates;
    std::vector<HWND> topLevels;
    native::FailureHook failure;
    std::unordered_map<HWND, Subclass> subclasses;
};

HookState& State() {
    static HookState state;
    return state;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Windows the system makes for itself on the application's thread (input-method windows),
// the help engine a host plays and the window its input wakes.
bool IsSystemWindow(HWND hwnd) {
    std::string name = ClassOf(hwnd);
    for (const char* system : {"IME", "MSCTFIME UI", "MS_WINHELP", "MvHostInput"}) {
        if (lstrcmpiA(name.c_str(), system) == 0)
            return true;
    }
    return false;
}

// The windows the host watches: everything but the system's own, and of the dialogs only the
// framework's (a message box is a dialog too).
bool IsWatched(HWND hwnd) {
    if (IsSystemWindow(hwnd))
        return false;
    return ClassOf(hwnd) != "#32770" || win32::DialogTemplateOf(hwnd) != 0;
}

// A top-level window given or relieved of the title-bar help button has its frame computed
// and drawn again, so that the button shows (or goes) at once; where the system draws no
// such button, the backend adds it.
void FollowHelpButton(HWND hwnd, const STYLESTRUCT& change) {
    if (((change.styleOld ^ change.styleNew) & WS_EX_CONTEXTHELP) == 0 ||
        (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0)
        return;
    if ((change.styleNew & WS_EX_CONTEXTHELP) != 0)
        win32::AddHelpButton(hwnd);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// What the backend sees of every message to a window of the thread, before and after the
// procedure the window had: the observer, the menu loops, the help button and the framework
// objects. A message hook would do the same at a few round trips to the window server per
// sent message under Wine; this is one call in the process.
LRESULT Watch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool unicode) {
    HookState& state = State();
    auto it = state.subclasses.find(hwnd);
    if (it == state.subclasses.end() || it->second.previous == nullptr)
        return unicode ? DefWindowProcW(hwnd, msg, wParam, lParam)
                       : DefWindowProcA(hwnd, msg, wParam, lParam);
    const Subclass subclass = it->second;
    // A refused creation still gets WM_NCDESTROY through the window's own procedure.
    if (msg == WM_NCCREATE && subclass.refused)
        return FALSE;
    if (LRESULT answer = 0;
        subclass.helpButton && win32::HelpButtonMessage(hwnd, msg, wParam, lParam, answer))
        return answer;
    if (msg == WM_NCDESTROY) {
        if (subclass.announced && state.observer.destroyed)
            state.observer.destroyed(hwnd);
        state.dialogTemplates.erase(hwnd);
    }
    // The observer hears of a new text only when the text changed.
    std::string textBefore;
    bool followText = msg == WM_SETTEXT && subclass.watched && state.observer.textChanged;
    if (followText)
        textBefore = native::GetWindowTextOf(hwnd);
    win32::FollowMenuMessage(CWPSTRUCT{lParam, wParam, msg, hwnd});
    LRESULT result = unicode ? CallWindowProcW(subclass.previous, hwnd, msg, wParam, lParam)
                             : CallWindowProcA(subclass.previous, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_EXSTYLE))
            FollowHelpButton(hwnd, *reinterpret_cast<const STYLESTRUCT*>(lParam));
        break;
    case WM_CREATE:
        if (result != -1 && subclass.watched) {
            if (auto found = state.subclasses.find(hwnd); found != state.subclasses.end())
                found->second.announced = true;
            if (state.observer.created)
                state.observer.created(hwnd);
        }
        break;
    case WM_SETTEXT:
        if (followText && native::GetWindowTextOf(hwnd) != textBefore)
            state.observer.textChanged(hwnd);
        break;
    case WM_NCDESTROY:
        // After the procedure's own WM_NCDESTROY, which still finds the window's object.
        win32::ForgetWindowObject(hwnd);
        state.subclasses.erase(hwnd);
        break;
    default:
        break;
    }
    if (subclass.helpButton)
        win32::HelpButtonAfter(hwnd, msg);
    return result;
}

LRESULT CALLBACK WatchProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Watch(hwnd, msg, wParam, lParam, false);
}

// A window of a Unicode class (the common controls) stays Unicode: an ANSI procedure in its
// chain would turn every text it passes into the code page and back.
LRESULT CALLBACK WatchProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Watch(hwnd, msg, wParam, lParam, true);
}

// Outside whatever procedure the creation hook gave the window, so that WM_CREATE's result
// is the window's own.
void WatchWindow(HWND hwnd, bool watched) {
    Subclass subclass;
    subclass.watched = watched;
    if (IsWindowUnicode(hwnd)) {
        subclass.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchProcW)));
    } else {
        subclass.previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchProcA)));
    }
    State().subclasses[hwnd] = subclass;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    HookState& state = State();
    auto hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND)
        win32::ForgetWindowObject(hwnd);
    if (code == HCBT_CREATEWND && !IsSystemWindow(hwnd)) {
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (state.pendingTemplate != 0 && ClassOf(hwnd) == "#32770") {
            state.dialogTemplates[hwnd] = state.pendingTemplate;
            state.pendingTemplate = 0;
        }
        if ((create->style & WS_CHILD) == 0)
            state.topLevels.push_back(hwnd);
        // Taken before the framework's creation hook, which attaches the window's object:
        // EnsureWatched leaves the window to WatchWindow below.
        state.subclasses[hwnd] = Subclass{};
        if (state.creation)
            state.creation(hwnd);
        WatchWindow(hwnd, IsWatched(hwnd));
        if (native::ShouldFail(native::Failure::WindowCreation, ClassOf(hwnd)))
            state.subclasses[hwnd].refused = true;
    } else if (code == HCBT_DESTROYWND) {
        std::erase(state.topLevels, hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

namespace win32 {

void EnsureHooks() {
    HookState& state = State();
    if (state.cbt != nullptr)
        return;
    // The one hook: it fires once per creation; every message after it is seen through the
    // window's subclass (WatchWindow).
    state.cbt = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void EnsureWatched(HWND hwnd) {
    EnsureHooks();
    if (IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId() &&
        !IsSystemWindow(hwnd) && !State().subclasses.contains(hwnd))
        WatchWindow(hwnd, IsWatched(hwnd));
}

void AddHelpButton(HWND hwnd) {
    EnsureWatched(hwnd);
    auto it = State().subclasses.find(hwnd);
    // Where the system hit-tests the button itself it draws and runs it too.
    if (it != State().subclasses.end() && !it->second.helpButton && !SystemDrawsHelpButton(hwnd))
        it->second.helpButton = true;
}

void SetPendingDialogTemplate(UINT id) {
    EnsureHooks();
    State().pendingTemplate = id;
}

UINT DialogTemplateOf(HWND hwnd) {
    auto& templates = State().dialogTemplates;
    auto it = templates.find(hwnd);
    return it == templates.end() ? 0 : it->second;
}

std::vector<HWND> CreatedTopLevels() {
    EnsureHooks();
    std::vector<HWND> alive;
    for (HWND hwnd : State().topLevels) {
        if (IsWindow(hwnd))
            alive.push_back(hwnd);
    }
    return alive;
}

} // namespace win32

namespace native {

void SetCreationHook(CreationHook hook) {
    win32::EnsureHooks();
    State().creation = std::move(hook);
}

void SetWindowObserver(WindowObserver observer) {
    win32::EnsureHooks();
    State().observer = std::move(observer);
}

std::vector<HWND> TopLevelWindows() {
    return win32::CreatedTopLevels();
}

std::vector<HWND> ChildWindows(HWND hwnd) {
    // Children in z-order, which is their creation order unless someone reordered them.
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

UINT DialogTemplateId(HWND hwnd) {
    return win32::DialogTemplateOf(hwnd);
}

std::string GetClassNameOf(HWND hwnd) {
    return ClassOf(hwnd);
}

std::string GetWindowTextOf(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied < 0 ? 0 : copied));
    return text;
}

void SetFailureHook(FailureHook hook) {
    win32::EnsureHooks();
    State().failure = std::move(hook);
}

bool ShouldFail(Failure failure, const std::string& what) {
    // A copy: the hook may replace itself.
    FailureHook hook = State().failure;
    return hook && hook(failure, what);
}

} // namespace native
