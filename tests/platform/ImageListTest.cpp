#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace native_test;

namespace {

#ifndef _WIN32
// A module whose icons are those of the ids it is asked for from 128 on.
class IconModule : public ResourceModule {
public:
    const char* FindString(Language, UINT) const override { return nullptr; }
    bool HasIcon(UINT id) const override { return id >= 128 && id < 160; }
};
#endif

class ImageListTest : public NativeTest {
protected:
    void TearDown() override {
#ifdef _WIN32
        for (HICON icon : icons)
            DestroyIcon(icon);
#else
        if (module != nullptr)
            native::UnregisterModule(module);
#endif
        NativeTest::TearDown();
    }

    // An icon of the system's own, the `which`th the case makes.
    HICON MakeIcon(int which) {
#ifdef _WIN32
        std::array<BYTE, 16 * 16 / 8> andBits{};
        std::array<BYTE, 16 * 16 / 8> xorBits{};
        xorBits.fill(static_cast<BYTE>(which * 37));
        HICON icon =
            CreateIcon(GetModuleHandleA(nullptr), 16, 16, 1, 1, andBits.data(), xorBits.data());
        icons.push_back(icon);
        return icon;
#else
        if (module == nullptr)
            module = native::RegisterModule("icons", &iconModule);
        return LoadIconA(module, static_cast<UINT>(128 + which));
#endif
    }

    static int Count(HIMAGELIST list) {
        return ImageList_GetImageCount(list);
    }

#ifdef _WIN32
    std::vector<HICON> icons;
#else
    IconModule iconModule;
    HINSTANCE module = nullptr;
#endif
};

TEST_F(ImageListTest, ImagesAreAppendedReplacedAndRemovedByIndex) {
    EXPECT_EQ(ImageList_Create(0, 16, ILC_MASK, 1, 1), nullptr);
    HIMAGELIST list = ImageList_Create(16, 12, ILC_MASK | ILC_COLOR8, 1, 1);
    ASSERT_NE(list, nullptr);
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx * 100 + cy, 1612);
    EXPECT_EQ(Count(list), 0);

    EXPECT_EQ(ImageList_AddIcon(list, MakeIcon(1)), 0);
    EXPECT_EQ(ImageList_AddIcon(list, MakeIcon(2)), 1);
    EXPECT_EQ(ImageList_AddIcon(list, nullptr), -1);
    EXPECT_EQ(ImageList_AddIcon(list, MakeIcon(3)), 2);
    EXPECT_EQ(Count(list), 3);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 0, MakeIcon(4)), 0);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 1, nullptr), -1);
    EXPECT_EQ(ImageList_ReplaceIcon(list, 100, MakeIcon(5)), -1);
    EXPECT_EQ(Count(list), 3) << "a replacement adds nothing";

    EXPECT_TRUE(ImageList_Remove(list, 0));
    EXPECT_EQ(Count(list), 2);
    EXPECT_FALSE(ImageList_Remove(list, 2));
    EXPECT_TRUE(ImageList_Remove(list, -1));
    EXPECT_EQ(Count(list), 0);
    EXPECT_EQ(ImageList_AddIcon(list, MakeIcon(6)), 0) << "an emptied list is filled again";
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(nullptr));
}

// After each call, whether a drag is in progress and where its image is.
struct DragStep {
    const char* name;
    std::function<BOOL()> call;
    BOOL result;
    bool dragging;
    POINT position;
};

TEST_F(ImageListTest, TheDragShowsACopyOfTheImageWhereItWasMoved) {
    HWND window = TopLevel();
    HIMAGELIST image = ImageList_Create(32, 16, ILC_MASK, 1, 1);
    ImageList_AddIcon(image, MakeIcon(1));
    HIMAGELIST cursor = ImageList_Create(8, 8, ILC_MASK, 1, 1);
    ImageList_AddIcon(cursor, MakeIcon(2));
    const DragStep steps[] = {
        {"enter before a drag",
         [&] { return ImageList_DragEnter(window, 1, 2); },
         FALSE,
         false,
         {}},
        {"move before a drag", [&] { return ImageList_DragMove(1, 2); }, FALSE, false, {}},
        {"show before a drag", [&] { return ImageList_DragShowNolock(TRUE); }, FALSE, false, {}},
        {"cursor before a drag",
         [&] { return ImageList_SetDragCursorImage(cursor, 0, 3, 4); },
         FALSE,
         false,
         {}},
        {"begin beyond the images",
         [&] { return ImageList_BeginDrag(image, 1, 5, 6); },
         FALSE,
         false,
         {}},
        {"begin", [&] { return ImageList_BeginDrag(image, 0, 5, 6); }, TRUE, true, {0, 0}},
        {"enter", [&] { return ImageList_DragEnter(window, 10, 20); }, TRUE, true, {10, 20}},
        {"hide", [&] { return ImageList_DragShowNolock(FALSE); }, TRUE, true, {10, 20}},
        {"show", [&] { return ImageList_DragShowNolock(TRUE); }, TRUE, true, {10, 20}},
        {"move", [&] { return ImageList_DragMove(15, 25); }, TRUE, true, {15, 25}},
        {"cursor",
         [&] { return ImageList_SetDragCursorImage(cursor, 0, 3, 4); },
         TRUE,
         true,
         {15, 25}},
        {"source destroyed", [&] { return ImageList_Destroy(image); }, TRUE, true, {15, 25}},
        {"move on", [&] { return ImageList_DragMove(16, 26); }, TRUE, true, {16, 26}},
        {"leave", [&] { return ImageList_DragLeave(window); }, TRUE, true, {16, 26}},
        {"end", [&] { return ImageList_EndDrag(), TRUE; }, TRUE, false, {}},
        {"move after the drag", [&] { return ImageList_DragMove(1, 2); }, FALSE, false, {}},
    };
    for (const DragStep& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(step.call(), step.result);
        POINT position{-1, -1};
        POINT hotSpot{-1, -1};
        HIMAGELIST dragged = ImageList_GetDragImage(&position, &hotSpot);
        ASSERT_EQ(dragged != nullptr, step.dragging);
        if (!step.dragging)
            continue;
        EXPECT_NE(dragged, image);
        EXPECT_EQ(Count(dragged), 1);
        EXPECT_EQ(position.x * 100 + position.y, step.position.x * 100 + step.position.y);
        EXPECT_EQ(hotSpot.x * 100 + hotSpot.y, 506);
    }
    ImageList_Destroy(cursor);
}

} // namespace
