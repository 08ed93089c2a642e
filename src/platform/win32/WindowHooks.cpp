#include "WindowHooks.h"

#include "../NativeBackend.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

struct HookState {
    HHOOK cbt = nullptr;
    HHOOK callWndProc = nullptr;
    HHOOK callWndProcRet = nullptr;
    native::CreationHook creation;
    native::WindowObserver observer;
    UINT pendingTemplate = 0;
    std::map<HWND, UINT> dialogTemplates;
    std::vector<HWND> topLevels;
    // Windows to be refused in WM_NCCREATE, with the procedure they had.
    std::map<HWND, WNDPROC> refused;
    native::FailureHook failure;
    // Windows made whole (WM_CREATE succeeded): only they are announced gone.
    std::set<HWND> announced;
    // The texts of windows being given one, to tell the observer only of a change.
    std::vector<std::pair<HWND, std::string>> textsBefore;
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

// A creation the host makes fail: refused in WM_NCCREATE, as the native window system does,
// so the window still gets WM_NCDESTROY through the procedure it had.
LRESULT CALLBACK RefusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& refused = State().refused;
    auto it = refused.find(hwnd);
    if (it == refused.end())
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    WNDPROC previous = it->second;
    if (msg == WM_NCCREATE)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        refused.erase(it);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
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
        if (state.creation)
            state.creation(hwnd);
        if (native::ShouldFail(native::Failure::WindowCreation, ClassOf(hwnd))) {
            state.refused[hwnd] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingProc)));
        }
    } else if (code == HCBT_DESTROYWND) {
        std::erase(state.topLevels, hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The thread's one hook before a window procedure, for the observer and the menu loops alike:
// under Wine every hook a sent message passes costs round trips to the window server.
LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    HookState& state = State();
    if (code == HC_ACTION && message->message == WM_NCDESTROY) {
        if (state.announced.erase(message->hwnd) != 0 && state.observer.destroyed)
            state.observer.destroyed(message->hwnd);
        state.dialogTemplates.erase(message->hwnd);
    }
    if (code == HC_ACTION && message->message == WM_SETTEXT && state.observer.textChanged)
        state.textsBefore.emplace_back(message->hwnd, native::GetWindowTextOf(message->hwnd));
    if (code == HC_ACTION)
        win32::FollowMenuMessage(*message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
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

LRESULT CALLBACK CallWndProcRet(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    HookState& state = State();
    if (code == HC_ACTION && message->message == WM_STYLECHANGED &&
        message->wParam == static_cast<WPARAM>(GWL_EXSTYLE))
        FollowHelpButton(message->hwnd, *reinterpret_cast<const STYLESTRUCT*>(message->lParam));
    // The window's class is asked only for the few messages observed: most messages pass.
    if (code == HC_ACTION && message->message == WM_CREATE && message->lResult != -1 &&
        IsWatched(message->hwnd)) {
        state.announced.insert(message->hwnd);
        if (state.observer.created)
            state.observer.created(message->hwnd);
    } else if (code == HC_ACTION && message->message == WM_SETTEXT && !state.textsBefore.empty() &&
               state.textsBefore.back().first == message->hwnd) {
        std::string before = std::move(state.textsBefore.back().second);
        state.textsBefore.pop_back();
        if (state.observer.textChanged && IsWatched(message->hwnd) &&
            native::GetWindowTextOf(message->hwnd) != before)
            state.observer.textChanged(message->hwnd);
    }
    // After the procedure's own WM_NCDESTROY, which still finds the window's object.
    if (code == HC_ACTION && message->message == WM_NCDESTROY)
        win32::ForgetWindowObject(message->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

namespace win32 {

void EnsureHooks() {
    HookState& state = State();
    if (state.cbt != nullptr)
        return;
    DWORD thread = GetCurrentThreadId();
    state.cbt = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, thread);
    state.callWndProc = SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, nullptr, thread);
    state.callWndProcRet = SetWindowsHookExA(WH_CALLWNDPROCRET, CallWndProcRet, nullptr, thread);
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
