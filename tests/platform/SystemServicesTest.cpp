#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"
#include "platform/NativeCommCtrl.h"

#include <gmock/gmock.h>

#include <cstring>
#include <map>
#include <string>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class PlatformSystemTest : public NativeTest {};

struct BoxCase {
    UINT style;
    std::optional<int> handlerAnswer;
    int expected;
};

TEST_F(PlatformSystemTest, MessageBoxAnswersItsDefaultUnlessTheHandlerPicksAButton) {
    const BoxCase cases[] = {
        {MB_OK, std::nullopt, IDOK},
        {MB_OKCANCEL, std::nullopt, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, std::nullopt, IDCANCEL},
        {MB_YESNO, std::nullopt, IDYES},
        {MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION, std::nullopt, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, std::nullopt, IDNO},
        {MB_OK | MB_DEFBUTTON2, std::nullopt, IDOK},
        {MB_OKCANCEL, IDCANCEL, IDCANCEL},
        {MB_YESNO, IDNO, IDNO},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDYES, IDCANCEL},
        {MB_YESNO, IDOK, IDYES},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        if (c.handlerAnswer) {
            native::SetMessageBoxHandler(
                [&](const native::MessageBoxRequest&) { return *c.handlerAnswer; });
        } else {
            native::SetMessageBoxHandler(nullptr);
        }
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.style), c.expected);
    }
}

TEST_F(PlatformSystemTest, MessageBoxDisablesTheOwnersTopLevelWhileUp) {
    HWND top = TopLevel();
    HWND child = Child(top, 1);
    HWND disabledTop = TopLevel();
    EnableWindow(disabledTop, FALSE);
    std::vector<native::MessageBoxRequest> requests;
    std::vector<bool> enabledDuring;
    native::SetMessageBoxHandler([&](const native::MessageBoxRequest& request) {
        requests.push_back(request);
        enabledDuring.push_back(IsWindowEnabled(top) != FALSE);
        return IDOK;
    });

    MSGBOXPARAMSA params;
    params.hwndOwner = child;
    params.lpszText = "Cannot delete";
    params.lpszCaption = "Inspector";
    params.dwStyle = MB_OK | MB_ICONEXCLAMATION;
    params.dwContextHelpId = 61234;
    MessageBoxIndirectA(&params);
    MessageBoxA(disabledTop, "x", "y", MB_OK);

    EXPECT_THAT(enabledDuring, ElementsAre(false, true));
    EXPECT_TRUE(IsWindowEnabled(top));
    EXPECT_FALSE(IsWindowEnabled(disabledTop)) << "a window disabled before stays disabled";
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].owner, child);
    EXPECT_EQ(requests[0].text, "Cannot delete");
    EXPECT_EQ(requests[0].style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(requests[0].stringId, 61234u);
    EXPECT_EQ(requests[1].stringId, 0u);
}

class TwoLanguageModule : public ResourceModule {
public:
    const char* FindString(Language language, UINT id) const override {
        auto it = strings.find({language, id});
        return it == strings.end() ? nullptr : it->second;
    }
    bool HasIcon(UINT id) const override { return id == 128; }

    std::map<std::pair<Language, UINT>, const char*> strings{
        {{Language::English, 1}, "Inspector"}, {{Language::Japanese, 1}, "\x83\x43\x83\x93"}};
};

TEST_F(PlatformSystemTest, LoadStringTruncatesToTheBufferAndFollowsTheLanguage) {
    TwoLanguageModule resources;
    HINSTANCE module = native::RegisterModule("mvkinsp", &resources);
    struct Case {
        HINSTANCE instance;
        UINT id;
        int bufferSize;
        int expectedLength;
        const char* expectedText;
    } cases[] = {{module, 1, 64, 9, "Inspector"},
                 {module, 1, 5, 4, "Insp"},
                 {module, 1, 1, 0, ""},
                 {module, 2, 64, 0, ""},
                 {reinterpret_cast<HINSTANCE>(0x7), 1, 64, 0, ""}};
    for (const Case& c : cases) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(LoadStringA(c.instance, c.id, buffer, c.bufferSize), c.expectedLength);
        EXPECT_STREQ(buffer, c.expectedText);
    }

    native::SetLanguage(Language::Japanese);
    EXPECT_EQ(native::ActiveCodePage(), 932);
    char buffer[16];
    EXPECT_EQ(LoadStringA(module, 1, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "\x83\x43\x83\x93");

    EXPECT_EQ(native::ModuleName(module), "mvkinsp");
    HICON icon = LoadIconA(module, 128);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconA(module, 128), icon);
    EXPECT_EQ(LoadIconA(module, 129), nullptr);
    native::UnregisterModule(module);
    EXPECT_EQ(LoadStringA(module, 1, buffer, sizeof buffer), 0);
    EXPECT_EQ(native::ModuleResources(module), nullptr);
}

TEST_F(PlatformSystemTest, DeviceContextsMeasureTheSelectedFont) {
    HWND hwnd = TopLevel();
    HDC dc = GetDC(hwnd);
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(metrics.tmMaxCharWidth, 14); // the system font at first
    EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), GetStockObject(SYSTEM_FONT));
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(metrics.tmMaxCharWidth, 11);
    EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
    EXPECT_FALSE(GetTextMetricsA(dc, &metrics));
}

TEST_F(PlatformSystemTest, ResetPutsSettingsBackAndDestroysWindowsAndImageLists) {
    native::Metrics metrics;
    metrics.screenWidth = 640;
    metrics.workArea = RECT{0, 0, 640, 400};
    native::SetMetrics(metrics);
    native::SetSysColor(COLOR_WINDOW, RGB(1, 2, 3));
    native::SetLanguage(Language::Japanese);
    native::AdvanceClock(500);
    native::AdjustWaitCursor(2);
    HWND hwnd = TopLevel();
    PostMessageA(hwnd, WM_USER, 0, 0);
    HIMAGELIST image = ImageList_Create(16, 16, ILC_MASK, 1, 1);
    ImageList_AddIcon(image, reinterpret_cast<HICON>(std::uintptr_t{1}));
    ImageList_BeginDrag(image, 0, 0, 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(1, 2, 3));
    received.clear();

    native::Reset();

    EXPECT_THAT(MessagesTo(hwnd), ElementsAre(WM_DESTROY, WM_NCDESTROY));
    EXPECT_EQ(native::PendingMessages(), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CXSIZE), 18);
    RECT workArea;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    EXPECT_EQ(workArea.bottom, 740);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(native::GetLanguage(), Language::English);
    EXPECT_EQ(native::Now(), 0u);
    EXPECT_EQ(native::WaitCursorDepth(), 0);
    EXPECT_EQ(native::LiveImageLists(), 0);
    EXPECT_EQ(native::GetImageListDrag().image, nullptr);
    EXPECT_TRUE(native::GetImageListDrag().calls.empty());
    WNDCLASSA wc;
    EXPECT_FALSE(GetClassInfoA(nullptr, recorderClass, &wc));
}

} // namespace
