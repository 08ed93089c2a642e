#include "ImageTable.h"

#include "CommandIds.h"
#include "ImageArt.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {

constexpr int kIconSize = 16;
// Masked pixels of an icon are black, as its colour plane holds them under the mask.
const COLORREF kIconTransparent = RGB(0, 0, 0);
// The colour a toolbar replaces by its button face.
const COLORREF kToolbarTransparent = RGB(192, 192, 192);

ImageResource Blank(UINT id, int width, int height, COLORREF transparent) {
    ImageResource image;
    image.id = id;
    image.width = width;
    image.height = height;
    image.transparentColor = transparent;
    image.pixels.assign(static_cast<size_t>(width * height), transparent);
    image.mask.assign(static_cast<size_t>(width * height), 1);
    return image;
}

// Draws a picture into the cell of the given width that starts at column left.
void Draw(ImageResource& image, PixelArt art, int left, int width) {
    if (!art.empty() && art.front() == '\n')
        art.remove_prefix(1);
    int x = 0;
    int y = 0;
    for (char letter : art) {
        COLORREF colour = 0;
        if (letter == '\n') {
            x = 0;
            ++y;
            continue;
        }
        if (x < width && y < image.height && PaletteColour(letter, colour)) {
            auto at = static_cast<size_t>(y * image.width + left + x);
            image.pixels[at] = colour;
            image.mask[at] = 0;
        }
        ++x;
    }
}

// Black 2 × 2 handles at the corners and edge middles, as the desktop marks a selected pad.
void DrawSelectionHandles(ImageResource& image) {
    const int places[] = {0, kIconSize / 2 - 1, kIconSize - 2};
    for (int hy : places) {
        for (int hx : places) {
            if (hx == places[1] && hy == places[1])
                continue;
            for (int y = hy; y < hy + 2; ++y) {
                for (int x = hx; x < hx + 2; ++x) {
                    auto at = static_cast<size_t>(y * image.width + x);
                    image.pixels[at] = RGB(0, 0, 0);
                    image.mask[at] = 0;
                }
            }
        }
    }
}

ImageResource Icon(UINT id, UINT pictureId, bool selected) {
    ImageResource image = Blank(id, kIconSize, kIconSize, kIconTransparent);
    Draw(image, IconArt(pictureId), 0, kIconSize);
    if (selected)
        DrawSelectionHandles(image);
    return image;
}

std::vector<ImageResource> BuildIcons() {
    return {
        Icon(IDR_MAINFRAME, IDR_MAINFRAME, false),
        Icon(IDI_ROW_PLAIN, IDI_ROW_PLAIN, false),
        Icon(IDI_ROW_EXPANDED, IDI_ROW_EXPANDED, false),
        Icon(IDI_ROW_COLLAPSED, IDI_ROW_COLLAPSED, false),
        Icon(IDI_ROW_PLAIN_SELECTED, IDI_ROW_PLAIN, true),
        Icon(IDI_ROW_EXPANDED_SELECTED, IDI_ROW_EXPANDED, true),
        Icon(IDI_ROW_COLLAPSED_SELECTED, IDI_ROW_COLLAPSED, true),
    };
}

std::vector<ToolbarTemplate> BuildToolbars() {
    return {
        {IDR_MAINFRAME,
         kToolbarImageWidth,
         kToolbarImageHeight,
         {ID_EDIT_SELECT, ID_EDIT_DESELECT, ID_EDIT_GEOMETRY, ID_EDIT_INSERT_REPLACE,
          ID_EDIT_SEARCH, ID_EDIT_PROPERTIES, 0, ID_OPTION_UPDATE, ID_OPTION_AUTO_UPDATE, 0,
          ID_TOOLS_CUSTOMIZE, 0, ID_TOOLS_CONNECTION_EDITOR, ID_TOOLS_DOCUMENT_GENERATOR, 0,
          ID_CONTEXT_HELP}},
        {IDR_SEARCHFRAME,
         kToolbarImageWidth,
         kToolbarImageHeight,
         {ID_EDIT_SELECT, ID_EDIT_DESELECT, ID_EDIT_GEOMETRY, ID_EDIT_PROPERTIES, 0,
          ID_TOOLS_CONNECTION_EDITOR, ID_TOOLS_DOCUMENT_GENERATOR, 0, ID_CONTEXT_HELP}},
    };
}

// A toolbar's bitmap is the strip of its buttons' pictures, separators skipped.
ImageResource ToolbarStrip(const ToolbarTemplate& toolbar) {
    std::vector<UINT> commands;
    std::copy_if(toolbar.buttons.begin(), toolbar.buttons.end(), std::back_inserter(commands),
                 [](UINT id) { return id != 0; });
    ImageResource strip = Blank(toolbar.id, toolbar.buttonWidth * static_cast<int>(commands.size()),
                                toolbar.buttonHeight, kToolbarTransparent);
    for (size_t i = 0; i < commands.size(); ++i)
        Draw(strip, ToolbarArt(commands[i]), static_cast<int>(i) * toolbar.buttonWidth,
             toolbar.buttonWidth);
    return strip;
}

template <typename T> const T* FindById(std::span<const T> items, UINT id) {
    auto it =
        std::find_if(items.begin(), items.end(), [id](const T& item) { return item.id == id; });
    return it != items.end() ? &*it : nullptr;
}

} // namespace

std::span<const ImageResource> IconImages() {
    static const std::vector<ImageResource> icons = BuildIcons();
    return icons;
}

std::span<const ToolbarTemplate> ToolbarTemplates() {
    static const std::vector<ToolbarTemplate> toolbars = BuildToolbars();
    return toolbars;
}

std::span<const ImageResource> BitmapImages() {
    static const std::vector<ImageResource> bitmaps = [] {
        std::vector<ImageResource> strips;
        for (const ToolbarTemplate& toolbar : ToolbarTemplates())
            strips.push_back(ToolbarStrip(toolbar));
        return strips;
    }();
    return bitmaps;
}

const ImageResource* FindIconImage(UINT id) {
    return FindById(IconImages(), id);
}

const ImageResource* FindBitmapImage(UINT id) {
    return FindById(BitmapImages(), id);
}

const ToolbarTemplate* FindToolbarTemplate(UINT id) {
    return FindById(ToolbarTemplates(), id);
}
