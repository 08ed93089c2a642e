#include "NativeTestSupport.h"

#ifndef _WIN32
#include "platform/native/WindowManager.h"
#endif

#include <gmock/gmock.h>

#include <algorithm>
#include <set>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class PlatformLifecycleTest : public NativeTest {};

// Windows made one after another to find a handle named twice; under Wine each costs round
// trips to its server, so the Windows build makes fewer.
#ifdef _WIN32
constexpr int kWindowsMade = 1000;
#else
constexpr int kWindowsMade = 10000;
#endif

struct CreationFailure {
    const char* name;
    UINT refusedMessage;
    LRESULT refusal;
    std::vector<UINT> expected;
};

TEST_F(PlatformLifecycleTest, RefusedCreationLeavesNoWindowAndIsNotAnnounced) {
    const CreationFailure cases[] = {
        {"NCCREATE FALSE", WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}},
        {"CREATE -1", WM_CREATE, -1, {WM_NCCREATE, WM_CREATE, WM_NCDESTROY}},
    };
    for (const CreationFailure& c : cases) {
        SCOPED_TRACE(c.name);
        ResetWindowSystem();
        RegisterRecorder();
        received.clear();
        int announced = 0;
        native::SetWindowObserver({[&](HWND) { ++announced; }, [&](HWND) { ++announced; }, {}});
        reply = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (msg == c.refusedMessage) {
                return c.refusal;
            }
            return std::nullopt;
        };

        EXPECT_EQ(TopLevel(), nullptr);
        std::vector<UINT> messages;
        for (const Received& r : Only({WM_NCCREATE, WM_CREATE, WM_NCDESTROY}))
            messages.push_back(r.message);
        EXPECT_EQ(messages, c.expected);
        ASSERT_FALSE(received.empty());
        EXPECT_EQ(received.back().message, WM_NCDESTROY) << "the refused window's last word";
        EXPECT_TRUE(native::TopLevelWindows().empty());
        EXPECT_EQ(announced, 0);
    }
}

TEST_F(PlatformLifecycleTest, UnknownClassOrChildWithoutParentGivesNoWindow) {
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(Child(nullptr, 1), nullptr);
    EXPECT_TRUE(received.empty());
}

TEST_F(PlatformLifecycleTest, CreateStructCarriesArgumentsAndClassNamesIgnoreCase) {
    int param = 0;
    CREATESTRUCTA seen;
    reply = [&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_CREATE) {
            seen = *reinterpret_cast<CREATESTRUCTA*>(lParam);
        }
        return std::nullopt;
    };
    HWND hwnd = CreateWindowExA(0, "RECORDER", "Title", WS_POPUP, 1, 2, 3, 4, nullptr, nullptr,
                                nullptr, &param);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(seen.lpCreateParams, &param);
    EXPECT_EQ(seen.x + seen.y + seen.cx + seen.cy, 10);
    EXPECT_EQ(native::GetWindowTextOf(hwnd), "Title");
    EXPECT_EQ(native::GetClassNameOf(hwnd), recorderClass);
}

TEST_F(PlatformLifecycleTest, DestroyTakesOwnedWindowsFirstThenParentBeforeChildren) {
    HWND top = TopLevel();
    HWND child = Child(top, 1);
    HWND grandChild = Child(child, 2);
    HWND secondChild = Child(top, 3);
    HWND owned = TopLevel(WS_POPUP, child);
    using E = std::pair<HWND, UINT>;
    std::vector<E> events;
    native::SetWindowObserver({{}, [&](HWND hwnd) { events.emplace_back(hwnd, WM_NULL); }, {}});
    reply = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        events.emplace_back(hwnd, msg);
        return std::nullopt;
    };

    EXPECT_TRUE(DestroyWindow(top));

    std::erase_if(events, [](const E& e) {
        return e.second != WM_NULL && e.second != WM_DESTROY && e.second != WM_NCDESTROY;
    });
    EXPECT_THAT(events,
                ElementsAre(E{owned, WM_DESTROY}, E{owned, WM_NULL}, E{owned, WM_NCDESTROY},
                            E{top, WM_DESTROY}, E{child, WM_DESTROY}, E{grandChild, WM_DESTROY},
                            E{secondChild, WM_DESTROY}, E{grandChild, WM_NULL},
                            E{grandChild, WM_NCDESTROY}, E{child, WM_NULL}, E{child, WM_NCDESTROY},
                            E{secondChild, WM_NULL}, E{secondChild, WM_NCDESTROY}, E{top, WM_NULL},
                            E{top, WM_NCDESTROY}));
    for (HWND hwnd : {top, child, grandChild, secondChild, owned}) {
        EXPECT_FALSE(IsWindow(hwnd));
    }
}

TEST_F(PlatformLifecycleTest, ParentAndOwnerRelations) {
    HWND top = TopLevel();
    HWND child = Child(top, 7);
    HWND popup = TopLevel(WS_POPUP, child);
    HWND overlapped = TopLevel(WS_OVERLAPPEDWINDOW, top);
    struct Case {
        HWND hwnd;
        HWND parent;
        HWND owner;
    } cases[] = {{top, nullptr, nullptr},
                 {child, top, nullptr},
                 {popup, top, top},
                 {overlapped, nullptr, top}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetParent(c.hwnd), c.parent);
        EXPECT_EQ(GetWindow(c.hwnd, GW_OWNER), c.owner);
    }
    EXPECT_EQ(GetDlgItem(top, 7), child);
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_THAT(native::TopLevelWindows(), ElementsAre(top, popup, overlapped));
    EXPECT_THAT(native::ChildWindows(top), ElementsAre(child));

    HWND other = TopLevel();
    EXPECT_EQ(SetParent(child, other), top);
    EXPECT_EQ(SetParent(other, child), nullptr) << "a window cannot go below its own child";
    EXPECT_EQ(GetDlgItem(other, 7), child);
}

TEST_F(PlatformLifecycleTest, DeadHandlesTakeNoMessagesAndNeverNameANewWindow) {
    HWND hwnd = TopLevel();
    ASSERT_TRUE(PostMessageA(hwnd, WM_USER, 1, 2));
    SetTimer(hwnd, 1, 10, nullptr);
    SetFocus(hwnd);
    SetCapture(hwnd);
    SetActiveWindow(hwnd);
    DestroyWindow(hwnd);
    received.clear();

    native::AdvanceClock(100);
    Pump();
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);

    ResetWindowSystem();
    RegisterRecorder();
    // Windows made and destroyed while another stays take their places in the window table
    // again, each under a handle of its own: the table is as large as the most windows alive
    // at once, and a dead handle finds nothing.
    HWND stays = TopLevel();
#ifndef _WIN32
    std::size_t tableSize = std::max<std::size_t>(native::WindowManager::Instance().TableSize(), 3);
#endif
    std::set<HWND> given{hwnd, stays};
    for (int i = 0; i < kWindowsMade; ++i) {
        HWND made = TopLevel(WS_OVERLAPPEDWINDOW, stays);
        HWND child = Child(made, 1);
        ASSERT_TRUE(given.insert(made).second && given.insert(child).second) << i;
        DestroyWindow(made);
        ASSERT_FALSE(IsWindow(child));
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
#ifndef _WIN32
    EXPECT_LE(native::WindowManager::Instance().TableSize(), tableSize);
#endif
}

TEST_F(PlatformLifecycleTest, WindowLongsReflectState) {
    HWND hwnd = TopLevel(WS_POPUP);
    ShowWindow(hwnd, SW_SHOWNA);
    EnableWindow(hwnd, FALSE);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)),
              WS_POPUP | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS);

    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(SetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<std::uintptr_t>(brush)),
              0u);
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), recorderClass, &wc));
    EXPECT_EQ(wc.hbrBackground, brush);
    EXPECT_FALSE(RegisterClassA(&wc)) << "a class name is registered once";
}

} // namespace
