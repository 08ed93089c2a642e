#pragma once

// Tests that hold on both window systems: the native one and, built for Windows, the real
// one. They speak only Win32 and play the user only as a host does (NativeInput.h and
// PressKey), so that a case failing on one of them is a fault of the native window system
// (or of what the module leans on), never an expected difference.

#include "platform/CommCtrl.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "platform/Win.h"
#include "platform/WinDialog.h"
#include "platform/WinInput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace system_test {

struct Heard {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int helpId; // WM_HELP: the control asked about
    bool shift; // WM_KEYDOWN: whether Shift was down for it
};

// What the listening windows heard of help and context-menu requests and of keys, in order.
inline std::vector<Heard> heard;

inline LRESULT CALLBACK ListeningProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_HELP) {
        const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
        heard.push_back({hwnd, msg, wParam, lParam, info != nullptr ? info->iCtrlId : -1, false});
    } else if (msg == WM_CONTEXTMENU) {
        heard.push_back({hwnd, msg, wParam, lParam, 0, false});
    } else if (msg == WM_KEYDOWN) {
        heard.push_back({hwnd, msg, wParam, lParam, 0, GetKeyState(VK_SHIFT) < 0});
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline constexpr const char* listenerClass = "SystemTestListener";

class SystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        heard.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ListeningProc;
        wc.lpszClassName = listenerClass;
        // Registered once per process on Windows; the native tests' resets take it away.
        RegisterClassA(&wc);
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
    }

    void TearDown() override {
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            if (IsWindow(*it))
                DestroyWindow(*it);
        }
        Pump();
        heard.clear();
    }

    HWND Top() {
        HWND hwnd = CreateWindowExA(0, listenerClass, "top", WS_OVERLAPPEDWINDOW, 10, 20, 400, 300,
                                    nullptr, nullptr, nullptr, nullptr);
        windows.push_back(hwnd);
        return hwnd;
    }

    HWND Child(HWND parent, const char* className, int id, DWORD style = 0, const char* text = "") {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 5, 7, 200, 120,
                               parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)),
                               nullptr, nullptr);
    }

    // Takes and dispatches what is queued, as an application's message loop does.
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    static std::vector<Heard> HeardOf(UINT message) {
        std::vector<Heard> of;
        for (const Heard& each : heard) {
            if (each.message == message)
                of.push_back(each);
        }
        return of;
    }

    static std::string TextOf(HWND hwnd) {
        char text[256] = "";
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }

    std::vector<HWND> windows;
};

} // namespace system_test
