#pragma once

#include "platform/WinTypes.h"

#include <string_view>

// A picture drawn as rows of palette letters, top row first, each row ended by a line break;
// a line break at the very start is no row.
using PixelArt = std::string_view;

// The colour of a palette letter: the sixteen colours of the standard VGA palette. False
// for '.', which is transparent, and for letters outside the palette.
bool PaletteColour(char letter, COLORREF& colour);

// 16 × 16 pictures of the frame icon (2) and the three row icons without selection handles
// (106 to 108); empty for any other id.
PixelArt IconArt(unsigned id);

// The 16 × 15 toolbar picture of a command; empty when the command has none.
PixelArt ToolbarArt(unsigned command);
