// Every failure the window system can give while an Inspector opens leaves no frame, window,
// row or list behind (the sanitizer run finds what is not freed). A registry that cannot be
// written on closing is played end to end by the console tests.

#include "InspectorFixture.h"

#include "platform/Afx.h"
#include "platform/AfxState.h"
#include "platform/NativeBackend.h"
#include "service/InspectorExports.h"

namespace {

using Kind = FaultInjector::Kind;

class FaultInjectionTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 10, 10, 300, 200);
        desktop.AddPad(stage, "OK", 5, 5, 80, 24);
        windowsBefore = native::TopLevelWindows().size();
    }

    // Nothing of a refused Inspector remains: no registered frame, no window.
    void ExpectRefusedAndGone() {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].stringId, 32741u);
        EXPECT_EQ(inspectorGetInspectorCount(), 0);
        native::PumpPending();
        EXPECT_EQ(native::TopLevelWindows().size(), windowsBefore);
        EXPECT_TRUE(native::ChildWindows(host->MainWindow().m_hWnd).empty());
    }

    DesktopPad* stage = nullptr;
    size_t windowsBefore = 0;
};

// Each window an Inspector creates fails in turn, until opening needs no more of them; also
// while a modal loop runs (another Inspector's dialog is open), when the windows that went
// are deleted only after the loop.
TEST_F(FaultInjectionTest, EachWindowThatCannotBeCreatedRefusesTheInspector) {
    for (bool modal : {false, true}) {
        SCOPED_TRACE(modal ? "in a modal loop" : "");
        int windows = 0;
        for (int nth = 1; nth < 50; ++nth) {
            SCOPED_TRACE(nth);
            boxes.clear();
            int failedBefore = host->Faults().Failed(Kind::Window);
            host->Faults().Arm(Kind::Window, nth, false);
            if (modal)
                ++AfxGetState().modalDepth;
            CMainFrame* frame = Open(stage);
            if (modal) {
                --AfxGetState().modalDepth;
                AfxIdleCleanup();
            }
            host->Faults().Disarm(Kind::Window);
            if (host->Faults().Failed(Kind::Window) == failedBefore) {
                ASSERT_NE(frame, nullptr) << "no failure made, so the Inspector opens";
                windows = nth - 1;
                AlldeleteInspector();
                native::PumpPending();
                AfxIdleCleanup();
                break;
            }
            EXPECT_EQ(frame, nullptr);
            ExpectRefusedAndGone();
        }
        EXPECT_GE(windows, 4) << "frame, view, toolbar and status bar at least";
    }
}

TEST_F(FaultInjectionTest, AcceleratorsThatCannotBeLoadedRefuseTheInspector) {
    host->Faults().Arm(Kind::Accelerators, 1, true);
    EXPECT_EQ(Open(stage), nullptr);
    EXPECT_EQ(host->Faults().Failed(Kind::Accelerators), 1);
    ExpectRefusedAndGone();
    host->Faults().Disarm(Kind::Accelerators);
    EXPECT_NE(Open(stage), nullptr);
}

} // namespace
