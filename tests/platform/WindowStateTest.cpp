#include "NativeTestSupport.h"

#include <gmock/gmock.h>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class PlatformWindowStateTest : public NativeTest {};

TEST_F(PlatformWindowStateTest, ActivationTellsBothWindowsAboutEachOther) {
    HWND first = TopLevel();
    HWND second = TopLevel();
    HWND childOfSecond = Child(second, 1);
    EXPECT_EQ(SetActiveWindow(first), nullptr);
    received.clear();

    EXPECT_EQ(SetActiveWindow(childOfSecond), first) << "a child is never activated";
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_TRUE(Only({WM_ACTIVATE}).empty());
    EXPECT_EQ(SetActiveWindow(second), first);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_THAT(Only({WM_ACTIVATE}),
                ElementsAre(Received{first, WM_ACTIVATE, WA_INACTIVE, AsLParam(second)},
                            Received{second, WM_ACTIVATE, WA_ACTIVE, AsLParam(first)}));
    received.clear();
    SetActiveWindow(second);
    EXPECT_TRUE(received.empty()) << "no notices without a change";
}

TEST_F(PlatformWindowStateTest, FocusAndCaptureNotices) {
    HWND top = TopLevel();
    HWND a = Child(top, 1);
    HWND b = Child(top, 2);
    SetFocus(a);
    SetCapture(a);
    received.clear();

    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_THAT(Only({WM_KILLFOCUS, WM_SETFOCUS, WM_CAPTURECHANGED}),
                ElementsAre(Received{a, WM_KILLFOCUS, AsWParam(b), 0},
                            Received{b, WM_SETFOCUS, AsWParam(a), 0},
                            Received{a, WM_CAPTURECHANGED, 0, AsLParam(b)},
                            Received{b, WM_CAPTURECHANGED, 0, 0}));
}

TEST_F(PlatformWindowStateTest, VisibilityNeedsEveryAncestorShown) {
    struct Case {
        bool topShown;
        bool childShown;
        bool grandChildShown;
        bool expected;
    } cases[] = {{true, true, true, true},
                 {false, true, true, false},
                 {true, false, true, false},
                 {true, true, false, false}};
    for (const Case& c : cases) {
        HWND top = TopLevel(c.topShown ? WS_OVERLAPPEDWINDOW | WS_VISIBLE : WS_OVERLAPPEDWINDOW);
        HWND child = Child(top, 1, c.childShown ? WS_CHILD | WS_VISIBLE : WS_CHILD);
        HWND grandChild = Child(child, 2, c.grandChildShown ? WS_CHILD | WS_VISIBLE : WS_CHILD);
        EXPECT_EQ(IsWindowVisible(grandChild) != FALSE, c.expected);
        DestroyWindow(top);
    }
}

TEST_F(PlatformWindowStateTest, ShowWindowNotifiesOnlyChangesAndActivatesAsAsked) {
    HWND other = TopLevel();
    HWND hwnd = TopLevel();
    SetActiveWindow(other);
    received.clear();

    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNA));
    EXPECT_EQ(GetActiveWindow(), other);
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_EQ(GetActiveWindow(), other) << "showing a window already shown changes nothing";
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWMINNOACTIVE));
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNORMAL));
    EXPECT_FALSE(IsIconic(hwnd));
    // Restored and shown at once, the window is not told it is shown.
    EXPECT_THAT(Only({WM_SHOWWINDOW}), ElementsAre(Received{hwnd, WM_SHOWWINDOW, TRUE, 0},
                                                   Received{hwnd, WM_SHOWWINDOW, FALSE, 0},
                                                   Received{hwnd, WM_SHOWWINDOW, TRUE, 0},
                                                   Received{hwnd, WM_SHOWWINDOW, FALSE, 0}));
}

// The active window hidden gives its activation to its owner, or to none when the owner is
// disabled, as a dialog's owner is until the dialog ends.
TEST_F(PlatformWindowStateTest, HidingTheActiveWindowActivatesItsOwnerIfItCan) {
    HWND owner = TopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND popup = TopLevel(WS_POPUP, owner);
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "owner enabled" : "owner disabled");
        EnableWindow(owner, enabled ? TRUE : FALSE);
        ShowWindow(popup, SW_SHOWNORMAL);
        ASSERT_EQ(GetActiveWindow(), popup);
        ShowWindow(popup, SW_HIDE);
        EXPECT_EQ(GetActiveWindow(), enabled ? owner : nullptr);
    }
}

TEST_F(PlatformWindowStateTest, EnableWindowReportsPreviousStateAndNotifiesChanges) {
    HWND hwnd = TopLevel();
    received.clear();
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_TRUE(EnableWindow(hwnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(EnableWindow(hwnd, TRUE));
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_THAT(Only({WM_ENABLE}), ElementsAre(Received{hwnd, WM_ENABLE, FALSE, 0},
                                               Received{hwnd, WM_ENABLE, TRUE, 0}));
}

TEST_F(PlatformWindowStateTest, ChildGeometryIsRelativeToItsParent) {
    HWND top = TopLevel(WS_POPUP); // no frame: its client area starts where it does
    HWND child = Child(top, 1);
    RECT rect;
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 15);
    EXPECT_EQ(rect.top, 27);
    received.clear();

    MoveWindow(child, 5, 7, 60, 40, FALSE);
    MoveWindow(child, 1, 2, 60, 40, FALSE);
    MoveWindow(top, 100, 100, 300, 200, FALSE);
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect.left, 101);
    EXPECT_EQ(rect.bottom, 142);
    GetClientRect(child, &rect);
    EXPECT_EQ(rect.right, 60);
    EXPECT_THAT(Only({WM_MOVE, WM_SIZE}),
                ElementsAre(Received{child, WM_SIZE, 0, static_cast<LPARAM>(MAKELONG(60, 40))},
                            Received{child, WM_MOVE, 0, static_cast<LPARAM>(MAKELONG(1, 2))},
                            Received{top, WM_MOVE, 0, static_cast<LPARAM>(MAKELONG(100, 100))}));
}

TEST_F(PlatformWindowStateTest, UpdateWindowPaintsOnlyWhatIsInvalid) {
    HWND hidden = TopLevel();
    InvalidateRect(hidden, nullptr, TRUE);
    UpdateWindow(hidden);
    EXPECT_TRUE(Only({WM_PAINT}).empty()) << "a hidden window has nothing to paint";
    HWND hwnd = TopLevel(WS_POPUP | WS_VISIBLE);
    UpdateWindow(hwnd);
    received.clear();
    UpdateWindow(hwnd);
    EXPECT_TRUE(Only({WM_PAINT}).empty());
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    UpdateWindow(hwnd);
    EXPECT_EQ(Only({WM_PAINT}).size(), 1u);
}

TEST_F(PlatformWindowStateTest, TextChangesAreAnnouncedAndReadBackTruncated) {
    HWND hwnd = TopLevel();
    std::vector<HWND> changed;
    native::SetWindowObserver({{}, {}, [&](HWND h) { changed.push_back(h); }});
    SetWindowTextA(hwnd, "Inspector");
    SetWindowTextA(hwnd, "Inspector");
    EXPECT_THAT(changed, ElementsAre(hwnd));
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 9);
    char buffer[5];
    EXPECT_EQ(GetWindowTextA(hwnd, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "Insp");
}

} // namespace
