#pragma once

// Window-system tests that hold on both window systems: the native one and, built for
// Windows, the real one. They speak Win32 and play the user as a host does (NativeInput.h,
// PressKey); between cases the window system is put back as a case found it.

#include "platform/CommCtrl.h"
#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace native_test {

struct Received {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message the recording class received, in order.
inline std::vector<Received> received;
// Answers a message in place of the default procedure when it returns a value.
inline std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> reply;

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    received.push_back({hwnd, msg, wParam, lParam});
    if (reply) {
        if (auto answer = reply(hwnd, msg, wParam, lParam)) {
            return *answer;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline constexpr const char* recorderClass = "Recorder";

// Takes what is queued without dispatching it.
inline std::vector<MSG> TakeQueued() {
    std::vector<MSG> taken;
    MSG msg;
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        taken.push_back(msg);
    return taken;
}

// Dispatches what is queued, keys as they came (untranslated: no characters are made of
// them); a quit request is left for the loop that waits for it.
inline void Pump() {
    MSG msg;
    for (int i = 0; i < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchMessageA(&msg);
    }
}

// Puts the window system back as the case before found it: no windows, nothing queued, no
// hooks, no keys held, the recording class not registered.
inline void ResetWindowSystem() {
#ifdef _WIN32
    native::SetWindowObserver({});
    native::SetCreationHook(nullptr);
    native::SetFailureHook(nullptr);
    native::SetInputWaiter(nullptr);
    native::SetPopupMenuHandler(nullptr);
    native::SetMessageBoxHandler(nullptr);
    native::SetHeldModifiers({});
    ReleaseCapture();
    for (HWND hwnd : native::TopLevelWindows()) {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    TakeQueued();
    UnregisterClassA(recorderClass, GetModuleHandleA(nullptr));
#else
    native::Reset();
#endif
}

class NativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWindowSystem();
        received.clear();
        reply = nullptr;
        ASSERT_TRUE(RegisterRecorder());
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&init);
    }

    void TearDown() override {
        reply = nullptr;
        ResetWindowSystem();
        received.clear();
    }

    static BOOL RegisterRecorder() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = RecordingProc;
#ifdef _WIN32
        wc.hInstance = GetModuleHandleA(nullptr);
#endif
        wc.lpszClassName = recorderClass;
        return RegisterClassA(&wc);
    }

    static HWND TopLevel(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr) {
        return CreateWindowExA(0, recorderClass, "", style, 10, 20, 300, 200, parent, nullptr,
                               nullptr, nullptr);
    }

    static HWND Child(HWND parent, int id, DWORD style = WS_CHILD | WS_VISIBLE) {
        return CreateWindowExA(0, recorderClass, "", style, 5, 7, 50, 40, parent,
                               reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr,
                               nullptr);
    }

    // The messages of the given kinds, in the order they arrived.
    static std::vector<Received> Only(std::initializer_list<UINT> messages) {
        std::vector<Received> selected;
        for (const Received& r : received) {
            for (UINT message : messages) {
                if (r.message == message) {
                    selected.push_back(r);
                }
            }
        }
        return selected;
    }

    static std::vector<UINT> MessagesTo(HWND hwnd) {
        std::vector<UINT> messages;
        for (const Received& r : received) {
            if (r.hwnd == hwnd) {
                messages.push_back(r.message);
            }
        }
        return messages;
    }
};

inline bool operator==(const Received& a, const Received& b) {
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
           a.lParam == b.lParam;
}

inline void PrintTo(const Received& r, std::ostream* os) {
    *os << "{hwnd " << r.hwnd << ", msg 0x" << std::hex << r.message << std::dec << ", wParam "
        << r.wParam << ", lParam " << r.lParam << "}";
}

inline WPARAM AsWParam(HWND hwnd) {
    return reinterpret_cast<WPARAM>(hwnd);
}
inline LPARAM AsLParam(HWND hwnd) {
    return reinterpret_cast<LPARAM>(hwnd);
}

} // namespace native_test
