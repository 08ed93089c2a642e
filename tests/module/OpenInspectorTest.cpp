#include "Desktop.h"
#include "DesktopPad.h"
#include "RecordingHost.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"
#include "platform/NativeBackend.h"
#include "platform/NativeVersion.h"
#include "service/InspectorExports.h"
#include "service/InspectorRegistry.h"
#include "service/ModuleEntry.h"
#include "service/ModuleState.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <utility>

namespace {

struct ShownBox {
    HWND owner;
    DWORD stringId;
    std::string text;
    std::string caption;
};

class OpenInspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        native::ResetVersionInfo();
        inspModuleAttach();
        initInspector();
        inspModuleState().comctlLevel = 0; // found once per process; each test starts afresh
        ASSERT_TRUE(mainWindow.CreateEx(0, AfxRegisterWndClass(0), "Mosvane Desktop",
                                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024, 740, nullptr,
                                        nullptr));
        native::SetMessageBoxHandler([this](const native::MessageBoxRequest& r) {
            boxes.push_back({r.owner, r.stringId, r.text, r.caption});
            host.calls.push_back("MessageBox");
            return IDOK;
        });
    }

    void TearDown() override {
        AlldeleteInspector();
        native::PumpPending();
        mainWindow.DestroyWindow();
        native::Reset();
    }

    int Open(MvSimplePad* pad = nullptr) { return openInspector(mainWindow.m_hWnd, pad); }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    CWinApp app;
    CWnd mainWindow;
    std::vector<ShownBox> boxes;
};

TEST_F(OpenInspectorTest, TheEleventhInspectorIsRefusedInsideTheModalBracket) {
    for (int i = 0; i < InspectorRegistry::kCapacity; ++i)
        ASSERT_EQ(Open(), 1) << i;
    EXPECT_EQ(inspectorGetInspectorCount(), 10);
    host.calls.clear();

    EXPECT_EQ(Open(), 0);
    EXPECT_EQ(inspectorGetInspectorCount(), 10);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].stringId, 32741u);
    EXPECT_EQ(boxes[0].text, "Cannot open the Inspector.");
    EXPECT_EQ(boxes[0].caption, "Inspector");
    EXPECT_EQ(boxes[0].owner, mainWindow.m_hWnd);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"SetModalOpen(1)", "MessageBox", "SetModalOpen(0)"}));
}

// Without a window the message has no owner; a frame that cannot be shown (no screen width
// for it and its bars) is destroyed and frees its place.
TEST_F(OpenInspectorTest, RefusalsOpenNothingAndSayWhy) {
    for (bool noWindow : {true, false}) {
        boxes.clear();
        native::Metrics metrics;
        metrics.screenWidth = noWindow ? metrics.screenWidth : 0;
        native::SetMetrics(metrics);
        size_t windowsBefore = native::TopLevelWindows().size();
        EXPECT_EQ(openInspector(noWindow ? nullptr : mainWindow.m_hWnd, nullptr), 0);
        EXPECT_EQ(inspectorGetInspectorCount(), 0);
        EXPECT_EQ(native::TopLevelWindows().size(), windowsBefore);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].owner, noWindow ? nullptr : mainWindow.m_hWnd);
        EXPECT_EQ(boxes[0].stringId, 32741u);
    }
}

TEST_F(OpenInspectorTest, AChildWindowLeadsToItsTopLevelWindow) {
    CWnd child;
    RECT rect{0, 0, 10, 10};
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), "", WS_VISIBLE, rect, &mainWindow, 7));
    EXPECT_EQ(openInspector(child.m_hWnd, nullptr), 1);
    HWND frame = inspectorGetInspector(0)->m_hWnd;
    EXPECT_EQ(GetWindow(frame, GW_OWNER), mainWindow.m_hWnd);
    EXPECT_TRUE(IsWindowVisible(frame));
}

TEST_F(OpenInspectorTest, TheRegistryIsNewestFirstAndForgetsClosedInspectors) {
    ASSERT_EQ(Open(), 1);
    ASSERT_EQ(Open(), 1);
    ASSERT_EQ(Open(), 1);
    CMainFrame* newest = inspectorGetInspector(0);
    CMainFrame* oldest = inspectorGetInspector(2);
    EXPECT_EQ(inspectorGetInspector(3), nullptr);
    EXPECT_EQ(inspectorGetInspector(-1), nullptr);
    SendMessageA(newest->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(inspectorGetInspectorCount(), 2);
    EXPECT_EQ(inspectorGetInspector(1), oldest);
    HWND a = inspectorGetInspector(0)->m_hWnd;
    HWND b = oldest->m_hWnd;
    AlldeleteInspector();
    EXPECT_EQ(inspectorGetInspectorCount(), 0);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    AlldeleteInspector(); // nothing open: nothing happens
    ASSERT_EQ(Open(), 1);
    EXPECT_EQ(inspectorGetInspectorCount(), 1);
}

TEST_F(OpenInspectorTest, EnablingAndDisablingReachesEveryInspector) {
    ASSERT_EQ(Open(), 1);
    ASSERT_EQ(Open(), 1);
    DeactivateInspector();
    EXPECT_FALSE(inspectorGetInspector(0)->IsWindowEnabled());
    EXPECT_FALSE(inspectorGetInspector(1)->IsWindowEnabled());
    ActivateInspector();
    EXPECT_TRUE(inspectorGetInspector(0)->IsWindowEnabled());
    EXPECT_TRUE(inspectorGetInspector(1)->IsWindowEnabled());
}

TEST_F(OpenInspectorTest, SuccessHandsTheEmptySelectionToThePropertyWindow) {
    host.calls.clear();
    ASSERT_EQ(Open(), 1);
    // Once as the frame becomes active, once more when opening completes.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"SetPadProperty(Inspector,0)",
                                                    "SetPadProperty(Inspector,0)"}));
    EXPECT_EQ(inspectorGetInspector(0)->m_pInspView->selectedPads->length(), 0);
}

struct ComctlCase {
    std::optional<std::pair<WORD, WORD>> version;
    int level;
};

class CommonControlsTest : public OpenInspectorTest,
                           public ::testing::WithParamInterface<ComctlCase> {};

TEST_P(CommonControlsTest, LevelFollowsTheLibraryVersionAndIsFoundOnce) {
    native::SetCommonControlsVersion(GetParam().version);
    ASSERT_EQ(Open(), 1);
    EXPECT_EQ(inspectorGetInspector(0)->m_pInspView->comctlClass, GetParam().level);
    native::SetCommonControlsVersion(std::make_pair(WORD{4}, WORD{0}));
    ASSERT_EQ(Open(), 1);
    EXPECT_EQ(inspectorGetInspector(0)->m_pInspView->comctlClass, GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Versions, CommonControlsTest,
                         ::testing::Values(ComctlCase{std::make_pair(WORD{4}, WORD{71}), 2},
                                           ComctlCase{std::make_pair(WORD{4}, WORD{70}), 2},
                                           ComctlCase{std::make_pair(WORD{4}, WORD{0}), 1},
                                           ComctlCase{std::make_pair(WORD{5}, WORD{80}), 2},
                                           ComctlCase{std::nullopt, 1}));

TEST_F(OpenInspectorTest, ASystemDirectoryTooLongForTheBufferLeavesLevelOne) {
    native::SetSystemDirectory(std::string(250, 'x'));
    ASSERT_EQ(Open(), 1);
    EXPECT_EQ(inspectorGetInspector(0)->m_pInspView->comctlClass, 1);
}

TEST(InspectorRegistry, ListExistsOnlyWhileFramesAreRegistered) {
    InspectorRegistry registry;
    auto* a = reinterpret_cast<CMainFrame*>(0x10);
    auto* b = reinterpret_cast<CMainFrame*>(0x20);
    EXPECT_FALSE(registry.Exists());
    registry.Remove(a); // nothing registered: no change
    registry.AddHead(a);
    registry.AddHead(b);
    EXPECT_EQ(registry.At(0), b);
    EXPECT_EQ(registry.Snapshot(), (std::vector<CMainFrame*>{a, b}));
    registry.Remove(reinterpret_cast<CMainFrame*>(0x30));
    EXPECT_EQ(registry.Count(), 2);
    registry.Remove(a);
    registry.Remove(b);
    EXPECT_FALSE(registry.Exists());
    EXPECT_EQ(registry.Count(), 0);
}

} // namespace
