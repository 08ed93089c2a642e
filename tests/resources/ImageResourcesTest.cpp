#include "ResourceTest.h"
#include "platform/Win.h"
#include "resources/ImageArt.h"

#include <algorithm>
#include <map>

namespace {

// Where a selected pad's handles sit: corners and edge middles of a 16 × 16 icon.
const POINT kHandlePixels[] = {{0, 0},  {1, 1},  {7, 0},   {8, 1},  {15, 0}, {14, 1},
                               {0, 7},  {1, 8},  {15, 8},  {14, 7}, {0, 15}, {1, 14},
                               {7, 15}, {8, 14}, {15, 15}, {14, 14}};

bool IsBlackHandle(const ImageResource& image, POINT p) {
    return !image.Transparent(p.x, p.y) && image.Pixel(p.x, p.y) == RGB(0, 0, 0);
}

// One picture of a toolbar strip, as rows of colours with transparent pixels marked.
std::vector<COLORREF> Cell(const ImageResource& strip, int index) {
    std::vector<COLORREF> cell;
    for (int y = 0; y < strip.height; ++y) {
        for (int x = index * 16; x < index * 16 + 16; ++x)
            cell.push_back(strip.Transparent(x, y) ? 0xFFFFFFFF : strip.Pixel(x, y));
    }
    return cell;
}

class ImageResourcesTest : public ResourceTest {};

// A row of the wrong length or a letter outside the palette would shift or drop pixels.
TEST_F(ImageResourcesTest, PicturesAreRegularGridsOfPaletteLetters) {
    struct Case {
        PixelArt art;
        size_t width, height;
    };
    std::vector<Case> cases;
    for (UINT id : {2u, 106u, 107u, 108u})
        cases.push_back({IconArt(id), 16, 16});
    for (UINT command : FindToolbarResource(module, 2)->buttons) {
        if (command != 0)
            cases.push_back({ToolbarArt(command), 16, 15});
    }
    for (const Case& c : cases) {
        ASSERT_FALSE(c.art.empty());
        std::string_view rows = c.art.substr(1);
        size_t count = 0;
        for (size_t end; (end = rows.find('\n')) != std::string_view::npos; ++count) {
            std::string_view row = rows.substr(0, end);
            EXPECT_EQ(row.size(), c.width) << row;
            for (char letter : row) {
                COLORREF colour;
                EXPECT_TRUE(letter == '.' || PaletteColour(letter, colour)) << row;
            }
            rows.remove_prefix(end + 1);
        }
        EXPECT_TRUE(rows.empty());
        EXPECT_EQ(count, c.height);
    }
}

// Icons 109 to 111 are 106 to 108 with black selection handles added, and nothing else.
TEST_F(ImageResourcesTest, SelectedRowIconsAddHandlesToThePlainOnes) {
    for (UINT plainId = 106; plainId <= 108; ++plainId) {
        const ImageResource& plain = *FindImageResource(module, plainId, true);
        const ImageResource& selected = *FindImageResource(module, plainId + 3, true);
        for (POINT p : kHandlePixels) {
            EXPECT_FALSE(IsBlackHandle(plain, p)) << plainId << " at " << p.x << "," << p.y;
            EXPECT_TRUE(IsBlackHandle(selected, p)) << plainId + 3 << " at " << p.x << "," << p.y;
        }
        for (int y = 2; y < 14; ++y) {
            for (int x = 2; x < 14; ++x)
                EXPECT_EQ(plain.Pixel(x, y), selected.Pixel(x, y)) << plainId << " " << x << y;
        }
    }
}

TEST_F(ImageResourcesTest, ToolbarBitmapsHoldOnePicturePerButton) {
    for (UINT id : {2u, 125u}) {
        const ToolbarTemplate* toolbar = FindToolbarResource(module, id);
        const ImageResource* strip = FindImageResource(module, id, false);
        ASSERT_NE(toolbar, nullptr);
        ASSERT_NE(strip, nullptr);
        int buttons = static_cast<int>(std::count_if(
            toolbar->buttons.begin(), toolbar->buttons.end(), [](UINT b) { return b != 0; }));
        EXPECT_EQ(strip->width, 16 * buttons) << id;
        EXPECT_EQ(strip->height, 15) << id;
        EXPECT_EQ(strip->transparentColor, RGB(192, 192, 192));
    }
    EXPECT_EQ(FindToolbarResource(module, 2)->buttons.size(), 16u);
    EXPECT_EQ(FindToolbarResource(module, 125)->buttons.size(), 9u);
    EXPECT_EQ(FindImageResource(module, 106, false), nullptr) << "icons are no bitmaps";
    EXPECT_EQ(FindImageResource(module, 112, true), nullptr);
    EXPECT_EQ(LoadIconA(module, 112), nullptr);
}

// Every command has its own picture, the same on both toolbars.
TEST_F(ImageResourcesTest, ToolbarPicturesAreDistinctAndSharedByCommand) {
    const ToolbarTemplate& inspector = *FindToolbarResource(module, 2);
    const ImageResource& inspectorStrip = *FindImageResource(module, 2, false);
    std::map<UINT, std::vector<COLORREF>> pictures;
    int index = 0;
    for (UINT command : inspector.buttons) {
        if (command == 0)
            continue;
        std::vector<COLORREF> cell = Cell(inspectorStrip, index++);
        EXPECT_GT(
            std::count_if(cell.begin(), cell.end(), [](COLORREF c) { return c != 0xFFFFFFFF; }), 20)
            << command;
        for (const auto& [other, picture] : pictures)
            EXPECT_NE(picture, cell) << command << " looks like " << other;
        pictures[command] = cell;
    }
    const ToolbarTemplate& search = *FindToolbarResource(module, 125);
    const ImageResource& searchStrip = *FindImageResource(module, 125, false);
    index = 0;
    for (UINT command : search.buttons) {
        if (command != 0) {
            EXPECT_EQ(Cell(searchStrip, index++), pictures[command]) << command;
        }
    }
}

} // namespace
