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
    Pump();
    EXPECT_THAT(MessagesTo(hwnd), ElementsAre(WM_USER + 3, WM_USER + 1, WM_USER + 2));
}

TEST_F(PlatformMessageLoopTest, WaiterFeedsInputUntilSomethingArrivesOrItGivesUp) {
    MSG msg;
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
    Pump();
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
    EXPECT_EQ(TakeQueued().size(), 3u);
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
    EXPECT_THAT(Only({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
                ElementsAre(Received{hwnd, WM_SYSCOMMAND, SC_CLOSE, 0},
                            Received{hwnd, WM_CLOSE, 0, 0}, Received{hwnd, WM_DESTROY, 0, 0},
                            Received{hwnd, WM_NCDESTROY, 0, 0}));
}

} // namespace
