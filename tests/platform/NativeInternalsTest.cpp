// What only the native window system has: a clock that moves when told to, a drag detection
// that reads the input already queued instead of waiting for more, a message loop that gives
// up without a host to feed it, modules whose resources are templates, the records of its
// image lists and drag, message boxes that answer themselves, the sizes of its own fonts and
// list rows and its reset; and where it is sturdier than the system it stands for (Wine, which
// runs the Windows build here, neither clamps places nor stops a destruction from starting
// again within itself).

#include "DialogTestSupport.h"
#include "NativeTestSupport.h"
#include "TemplateModule.h"

#include "platform/NativeCommCtrl.h"
#include "platform/WinDialog.h"
#include "platform/WinMenu.h"

#include <gmock/gmock.h>

#include <climits>
#include <cstring>
#include <functional>
#include <map>
#include <string>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

WPARAM Accelerated(UINT command) {
    return MAKELONG(static_cast<WORD>(command), 1);
}

class NativeInternalsTest : public NativeTest {};

TEST_F(NativeInternalsTest, WithoutAWaiterGettingAMessageGivesUp) {
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1);
}

TEST_F(NativeInternalsTest, DragDetectReadsTheQueuedMouseInputAfterAPress) {
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

// The native image lists keep the icons given them, which nothing here draws, and forget a
// list for good once destroyed (the system's handle would then be freed memory). Their
// replacements stop at the last image, where the system's may write past it into the room
// the list has grown.
TEST_F(NativeInternalsTest, ImageListsKeepTheirIconsInOrderUntilDestroyed) {
    auto icon = [](std::uintptr_t value) { return reinterpret_cast<HICON>(value); };
    HIMAGELIST list = ImageList_Create(16, 12, ILC_MASK, 1, 1);
    ImageList_AddIcon(list, icon(1));
    ImageList_AddIcon(list, icon(2));
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, icon(3)), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 2, icon(4)), -1);
    EXPECT_THAT(native::ImageListIcons(list), ElementsAre(icon(3), icon(2)));
    EXPECT_TRUE(ImageList_Remove(list, 0));
    EXPECT_THAT(native::ImageListIcons(list), ElementsAre(icon(2)));

    EXPECT_EQ(native::LiveImageLists(), 1);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(native::LiveImageLists(), 0);
    EXPECT_EQ(ImageList_AddIcon(list, icon(1)), -1);
    EXPECT_FALSE(ImageList_BeginDrag(list, 0, 0, 0));
}

// What the native drag would show, were it drawn: the window it is locked to, whether it is
// seen, the cursor image, and the calls of the latest drag for a host to read.
TEST_F(NativeInternalsTest, TheImageListDragKeepsWhatItWouldShow) {
    HWND window = TopLevel();
    HIMAGELIST image = ImageList_Create(32, 16, ILC_MASK, 1, 1);
    ImageList_AddIcon(image, reinterpret_cast<HICON>(std::uintptr_t{9}));
    struct Step {
        const char* name;
        std::function<void()> call;
        std::string state; // "D" dragging, "L" locked to the window, "V" visible
    } steps[] = {
        {"begin", [&] { ImageList_BeginDrag(image, 0, 5, 6); }, "D"},
        {"enter", [&] { ImageList_DragEnter(window, 10, 20); }, "DLV"},
        {"hide", [&] { ImageList_DragShowNolock(FALSE); }, "DL"},
        {"show", [&] { ImageList_DragShowNolock(TRUE); }, "DLV"},
        {"cursor", [&] { ImageList_SetDragCursorImage(image, 0, 3, 4); }, "DLV"},
        {"move", [&] { ImageList_DragMove(15, 25); }, "DLV"},
        {"leave", [&] { ImageList_DragLeave(window); }, "D"},
        {"end", [&] { ImageList_EndDrag(); }, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.call();
        const native::ImageListDrag& drag = native::GetImageListDrag();
        auto has = [&](char flag) { return step.state.find(flag) != std::string::npos; };
        EXPECT_EQ(drag.image != nullptr, has('D'));
        EXPECT_EQ(native::LiveImageLists(), has('D') ? 2 : 1) << "the drag's own copy";
        EXPECT_EQ(drag.lockWindow, has('L') ? window : nullptr);
        EXPECT_EQ(drag.visible, has('V'));
    }

    const native::ImageListDrag& drag = native::GetImageListDrag();
    EXPECT_EQ(drag.cursorImage, image);
    EXPECT_EQ(drag.cursorHotSpot.x * 100 + drag.cursorHotSpot.y, 304);
    using native::DragCall;
    auto calls = [] {
        std::vector<DragCall> made;
        for (const native::DragCallRecord& record : native::GetImageListDrag().calls)
            made.push_back(record.call);
        return made;
    };
    EXPECT_THAT(calls(), ElementsAre(DragCall::BeginDrag, DragCall::DragEnter, DragCall::DragMove,
                                     DragCall::DragLeave, DragCall::EndDrag));
    EXPECT_EQ(drag.calls[1].window, window);

    // The next drag starts the log afresh: it does not grow drag by drag.
    ImageList_BeginDrag(image, 0, 1, 1);
    ImageList_EndDrag();
    EXPECT_THAT(calls(), ElementsAre(DragCall::BeginDrag, DragCall::EndDrag));
}

// Without a host to answer, a native box takes its default button, as does an answer the box
// has no button for; the host is told the box's whole style.
TEST_F(NativeInternalsTest, AMessageBoxNotAnsweredTakesItsDefaultButton) {
    struct Case {
        UINT style;
        std::optional<int> handlerAnswer;
        int expected;
    } cases[] = {
        {MB_OK, std::nullopt, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, std::nullopt, IDCANCEL},
        {MB_YESNO, std::nullopt, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, std::nullopt, IDNO},
        {MB_OK | MB_DEFBUTTON2, std::nullopt, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDYES, IDCANCEL},
        {MB_YESNO, IDOK, IDYES},
        {MB_YESNO | MB_ICONQUESTION, 0, IDYES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        UINT told = 0;
        if (c.handlerAnswer) {
            native::SetMessageBoxHandler([&](const native::MessageBoxRequest& request) {
                told = request.style;
                return *c.handlerAnswer;
            });
        } else {
            native::SetMessageBoxHandler(nullptr);
        }
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", c.style), c.expected);
        EXPECT_EQ(told, c.handlerAnswer ? c.style : 0u);
    }
}

// A box enables its owner again only if the owner was enabled before, as Windows documents
// for a modal dialog box; Wine's EndDialog enables the owner whatever it was.
TEST_F(NativeInternalsTest, AMessageBoxLeavesAnOwnerDisabledBeforeDisabled) {
    HWND owner = TopLevel();
    EnableWindow(owner, FALSE);
    EXPECT_EQ(MessageBoxA(owner, "x", "y", MB_OK), IDOK);
    EXPECT_FALSE(IsWindowEnabled(owner));
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

TEST_F(NativeInternalsTest, LoadStringTruncatesToTheBufferAndFollowsTheLanguage) {
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

// The native fonts' own figures; and a device context released is gone, where the system's
// goes back to a cache and still answers.
TEST_F(NativeInternalsTest, TheNativeFontsMeasureTheirOwnWidths) {
    HWND hwnd = TopLevel();
    HDC dc = GetDC(hwnd);
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(metrics.tmMaxCharWidth, 14);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ(metrics.tmMaxCharWidth, 11);
    EXPECT_EQ(ReleaseDC(hwnd, dc), 1);
    EXPECT_FALSE(GetTextMetricsA(dc, &metrics));
}

TEST_F(NativeInternalsTest, ResetPutsSettingsBackAndDestroysWindowsAndImageLists) {
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
    EXPECT_EQ(ImageList_GetDragImage(nullptr, nullptr), nullptr);
    EXPECT_TRUE(native::GetImageListDrag().calls.empty());
    WNDCLASSA wc;
    EXPECT_FALSE(GetClassInfoA(nullptr, recorderClass, &wc));
}

// Positions and sizes beyond what the system keeps are brought within it, as Windows does:
// positions to -32768 ... 32767, sizes to 0 ... 32767, so no edge overflows.
TEST_F(NativeInternalsTest, PlacesOutOfRangeAreClampedToTheSystemsLimits) {
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

TEST_F(NativeInternalsTest, DestroyWhileBeingDestroyedIsHarmless) {
    HWND top = TopLevel();
    HWND child = Child(top, 1);
    received.clear();
    std::vector<BOOL> results;
    reply = [&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_DESTROY) {
            results.push_back(DestroyWindow(hwnd));
            if (hwnd == child) {
                results.push_back(DestroyWindow(top));
            }
        }
        return std::nullopt;
    };
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_THAT(results, ElementsAre(TRUE, TRUE, TRUE));
    EXPECT_THAT(MessagesTo(top), ElementsAre(WM_DESTROY, WM_NCDESTROY));
    EXPECT_THAT(MessagesTo(child), ElementsAre(WM_DESTROY, WM_NCDESTROY));
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(NativeInternalsTest, LoadedTablesAreSharedAndBelongToTheirModule) {
    TemplateModule module;
    module.accelerators[7] = {7, {{FVIRTKEY, VK_F1, 300}}};
    HINSTANCE instance = native::RegisterModule("keys", &module);
    HACCEL table = LoadAcceleratorsA(instance, 7);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(LoadAcceleratorsA(instance, 7), table);
    EXPECT_EQ(LoadAcceleratorsA(instance, 8), nullptr);
    EXPECT_FALSE(DestroyAcceleratorTable(table));

    HWND hwnd = TopLevel();
    received.clear();
    MSG msg{hwnd, WM_KEYDOWN, VK_F1, 1, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(hwnd, table, &msg), 1);
    msg.message = WM_KEYUP;
    EXPECT_EQ(TranslateAcceleratorA(hwnd, table, &msg), 0) << "key-ups are never translated";
    EXPECT_THAT(Only({WM_COMMAND}), ElementsAre(Received{hwnd, WM_COMMAND, Accelerated(300), 0}));
}

TEST_F(NativeInternalsTest, LoadMenuBuildsTheModulesTemplate) {
    TemplateModule module;
    module.menus[{Language::English, 5}] = {
        5,
        {Popup("&File", {Command(10, "&Open"), Separator(), Command(11, "&Save", MF_GRAYED)}),
         Popup("&Help", {Command(12, "&About", MF_CHECKED)}, MF_HELP)}};
    HINSTANCE instance = native::RegisterModule("menus", &module);

    HMENU menu = LoadMenuA(instance, 5);
    ASSERT_NE(menu, nullptr);
    std::vector<native::MenuItemInfo> items = native::DescribeMenu(menu);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].popup);
    EXPECT_EQ(items[0].text, "&File");
    ASSERT_EQ(items[0].children.size(), 3u);
    EXPECT_EQ(items[0].children[0].id, 10u);
    EXPECT_TRUE(items[0].children[1].separator);
    EXPECT_FALSE(items[0].children[2].enabled);
    EXPECT_TRUE(items[1].children[0].checked);
    EXPECT_EQ(LoadMenuA(instance, 6), nullptr);
}

// On Windows the host answers a popup through its owner's menu messages, so a quiet popup, a
// command returned rather than posted and a popup with no one to answer are tested here only.
TEST_F(NativeInternalsTest, TrackPopupMenuReturnsTheChoiceOrStaysQuiet) {
    HWND owner = TopLevel();
    HMENU menu = CreatePopupMenu();
    HMENU more = CreatePopupMenu();
    AppendMenuA(more, MF_STRING, 20, "Deep");
    AppendMenuA(menu, MF_STRING, 10, "Open");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 11, "Gray");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<std::uintptr_t>(more), "More");
    struct Case {
        const char* what;
        UINT flags;
        UINT answer;
        BOOL result;
        bool posted;
        bool notified;
    } cases[] = {
        {"returned", TPM_RETURNCMD, 10, 10, false, true},
        {"nested", TPM_RETURNCMD, 20, 20, false, true},
        {"grayed", TPM_RETURNCMD, 11, 0, false, true},
        {"not in the menu", TPM_RETURNCMD, 99, 0, false, true},
        {"quiet, returned", TPM_NONOTIFY | TPM_RETURNCMD, 10, 10, false, false},
        {"quiet, not posted", TPM_NONOTIFY, 10, TRUE, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        received.clear();
        native::SetPopupMenuHandler([&](HMENU, HWND, POINT, native::Asking) { return c.answer; });
        EXPECT_EQ(TrackPopupMenu(menu, c.flags, 0, 0, 0, owner, nullptr), c.result);
        EXPECT_EQ(Only({WM_INITMENUPOPUP}).empty(), !c.notified);
        received.clear();
        native::PumpPending();
        EXPECT_EQ(Only({WM_COMMAND}).empty(), !c.posted);
    }
    native::SetPopupMenuHandler(nullptr);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 0)
        << "without a handler nothing is chosen";
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr), 0);
}

TEST_F(NativeInternalsTest, AppendingADestroyedPopupIsRefused) {
    HMENU gone = CreatePopupMenu();
    DestroyMenu(gone);
    EXPECT_FALSE(
        AppendMenuA(CreateMenu(), MF_POPUP, reinterpret_cast<std::uintptr_t>(gone), "gone"));
}

// The native dialog font's own widths: 80 units of 6 pixels per 4 units make 120 pixels, less
// the up-down control's 15: 16 digits and the margins.
TEST_F(NativeInternalsTest, AFieldWithoutScrollingTakesWhatItsFontFits) {
    HWND dialog = CreateFromTemplate(SampleDialog(0), RecordingDlgProc);
    HWND edit = GetDlgItem(dialog, 11);
    SetFocus(edit);
    native::TypeText(edit, "12345678901234567890123");
    native::PumpPending();
    EXPECT_EQ(native::GetWindowTextOf(edit), "1234567890123456");
}

// The native system font's own units, and the id an in-memory template carries.
TEST_F(NativeInternalsTest, DialogBaseUnitsAndTemplateIdAreTheNativeOnes) {
    HWND dialog = CreateFromTemplate(SampleDialog(), RecordingDlgProc);
    EXPECT_EQ(GetDialogBaseUnits(), MAKELONG(7, 16));
    RECT rect{0, 0, 4, 8};
    MapDialogRect(dialog, &rect);
    EXPECT_EQ(rect.right, 6);
    EXPECT_EQ(rect.bottom, 13) << "8 points";
    EXPECT_EQ(native::DialogTemplateId(dialog), 300u);
}

// The native list's own sizes: a header of 20 pixels, rows of 17, characters 6 pixels wide and
// double-byte characters of the active code page 12, and 12 pixels after a fitted column's
// text.
TEST_F(NativeInternalsTest, ListViewSizesAreTheNativeOnes) {
    HWND list = CreateWindowExA(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 300,
                                200, TopLevel(), nullptr, nullptr, nullptr);
    auto send = [list](UINT msg, WPARAM wParam, LPARAM lParam) {
        return SendMessageA(list, msg, wParam, lParam);
    };
    auto pointer = [](auto* data) { return reinterpret_cast<LPARAM>(data); };
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>("Position");
    column.cx = 50;
    send(LVM_INSERTCOLUMNA, 0, pointer(&column));
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("Item 0");
    send(LVM_INSERTITEMA, 0, pointer(&item));
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    send(LVM_GETITEMRECT, 0, pointer(&bounds));
    EXPECT_EQ(bounds.top, 20);
    EXPECT_EQ(bounds.bottom, 20 + 17);
    send(LVM_SETCOLUMNWIDTH, 0, MAKELONG(static_cast<WORD>(LVSCW_AUTOSIZE), 0));
    EXPECT_EQ(send(LVM_GETCOLUMNWIDTH, 0, 0), 6 * 6 + 12);
    send(LVM_SETCOLUMNWIDTH, 0, MAKELONG(static_cast<WORD>(LVSCW_AUTOSIZE_USEHEADER), 0));
    EXPECT_EQ(send(LVM_GETCOLUMNWIDTH, 0, 0), 8 * 6 + 12);

    struct Width {
        Language language;
        const char* text;
        int width;
    } widths[] = {
        {Language::English, "Label", 30},
        {Language::Japanese, "Label", 30},
        {Language::Japanese, "\x83\x89\x83\x78\x83\x8b", 36}, // three double-byte characters
        {Language::Japanese, "A\x83\x41", 18},
        {Language::Japanese, "\xB1\xB2", 12}, // half-width katakana
        {Language::Japanese, "ab\x83", 18},   // a lead byte cut off its character
        {Language::English, "\x83\x89", 12},
    };
    for (const Width& w : widths) {
        SCOPED_TRACE(w.text);
        native::SetLanguage(w.language);
        EXPECT_EQ(send(LVM_GETSTRINGWIDTHA, 0, pointer(w.text)), w.width);
    }
}

TEST_F(NativeInternalsTest, ADialogWithoutATemplateIsRefused) {
    HWND owner = TopLevel();
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, nullptr, owner, nullptr, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

} // namespace
