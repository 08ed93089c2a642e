#include "DesktopMouse.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "SceneLoader.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

// On the demo scene: OK lies at (470,350 80x24) over Panel and Stage, Cancel at (560,350),
// Logo (protected against moves) at (490,70 160x100); nothing lies at (300,465); the
// Clock and OK start selected; the Toolbox at (460,480) is hidden, with its Ruler at (470,490) in
// it; the ClockTimer at (720,30) has no view of its own, over the Clock.
struct MouseCase {
    const char* name;
    const char* steps;    // press|ctrl|move|release|double X Y, one per line
    const char* selected; // paths of the selected pads, in the desktop's order
    const char* opened;   // paths the Inspectors were asked for
    int okX;              // where OK ends, relative to Panel
    int okY;
};

const MouseCase kCases[] = {
    {"ClickSelectsOnlyThePadOnTop", "press 500 360\nrelease 500 360", "Stage/Panel/OK", "", 420,
     290},
    {"ClickOnAParentSelectsTheParent", "press 55 65\nrelease 55 65", "Stage/Panel", "", 420, 290},
    {"ClickBesideEveryPadClearsTheSelection", "press 300 465\nrelease 300 465", "", "", 420, 290},
    {"CtrlClickAddsAPad", "press 500 360\nrelease 500 360\nctrl 600 360\nrelease 600 360",
     "Stage/Panel/OK Stage/Panel/Cancel", "", 420, 290},
    {"SecondCtrlClickTakesItAway",
     "press 500 360\nrelease 500 360\nctrl 600 360\nrelease 600 360\nctrl 600 360\nrelease 600 "
     "360",
     "Stage/Panel/OK", "", 420, 290},
    {"ClickOnASelectedPadKeepsTheOthersUntilRelease",
     "press 500 360\nrelease 500 360\nctrl 600 360\nrelease 600 360\npress 500 360\nrelease 500 "
     "360",
     "Stage/Panel/OK", "", 420, 290},
    {"DragOfASelectedPadKeepsTheSelection",
     "press 500 360\nmove 510 365\nmove 540 380\nrelease 540 380", "Clock Stage/Panel/OK", "", 460,
     310},
    {"DragOfAnotherPadSelectsItAlone", "press 600 360\nmove 610 365\nrelease 610 365",
     "Stage/Panel/Cancel", "", 420, 290},
    {"SmallMovementIsStillAClick", "press 500 360\nmove 502 361\nrelease 502 361", "Stage/Panel/OK",
     "", 420, 290},
    {"ProtectedPadDoesNotMove", "press 500 120\nmove 540 150\nrelease 540 150", "Stage/Panel/Logo",
     "", 420, 290},
    {"HiddenPadsAreNotHit", "press 480 500\nrelease 480 500", "", "", 420, 290},
    {"PadWithoutAViewIsNotHit", "press 721 31\nrelease 721 31", "Clock", "", 420, 290},
    {"DoubleClickOpensAnInspectorOnThePad",
     "press 500 360\nrelease 500 360\ndouble 500 360\nrelease 500 360", "Stage/Panel/OK",
     "Stage/Panel/OK", 420, 290},
    {"DoubleClickBesidePadsOpensNothing", "double 300 465", "Clock Stage/Panel/OK", "", 420, 290},
};

void PrintTo(const MouseCase& test, std::ostream* out) {
    *out << test.name;
}

class DesktopMouseRules : public ::testing::TestWithParam<MouseCase> {
protected:
    void SetUp() override {
        native::Reset();
        SceneLoader::LoadDemo(desktop);
    }

    Desktop desktop;
};

TEST_P(DesktopMouseRules, SelectMoveAndOpenAsAPersonExpects) {
    const MouseCase& test = GetParam();
    std::string opened;
    DesktopMouse mouse(desktop, [&](DesktopPad* pad) {
        opened += (opened.empty() ? "" : " ") + desktop.PathOf(pad);
    });
    std::istringstream steps(test.steps);
    std::string action;
    int x = 0;
    int y = 0;
    while (steps >> action >> x >> y) {
        if (action == "press" || action == "ctrl")
            mouse.Press(x, y, action == "ctrl");
        else if (action == "move")
            mouse.Move(x, y);
        else if (action == "release")
            mouse.Release(x, y);
        else if (action == "double")
            mouse.DoubleClick(x, y);
        else
            FAIL() << action;
    }
    std::string selected;
    for (DesktopPad* pad : desktop.SelectedPads())
        selected += (selected.empty() ? "" : " ") + desktop.PathOf(pad);
    std::istringstream want(test.selected);
    std::vector<std::string> wanted;
    std::vector<std::string> got;
    for (std::string path; want >> path;)
        wanted.push_back(path);
    std::istringstream have(selected);
    for (std::string path; have >> path;)
        got.push_back(path);
    std::sort(wanted.begin(), wanted.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, wanted);
    EXPECT_EQ(opened, test.opened);
    DesktopPad* ok = desktop.FindByPath("Stage/Panel/OK");
    EXPECT_EQ(ok->RelX(), test.okX);
    EXPECT_EQ(ok->RelY(), test.okY);
}

INSTANTIATE_TEST_SUITE_P(Demo, DesktopMouseRules, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopMouseDrag, OneUndoTakesThePadBackToWhereTheDragBegan) {
    native::Reset();
    Desktop desktop;
    SceneLoader::LoadDemo(desktop);
    DesktopMouse mouse(desktop, [](DesktopPad*) {});
    mouse.Press(500, 360, false);
    for (int step = 1; step <= 4; ++step)
        mouse.Move(500 + step * 10, 360 + step * 5);
    mouse.Release(540, 380);
    DesktopPad* ok = desktop.FindByPath("Stage/Panel/OK");
    ASSERT_EQ(ok->RelX(), 460);
    ASSERT_TRUE(desktop.Undo());
    EXPECT_EQ(ok->RelX(), 420);
    EXPECT_EQ(ok->RelY(), 290);
}

} // namespace

namespace {

TEST(DesktopMouseDrag, APadFreedInTheMiddleOfADragIsLetGo) {
    native::Reset();
    Desktop desktop;
    SceneLoader::LoadDemo(desktop);
    DesktopMouse mouse(desktop, [](DesktopPad*) {});
    mouse.Press(500, 360, false);
    mouse.Move(520, 370);
    ASSERT_TRUE(desktop.DestroyPad(desktop.FindByPath("Stage/Panel/OK")));
    EXPECT_FALSE(mouse.Move(540, 380));
    mouse.Release(540, 380);
    SceneLoader::LoadDemo(desktop);
    mouse.Press(500, 360, false);
    SceneLoader::LoadDemo(desktop);
    EXPECT_FALSE(mouse.Move(560, 390));
}

} // namespace
