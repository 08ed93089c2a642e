#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"
#include "platform/NativeCommCtrl.h"

#include <gmock/gmock.h>

#include <functional>
#include <string>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

class ImageListTest : public NativeTest {
protected:
    static HICON Icon(std::uintptr_t value) { return reinterpret_cast<HICON>(value); }
};

TEST_F(ImageListTest, IconsAreAppendedReplacedAndRemovedByIndexUntilTheListIsDestroyed) {
    EXPECT_EQ(ImageList_Create(0, 16, ILC_MASK, 1, 1), nullptr);
    HIMAGELIST list = ImageList_Create(16, 12, ILC_MASK | ILC_COLOR8, 1, 1);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx * 100 + cy, 1612);

    EXPECT_EQ(ImageList_AddIcon(list, Icon(1)), 0);
    EXPECT_EQ(ImageList_AddIcon(list, Icon(2)), 1);
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, Icon(3)), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 2, Icon(4)), -1);
    EXPECT_THAT(native::ImageListIcons(list), ElementsAre(Icon(3), Icon(2)));
    EXPECT_TRUE(ImageList_Remove(list, 0));
    EXPECT_THAT(native::ImageListIcons(list), ElementsAre(Icon(2)));
    EXPECT_FALSE(ImageList_Remove(list, 1));
    EXPECT_TRUE(ImageList_Remove(list, -1));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);

    EXPECT_EQ(native::LiveImageLists(), 1);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list)) << "a destroyed list is gone for good";
    EXPECT_EQ(native::LiveImageLists(), 0);
    EXPECT_EQ(ImageList_AddIcon(list, Icon(1)), -1);
    EXPECT_FALSE(ImageList_BeginDrag(list, 0, 0, 0));
}

// After each call: "D" a drag is in progress, "L" locked to the window, "V" visible.
struct DragStep {
    const char* name;
    std::function<BOOL()> call;
    BOOL result;
    std::string state;
    POINT position;
};

TEST_F(ImageListTest, DragStateFollowsTheDragCalls) {
    HWND window = TopLevel();
    HIMAGELIST image = ImageList_Create(32, 16, ILC_MASK, 1, 1);
    ImageList_AddIcon(image, Icon(9));
    const DragStep steps[] = {
        {"enter before a drag", [&] { return ImageList_DragEnter(window, 1, 2); }, FALSE, "", {}},
        {"move before a drag", [&] { return ImageList_DragMove(1, 2); }, FALSE, "", {}},
        {"show before a drag", [&] { return ImageList_DragShowNolock(TRUE); }, TRUE, "", {}},
        {"cursor", [&] { return ImageList_SetDragCursorImage(image, 0, 3, 4); }, TRUE, "", {}},
        {"bad index", [&] { return ImageList_BeginDrag(image, 1, 5, 6); }, FALSE, "", {}},
        {"begin", [&] { return ImageList_BeginDrag(image, 0, 5, 6); }, TRUE, "D", {}},
        {"enter", [&] { return ImageList_DragEnter(window, 10, 20); }, TRUE, "DLV", {10, 20}},
        {"hide", [&] { return ImageList_DragShowNolock(FALSE); }, TRUE, "DL", {10, 20}},
        {"show", [&] { return ImageList_DragShowNolock(TRUE); }, TRUE, "DLV", {10, 20}},
        {"move", [&] { return ImageList_DragMove(15, 25); }, TRUE, "DLV", {15, 25}},
        {"leave", [&] { return ImageList_DragLeave(window); }, TRUE, "D", {15, 25}},
        {"end", [&] { return ImageList_EndDrag(), TRUE; }, TRUE, "", {15, 25}},
    };
    for (const DragStep& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(step.call(), step.result);
        const native::ImageListDrag& drag = native::GetImageListDrag();
        auto has = [&](char flag) { return step.state.find(flag) != std::string::npos; };
        EXPECT_EQ(drag.image, has('D') ? image : nullptr);
        EXPECT_EQ(drag.lockWindow, has('L') ? window : nullptr);
        EXPECT_EQ(drag.visible, has('V'));
        EXPECT_EQ(drag.position.x, step.position.x);
        EXPECT_EQ(drag.position.y, step.position.y);
    }

    const native::ImageListDrag& drag = native::GetImageListDrag();
    EXPECT_EQ(drag.cursorImage, image);
    EXPECT_EQ(drag.cursorHotSpot.x + drag.cursorHotSpot.y, 7);
    EXPECT_EQ(drag.hotSpot.x + drag.hotSpot.y, 11);
    std::vector<native::DragCall> calls;
    for (const native::DragCallRecord& record : drag.calls) {
        calls.push_back(record.call);
    }
    using native::DragCall;
    EXPECT_THAT(calls, ElementsAre(DragCall::BeginDrag, DragCall::DragEnter, DragCall::DragMove,
                                   DragCall::DragLeave, DragCall::EndDrag));
    EXPECT_EQ(drag.calls[1].window, window);

    // The next drag starts the log afresh: it does not grow drag by drag.
    ImageList_BeginDrag(image, 0, 1, 1);
    ImageList_EndDrag();
    calls.clear();
    for (const native::DragCallRecord& record : native::GetImageListDrag().calls) {
        calls.push_back(record.call);
    }
    EXPECT_THAT(calls, ElementsAre(DragCall::BeginDrag, DragCall::EndDrag));
}

} // namespace
