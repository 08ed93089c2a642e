// How a host watches and answers the real window system: message boxes answered by its
// handler, the help engine played by it, the input it feeds whenever the application's own
// message loops find nothing left to do, and the language the process runs in.

#include "../NativeBackend.h"
#include "WindowHooks.h"

#include <set>

#undef GetMessageA

namespace {

constexpr char kHelpEngineClass[] = "MS_WINHELP";
// The text of a message box: the id Windows gives it, and Wine's.
constexpr int kMessageTextIds[] = {0xFFFF, 100};

struct Host {
    HHOOK cbt = nullptr;
    native::MessageBoxHandler messageBox;
    std::set<HWND> answeredBoxes;
    native::HelpHandler help;
    HWND helpEngine = nullptr;
    native::InputWaiter waiter;
};

Host& State() {
    static Host host;
    return host;
}

// The box is not shown yet when it is activated: a button it uses is one not hidden itself.
bool IsVisibleButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button != nullptr && (GetWindowLongA(button, GWL_STYLE) & WS_VISIBLE) != 0;
}

// What the box shows, read back from its window: text, caption, buttons, default button.
native::MessageBoxRequest ReadMessageBox(HWND box) {
    native::MessageBoxRequest request;
    request.owner = GetWindow(box, GW_OWNER);
    for (int id : kMessageTextIds) {
        if (HWND text = GetDlgItem(box, id)) {
            request.text = native::GetWindowTextOf(text);
            break;
        }
    }
    request.caption = native::GetWindowTextOf(box);
    bool yes = IsVisibleButton(box, IDYES);
    bool cancel = IsVisibleButton(box, IDCANCEL);
    request.style = yes ? (cancel ? MB_YESNOCANCEL : MB_YESNO) : (cancel ? MB_OKCANCEL : MB_OK);
    auto defaultId = LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0));
    if ((yes && defaultId == IDNO) || (!yes && cancel && defaultId == IDCANCEL))
        request.style |= MB_DEFBUTTON2;
    request.stringId = GetWindowContextHelpId(box);
    return request;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    Host& host = State();
    auto hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && host.messageBox && native::GetClassNameOf(hwnd) == "#32770" &&
        win32::DialogTemplateOf(hwnd) == 0 && host.answeredBoxes.insert(hwnd).second) {
        int answer = host.messageBox(ReadMessageBox(hwnd));
        PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    } else if (code == HCBT_DESTROYWND) {
        host.answeredBoxes.erase(hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The request WinHelpA sends the help engine's window in WM_COPYDATA.
struct HelpRequest {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileOffset;
    WORD dataOffset;
};

LRESULT CALLBACK HelpEngineProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (copy == nullptr || copy->cbData < sizeof(HelpRequest) || !State().help)
        return TRUE;
    const auto* request = static_cast<const HelpRequest*>(copy->lpData);
    const char* base = static_cast<const char*>(copy->lpData);
    std::string file = request->fileOffset != 0 ? base + request->fileOffset : "";
    std::uintptr_t data = request->dataOffset != 0
                              ? reinterpret_cast<std::uintptr_t>(base + request->dataOffset)
                              : static_cast<std::uintptr_t>(request->data);
    State().help(reinterpret_cast<HWND>(wParam), file, request->command, data);
    return TRUE;
}

} // namespace

namespace win32 {

void FeedIdleLoop() {
    for (;;) {
        MSG msg;
        native::InputWaiter waiter = State().waiter;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) || !waiter)
            return;
        if (!waiter()) {
            EndMenu();
            return;
        }
    }
}

} // namespace win32

BOOL Win32GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    bool mayWait = true;
    for (;;) {
        if (PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE))
            return msg->message == WM_QUIT ? 0 : 1;
        native::InputWaiter waiter = State().waiter;
        if (!waiter)
            return GetMessageA(msg, hwnd, filterMin, filterMax);
        if (!mayWait)
            return -1;
        mayWait = waiter();
    }
}

namespace native {

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Host& host = State();
    host.messageBox = std::move(handler);
    if (host.cbt == nullptr)
        host.cbt = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
}

void SetHelpHandler(HelpHandler handler) {
    Host& host = State();
    host.help = std::move(handler);
    if (host.help && host.helpEngine == nullptr) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = HelpEngineProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHelpEngineClass;
        RegisterClassA(&wc);
        host.helpEngine = CreateWindowExA(0, kHelpEngineClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                          nullptr, wc.hInstance, nullptr);
    } else if (!host.help && host.helpEngine != nullptr) {
        DestroyWindow(host.helpEngine);
        host.helpEngine = nullptr;
    }
}

void SetInputWaiter(InputWaiter waiter) {
    State().waiter = std::move(waiter);
    win32::EnsureMenuHook();
}

void SetLanguage(Language) {
    // The process's locale fixes its language and code page; GetLanguage tells which it is.
}

Language GetLanguage() {
    return GetACP() == 932 ? Language::Japanese : Language::English;
}

int ActiveCodePage() {
    return static_cast<int>(GetACP());
}

DWORD Now() {
    return GetTickCount();
}

void AdvanceClock(DWORD milliseconds) {
    Sleep(milliseconds);
}

} // namespace native
