#include "NativeTestSupport.h"

#include <gmock/gmock.h>

#include <string>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class PlatformSystemTest : public NativeTest {
protected:
    // Answers every box with `answer` once it is asked for one; records what each box showed
    // when asked and whether its owner was enabled then.
    void AnswerBoxes(int answer) {
        native::SetMessageBoxHandler([this, answer](const native::MessageBoxRequest& request) {
            if (request.asking == native::Asking::Shown)
                return 0;
            requests.push_back(request);
            ownerEnabled.push_back(request.owner != nullptr &&
                                   IsWindowEnabled(request.owner) != FALSE);
            return answer;
        });
    }

    std::vector<native::MessageBoxRequest> requests;
    std::vector<bool> ownerEnabled;
};

constexpr UINT kShownStyle = MB_TYPEMASK | MB_DEFBUTTON2;

TEST_F(PlatformSystemTest, MessageBoxAnswersTheButtonTheHandlerPicks) {
    struct Case {
        UINT style;
        int answer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDOK},
        {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        requests.clear();
        AnswerBoxes(c.answer);
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.style), c.answer);
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].text, "text");
        EXPECT_EQ(requests[0].caption, "caption");
        EXPECT_EQ(requests[0].style & kShownStyle, c.style & kShownStyle);
    }
}

TEST_F(PlatformSystemTest, MessageBoxDisablesTheOwnersTopLevelWhileUp) {
    HWND top = TopLevel();
    HWND child = Child(top, 1);
    HWND other = TopLevel();
    AnswerBoxes(IDOK);

    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = child;
    params.lpszText = "Cannot delete";
    params.lpszCaption = "Inspector";
    params.dwStyle = MB_OK | MB_ICONEXCLAMATION;
    params.dwContextHelpId = 61234;
    EXPECT_EQ(MessageBoxIndirectA(&params), IDOK);
    EXPECT_EQ(MessageBoxA(other, "x", "y", MB_OK), IDOK);

    EXPECT_THAT(ownerEnabled, ElementsAre(false, false));
    EXPECT_TRUE(IsWindowEnabled(top));
    EXPECT_TRUE(IsWindowEnabled(other));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].owner, top) << "a child's box is owned by its top-level window";
    EXPECT_EQ(requests[0].text, "Cannot delete");
    EXPECT_EQ(requests[0].style & kShownStyle, static_cast<UINT>(MB_OK));
    EXPECT_EQ(requests[0].stringId, 61234u);
    EXPECT_EQ(requests[1].owner, other);
    EXPECT_EQ(requests[1].stringId, 0u);
}

TEST_F(PlatformSystemTest, DeviceContextsMeasureTheSelectedFont) {
    HWND hwnd = TopLevel();
    HDC dc = GetDC(hwnd);
    TEXTMETRICA system;
    ASSERT_TRUE(GetTextMetricsA(dc, &system));
    EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), GetStockObject(SYSTEM_FONT))
        << "a window's device context starts with the system font";
    TEXTMETRICA gui;
    ASSERT_TRUE(GetTextMetricsA(dc, &gui));
    EXPECT_NE(gui.tmMaxCharWidth * 1000 + gui.tmHeight,
              system.tmMaxCharWidth * 1000 + system.tmHeight);

    HDC other = GetDC(hwnd);
    SelectObject(other, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA again;
    ASSERT_TRUE(GetTextMetricsA(other, &again));
    EXPECT_EQ(again.tmHeight, gui.tmHeight);
    EXPECT_EQ(again.tmMaxCharWidth, gui.tmMaxCharWidth);
    EXPECT_EQ(ReleaseDC(hwnd, other), 1);

    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_TRUE(GetTextMetricsA(dc, &again));
    EXPECT_EQ(again.tmHeight, system.tmHeight);
    EXPECT_EQ(again.tmMaxCharWidth, system.tmMaxCharWidth);
    EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
}

} // namespace
