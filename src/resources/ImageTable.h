#pragma once

#include "platform/ResourceTypes.h"

#include <span>

// The module's icons, toolbar layouts and toolbar bitmaps, built from its pixel art. The
// pictures are the same in both languages.
std::span<const ImageResource> IconImages();
std::span<const ImageResource> BitmapImages();
std::span<const ToolbarTemplate> ToolbarTemplates();

// Null when absent.
const ImageResource* FindIconImage(UINT id);
const ImageResource* FindBitmapImage(UINT id);
const ToolbarTemplate* FindToolbarTemplate(UINT id);

// Size of one toolbar button image.
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;
