// How a host watches and answers the real window system: message boxes shown, told to the
// host's handler and answered by it or by the user, whichever comes first; the help engine
// played by it, the input it feeds whenever the application's own message loops find nothing
// left to do, and the language the process runs in.

#include "../NativeBackend.h"
#include "WindowHooks.h"

#include <algorithm>
#include <atomic>
#include <vector>

#undef GetMessageA

namespace {

constexpr char kHelpEngineClass[] = "MS_WINHELP";
// The window that input arriving from another thread wakes (native::InputArrived).
constexpr char kInputClass[] = "MvHostInput";
constexpr UINT kInputArrived = WM_APP + 0x321;
// The text of a message box: the id Windows gives it, and Wine's.
constexpr int kMessageTextIds[] = {0xFFFF, 100};

// A message box on the screen and what the host was told of it.
struct ShownBox {
    HWND hwnd = nullptr;
    native::MessageBoxRequest request;
    bool answered = false;
};

struct Host {
    HHOOK cbt = nullptr;
    native::MessageBoxHandler messageBox;
    std::vector<ShownBox> boxes; // in the order they were shown
    std::atomic<HWND> input{nullptr};
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
    // The default button is drawn as one; the box's own default id may be left at OK (Wine).
    int defaultId = 0;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (IsVisibleButton(box, id) &&
            (GetWindowLongA(GetDlgItem(box, id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            defaultId = id;
    }
    if (defaultId == 0)
        defaultId = LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0));
    if ((yes && defaultId == IDNO) || (!yes && cancel && defaultId == IDCANCEL))
        request.style |= MB_DEFBUTTON2;
    request.stringId = GetWindowContextHelpId(box);
    return request;
}

// A box is told to the handler when it is first activated; the input window is woken so
// that input already at hand answers it as soon as its loop runs.
LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    Host& host = State();
    auto hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && host.messageBox && native::GetClassNameOf(hwnd) == "#32770" &&
        win32::DialogTemplateOf(hwnd) == 0 &&
        std::none_of(host.boxes.begin(), host.boxes.end(),
                     [hwnd](const ShownBox& box) { return box.hwnd == hwnd; })) {
        ShownBox box{hwnd, ReadMessageBox(hwnd), false};
        box.request.asking = native::Asking::Shown;
        host.boxes.push_back(box);
        native::MessageBoxHandler handler = host.messageBox;
        handler(box.request);
        native::InputArrived();
    } else if (code == HCBT_DESTROYWND) {
        std::erase_if(host.boxes, [hwnd](const ShownBox& box) { return box.hwnd == hwnd; });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The box shown last, unless answered, asks the handler for an answer from the input at hand.
void AnswerBox() {
    Host& host = State();
    if (host.boxes.empty() || host.boxes.back().answered || !host.messageBox)
        return;
    HWND hwnd = host.boxes.back().hwnd;
    native::MessageBoxRequest request = host.boxes.back().request;
    // Its buttons read again: a box is activated while it still sets them up, before it marks
    // its default button.
    request.style = ReadMessageBox(hwnd).style;
    request.asking = native::Asking::Waiting;
    native::MessageBoxHandler handler = host.messageBox;
    int answer = handler(request);
    if (answer == 0)
        return;
    for (ShownBox& box : host.boxes) {
        if (box.hwnd == hwnd)
            box.answered = true;
    }
    PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(answer), 0);
}

// Input arrived: a popup menu shown, else a message box shown, may take it as its answer. The
// message comes through whatever loop runs, the system's own for a box or a menu among them.
LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kInputArrived)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (!win32::AnswerPopup())
        AnswerBox();
    return 0;
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

void FeedIdleLoop(HWND owner, HWND dialog) {
    for (;;) {
        MSG msg;
        native::InputWaiter waiter = State().waiter;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // The menu's loop tells its owner it waits again only after a message that is no
            // timer's; one is posted so that the waiter is asked again.
            constexpr UINT kSystemTimer = 0x0118; // the caret's blinking
            if (msg.message == WM_TIMER || msg.message == kSystemTimer)
                PostMessageA(owner, WM_NULL, 0, 0);
            return;
        }
        if (!waiter)
            return;
        if (!waiter()) {
            if (dialog != nullptr)
                EndDialog(dialog, IDCANCEL);
            else
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
    if (host.input.load() == nullptr) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = InputProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kInputClass;
        RegisterClassA(&wc);
        host.input = CreateWindowExA(0, kInputClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     wc.hInstance, nullptr);
    }
}

void InputArrived() {
    if (HWND input = State().input.load())
        PostMessageA(input, kInputArrived, 0, 0);
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
