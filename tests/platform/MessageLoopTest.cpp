#include "NativeTestSupport.h"

#include <gmock/gmock.h>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class PlatformMessageLoopTest : public NativeTest {};

TEST_F(PlatformMessageLoopTest, SentMessagesOvertakePostedOnesWhichKeepTheirOrder) {
    HWND hwnd = TopLevel();
    received.clear();
    PostMessageA(hwnd, WM_USER + 1, 0, 0);
    PostMessageA(hwnd, WM_USER + 2, 0, 0);
    SendMessageA(hwnd, WM_USER + 3, 0, 0);
    EXPECT_EQ(native::PendingMessages(), 2);
    native::PumpPending();
    EXPECT_THAT(MessagesTo(hwnd), ElementsAre(WM_USER + 3, WM_USER + 1, WM_USER + 2));
    EXPECT_EQ(native::PendingMessages(), 0);
}

TEST_F(PlatformMessageLoopTest, WaiterFeedsInputUntilSomethingArrivesOrItGivesUp) {
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1) << "no waiter";
    HWND hwnd = TopLevel();
    int calls = 0;
    native::SetInputWaiter([&] {
        if (++calls == 3) {
            PostMessageA(hwnd, WM_USER, 5, 0);
        }
        return true;
    });
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(msg.message, WM_USER);
    EXPECT_EQ(msg.wParam, 5u);

    native::SetInputWaiter([&] {
        PostMessageA(hwnd, WM_USER + 1, 0, 0);
        return false;
    });
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1) << "input fed with the last word still counts";
    EXPECT_EQ(msg.message, WM_USER + 1);
    calls = 0;
    native::SetInputWaiter([&] { return ++calls, false; });
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1);
    EXPECT_EQ(calls, 1);
}

TEST_F(PlatformMessageLoopTest, QuitComesAfterPostedMessagesWhateverTheFilter) {
    HWND hwnd = TopLevel();
    PostQuitMessage(7);
    PostMessageA(hwnd, WM_USER, 0, 0);
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, WM_USER);

    EXPECT_TRUE(PeekMessageA(&msg, hwnd, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    native::PumpPending();
    EXPECT_EQ(GetMessageA(&msg, hwnd, WM_TIMER, WM_TIMER), 0);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "the quit flag is consumed";
}

TEST_F(PlatformMessageLoopTest, FiltersSelectByWindowAndRange) {
    HWND first = TopLevel();
    HWND second = TopLevel();
    PostMessageA(first, WM_USER, 0, 0);
    PostMessageA(second, WM_TIMER, 0, 0);
    PostMessageA(nullptr, WM_APP, 0, 0);
    const HWND threadOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
    struct Case {
        HWND hwnd;
        UINT min;
        UINT max;
        HWND expectedHwnd;
        UINT expectedMessage;
    } cases[] = {
        {nullptr, 0, 0, first, WM_USER},
        {second, 0, 0, second, WM_TIMER},
        {nullptr, WM_APP, WM_APP, nullptr, WM_APP},
        {threadOnly, 0, 0, nullptr, WM_APP},
        {nullptr, WM_TIMER, WM_USER - 1, second, WM_TIMER},
    };
    for (const Case& c : cases) {
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, c.hwnd, c.min, c.max, PM_NOREMOVE));
        EXPECT_EQ(msg.hwnd, c.expectedHwnd);
        EXPECT_EQ(msg.message, c.expectedMessage);
    }
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, first, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(native::PendingMessages(), 3);
}

TEST_F(PlatformMessageLoopTest, DragDetectReadsTheQueuedMouseInputAfterAPress) {
    HWND window = TopLevel();
    HWND other = TopLevel();
    struct Input {
        HWND hwnd;
        UINT message;
        int x, y;
    };
    struct Case {
        std::vector<Input> queued;
        BOOL drag;
        int left; // messages still queued
    };
    const Case cases[] = {
        {{}, FALSE, 0},
        {{{window, WM_MOUSEMOVE, 14, 10}, {window, WM_MOUSEMOVE, 15, 10}}, TRUE, 0},
        {{{window, WM_MOUSEMOVE, 14, 6},
          {window, WM_RBUTTONUP, 14, 6},
          {window, WM_MOUSEMOVE, 30, 30}},
         FALSE,
         1},
        {{{other, WM_MOUSEMOVE, 30, 30}}, FALSE, 1},
        {{{window, WM_KEYDOWN, 0, 0}, {window, WM_MOUSEMOVE, 30, 30}}, FALSE, 2},
    };
    for (const Case& c : cases) {
        for (const Input& in : c.queued)
            PostMessageA(in.hwnd, in.message, 0, static_cast<LPARAM>(MAKELONG(in.x, in.y)));
        POINT press{10, 10};
        ClientToScreen(window, &press);
        EXPECT_EQ(DragDetect(window, press), c.drag) << c.queued.size();
        EXPECT_EQ(native::PendingMessages(), c.left) << c.queued.size();
        native::PumpPending();
    }
}

TEST_F(PlatformMessageLoopTest, DefaultProcedureHandlesCloseAndSystemCommands) {
    HWND hwnd = TopLevel();
    bool refuseOpen = true;
    reply = [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_QUERYOPEN && refuseOpen) {
            return FALSE;
        }
        return std::nullopt;
    };
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(hwnd));
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsIconic(hwnd)) << "WM_QUERYOPEN said no";
    refuseOpen = false;
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(hwnd));

    received.clear();
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_THAT(MessagesTo(hwnd), ElementsAre(WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY));
}

class PlatformTimerTest : public NativeTest {};

std::vector<std::pair<HWND, std::uintptr_t>> timerCalls;

void RecordTimer(HWND hwnd, UINT, std::uintptr_t id, DWORD) {
    timerCalls.emplace_back(hwnd, id);
}

TEST_F(PlatformTimerTest, DueTimersPostInOrderAndNeverTwiceBeforeServed) {
    HWND hwnd = TopLevel();
    SetTimer(hwnd, 1, 30, nullptr);
    SetTimer(hwnd, 2, 20, nullptr);
    native::AdvanceClock(60);
    EXPECT_EQ(GetTickCount(), 60u);

    std::vector<std::pair<std::uintptr_t, DWORD>> posted;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        posted.emplace_back(msg.wParam, msg.time);
    }
    using P = std::pair<std::uintptr_t, DWORD>;
    EXPECT_THAT(posted, ElementsAre(P{2, 20}, P{1, 30}));

    native::AdvanceClock(20);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u) << "timer 2 was rescheduled to 80, timer 1 to 90";
    EXPECT_EQ(msg.time, 80u);
}

TEST_F(PlatformTimerTest, KillTimerDropsTheWaitingMessage) {
    HWND hwnd = TopLevel();
    SetTimer(hwnd, 1, 10, nullptr);
    SetTimer(hwnd, 2, 10, nullptr);
    native::AdvanceClock(10);
    EXPECT_TRUE(KillTimer(hwnd, 1));
    EXPECT_FALSE(KillTimer(hwnd, 1));
    received.clear();
    native::PumpPending();
    ASSERT_EQ(Only({WM_TIMER}).size(), 1u);
    EXPECT_EQ(Only({WM_TIMER})[0].wParam, 2u);
}

TEST_F(PlatformTimerTest, ResettingATimerRestartsItsPeriod) {
    HWND hwnd = TopLevel();
    SetTimer(hwnd, 1, 100, nullptr);
    native::AdvanceClock(90);
    SetTimer(hwnd, 1, 100, nullptr);
    native::AdvanceClock(90);
    EXPECT_EQ(native::PendingMessages(), 0);
    native::AdvanceClock(10);
    EXPECT_EQ(native::PendingMessages(), 1);
}

TEST_F(PlatformTimerTest, ThreadTimersGetFreshIdsAndCallTheirProcedure) {
    timerCalls.clear();
    std::uintptr_t first = SetTimer(nullptr, 0, 50, RecordTimer);
    std::uintptr_t second = SetTimer(nullptr, 0, 50, RecordTimer);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    native::AdvanceClock(50);
    native::PumpPending();
    using C = std::pair<HWND, std::uintptr_t>;
    EXPECT_THAT(timerCalls, ElementsAre(C{nullptr, first}, C{nullptr, second}));
}

} // namespace
