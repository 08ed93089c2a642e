#include "NativeTestSupport.h"

#include <gmock/gmock.h>

#include <climits>

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

    EXPECT_EQ(SetActiveWindow(childOfSecond), first) << "a child activates its top-level window";
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
    EXPECT_EQ(GetActiveWindow(), hwnd);
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWMINNOACTIVE));
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNORMAL));
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_THAT(Only({WM_SHOWWINDOW}), ElementsAre(Received{hwnd, WM_SHOWWINDOW, TRUE, 0},
                                                   Received{hwnd, WM_SHOWWINDOW, FALSE, 0},
                                                   Received{hwnd, WM_SHOWWINDOW, TRUE, 0}));
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
    HWND top = TopLevel();
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

// Positions and sizes beyond what the system keeps are brought within it, as Windows does:
// positions to -32768 ... 32767, sizes to 0 ... 32767, so no edge overflows.
TEST_F(PlatformWindowStateTest, PlacesOutOfRangeAreClampedToTheSystemsLimits) {
    HWND top = TopLevel();
    struct Case {
        int x, y, width, height;
        RECT expected; // relative to the parent's client area
    };
    const Case cases[] = {
        {100, 100, INT_MAX, 100, {100, 100, 32867, 200}},
        {INT_MAX, INT_MIN, 10, INT_MIN, {32767, -32768, 32777, -32768}},
        {-40000, 40000, -5, 32768, {-32768, 32767, -32768, 65534}},
    };
    for (const Case& c : cases) {
        HWND child = Child(top, 1);
        for (bool created : {true, false}) {
            if (created) {
                DestroyWindow(child);
                child = CreateWindowExA(0, recorderClass, "", WS_CHILD, c.x, c.y, c.width, c.height,
                                        top, nullptr, nullptr, nullptr);
            } else {
                MoveWindow(child, c.x, c.y, c.width, c.height, FALSE);
            }
            RECT rect;
            GetWindowRect(child, &rect);
            POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
            ScreenToClient(top, &corners[0]);
            ScreenToClient(top, &corners[1]);
            EXPECT_EQ(corners[0].x, c.expected.left) << c.x << (created ? " created" : " moved");
            EXPECT_EQ(corners[0].y, c.expected.top) << c.y;
            EXPECT_EQ(corners[1].x, c.expected.right) << c.width;
            EXPECT_EQ(corners[1].y, c.expected.bottom) << c.height;
        }
        DestroyWindow(child);
    }
}

TEST_F(PlatformWindowStateTest, UpdateWindowPaintsOnlyWhatIsInvalid) {
    HWND hwnd = TopLevel();
    UpdateWindow(hwnd);
    EXPECT_EQ(native::PaintCount(hwnd), 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    UpdateWindow(hwnd);
    EXPECT_EQ(native::PaintCount(hwnd), 1);
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
