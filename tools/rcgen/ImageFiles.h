#pragma once

#include "platform/ResourceTypes.h"

#include <string>
#include <vector>

// Win32 image files of a module's pictures, in the sixteen colours of the standard VGA
// palette: an icon file with one 4-bit image and its mask, or a 4-bit bitmap file whose
// transparent pixels keep the image's transparent colour. Both throw std::invalid_argument
// for a colour outside the palette.
std::string IconFileBytes(const ImageResource& image);
// One icon file holding several sizes of a picture, smallest first.
std::string IconFileBytes(const std::vector<ImageResource>& images);
// The picture at twice the size, each pixel four: the 32x32 image of a 16x16 icon.
ImageResource DoubledImage(const ImageResource& image);
std::string BitmapFileBytes(const ImageResource& image);

// The index of a colour in the standard VGA palette, or -1.
int VgaPaletteIndex(COLORREF colour);
