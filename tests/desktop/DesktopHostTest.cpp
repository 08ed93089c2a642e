#include "DesktopHost.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "RecordingModule.h"
#include "host/MvPadList.h"
#include "platform/Afx.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

struct InspectorOpen {
    HWND window;
    MvSimplePad* pad;
};
std::vector<InspectorOpen> inspectorOpens;
int initCalls = 0;
int closeAllCalls = 0;

// Stands in for the module's openInspector: a visible frame owned by the window's owner.
int FakeOpenInspector(HWND window, MvSimplePad* pad) {
    inspectorOpens.push_back({window, pad});
    CreateWindowExA(0, AfxRegisterWndClass(0), "Inspector", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                    window, nullptr, nullptr, nullptr);
    return 1;
}

class DesktopHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspectorOpens.clear();
        initCalls = 0;
        closeAllCalls = 0;
        recorder.module.openInspector = FakeOpenInspector;
        recorder.module.initInspector = [] { ++initCalls; };
        recorder.module.AlldeleteInspector = [] { ++closeAllCalls; };
        registryPath = std::filesystem::path(::testing::TempDir()) /
                       ("host_registry_" + std::to_string(::getpid()) + ".json");
        std::filesystem::remove(registryPath);
        desktop.SetModule(&recorder.module);
        stage = desktop.AddPad(nullptr, "Stage", 10, 10, 400, 300);
        ok = desktop.AddPad(stage, "OK", 10, 10, 80, 24);
        host = std::make_unique<DesktopHost>(desktop, &recorder.module, registryPath.string());
        recorder.Clear();
    }

    void TearDown() override {
        host.reset();
        std::filesystem::remove(registryPath);
        native::Reset();
    }

    std::vector<std::string> ToolTitles() {
        std::vector<std::string> titles;
        for (int i = 0; i < TOOLSGetToolCount(); ++i)
            titles.push_back(TOOLSGetTool(i)->GetWindowText());
        return titles;
    }

    RecordingModule recorder;
    Desktop desktop;
    DesktopPad* stage = nullptr;
    DesktopPad* ok = nullptr;
    std::filesystem::path registryPath;
    std::unique_ptr<DesktopHost> host;
};

TEST_F(DesktopHostTest, InstallsItselfWithAMainWindowAndAnApplication) {
    EXPECT_EQ(MvGetHostServices(), host.get());
    EXPECT_EQ(MwGWrap::GetBaseWindow(), &desktop.BaseView());
    HWND main = host->MainWindow().m_hWnd;
    ASSERT_TRUE(IsWindow(main));
    EXPECT_EQ(native::GetWindowTextOf(main), "Mosvane Desktop");
    EXPECT_EQ(GetParent(main), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(main), &host->MainWindow());
    ASSERT_NE(AfxGetApp(), nullptr);
    EXPECT_NE(AfxGetApp()->m_pszHelpFilePath, nullptr);
    EXPECT_EQ(initCalls, 1);

    host.reset();
    EXPECT_EQ(MvGetHostServices(), nullptr);
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(closeAllCalls, 1);
}

TEST_F(DesktopHostTest, KeepsTheModalAndTimerState) {
    char previous = MwSetTimerStop(1);
    SetModalOpen(1);
    EXPECT_EQ(host->ModalDepth(), 1);
    EXPECT_TRUE(host->TimersStopped());
    SetModalOpen(0);
    EXPECT_EQ(MwSetTimerStop(previous), 1);
    EXPECT_FALSE(host->TimersStopped());
    EXPECT_EQ(host->ModalDepth(), 0);
}

TEST_F(DesktopHostTest, ThePadPropertyWindowKeepsACopyOfTheLastListWithoutFreedPads) {
    MvPadList pads;
    pads.append(stage);
    pads.append(ok);
    SetPadProperty(&pads, "Inspector", 1);
    pads.clear();
    ASSERT_EQ(host->PadProperty().pads, (std::vector<MvSimplePad*>{stage, ok}));
    EXPECT_EQ(host->PadProperty().title, "Inspector");
    EXPECT_EQ(host->PadProperty().open, 1);

    desktop.DestroyPad(ok);
    EXPECT_EQ(host->PadProperty().pads, std::vector<MvSimplePad*>{stage});
    SetPadProperty(nullptr, nullptr, 0);
    EXPECT_TRUE(host->PadProperty().pads.empty());
    EXPECT_FALSE(host->PadProperty().title.has_value());
    EXPECT_EQ(host->PadProperty().calls, 2);
}

TEST_F(DesktopHostTest, ToolWindowsAreTheVisibleWindowsOwnedByTheMainWindowInCreationOrder) {
    HWND main = host->MainWindow().m_hWnd;
    ASSERT_EQ(host->OpenInspector(stage), 1);
    ASSERT_EQ(inspectorOpens.size(), 1u);
    EXPECT_EQ(inspectorOpens[0].window, main);
    EXPECT_EQ(inspectorOpens[0].pad, stage);

    EXPECT_EQ(TOOLSOpenConnector(main, ok), 1);
    EXPECT_EQ(TOOLSOpenDocumentor(main, nullptr), 1);
    HWND stray = CreateWindowExA(0, AfxRegisterWndClass(0), "Stray", WS_POPUP | WS_VISIBLE, 0, 0,
                                 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND hidden = CreateWindowExA(0, AfxRegisterWndClass(0), "Hidden", WS_POPUP, 0, 0, 10, 10, main,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(stray, nullptr);
    ASSERT_NE(hidden, nullptr);

    EXPECT_EQ(ToolTitles(), (std::vector<std::string>{"Inspector", "Connection Editor - OK",
                                                      "Document Generator"}));
    EXPECT_EQ(TOOLSGetTool(3), nullptr);
    EXPECT_EQ(TOOLSGetTool(-1), nullptr);
    for (HWND tool : host->ToolWindows())
        EXPECT_EQ(GetWindow(tool, GW_OWNER), main);

    TOOLSActivateTool(1);
    EXPECT_EQ(GetActiveWindow(), TOOLSGetTool(1)->m_hWnd);
    TOOLSActivateTool(0);
    EXPECT_EQ(GetActiveWindow(), TOOLSGetTool(0)->m_hWnd);

    ASSERT_EQ(host->ToolRequests().size(), 3u);
    EXPECT_EQ(host->ToolRequests()[1].tool, "Connector");
    EXPECT_EQ(host->ToolRequests()[1].padId, ok->GetCreatePadID());
    EXPECT_EQ(host->ToolRequests()[2].padCount, -1);
}

TEST_F(DesktopHostTest, TheConnectorRefusesPadsMarkedSoAndMissingPads) {
    HWND main = host->MainWindow().m_hWnd;
    ok->SetRefusesConnector(true);
    EXPECT_EQ(TOOLSOpenConnector(main, ok), 0);
    EXPECT_EQ(TOOLSOpenConnector(main, nullptr), 0);
    EXPECT_EQ(TOOLSGetToolCount(), 0);
    ASSERT_EQ(host->ToolRequests().size(), 2u);
    EXPECT_EQ(host->ToolRequests()[0].result, 0);

    MvPadList pads;
    pads.append(stage);
    EXPECT_EQ(TOOLSOpenDocumentor(main, &pads), 1);
    EXPECT_EQ(host->ToolRequests().back().padCount, 1);
}

TEST_F(DesktopHostTest, LeadBytesFollowTheActiveCodePage) {
    native::SetLanguage(Language::Japanese);
    EXPECT_EQ(MwIsMbyteLead("\x83\x7B"), 1);
    EXPECT_EQ(MwIsMbyteLead("\xB6"), 0) << "half-width katakana";
    native::SetLanguage(Language::English);
    EXPECT_EQ(MwIsMbyteLead("\x83\x7B"), 0);
    EXPECT_EQ(MwIsMbyteLead(nullptr), 0);
}

} // namespace
