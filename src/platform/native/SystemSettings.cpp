#include "platform/native/SystemSettings.h"

namespace native {

namespace {

COLORREF DefaultColour(int index) {
    switch (index) {
    case 0:  // scroll bar
    case 4:  // menu
    case 15: // button face
        return RGB(192, 192, 192);
    case 1: // desktop
        return RGB(0, 128, 128);
    case 2: // active caption
        return RGB(0, 0, 128);
    case 3:  // inactive caption
    case 16: // button shadow
    case 17: // grey text
        return RGB(128, 128, 128);
    case COLOR_WINDOW:
    case 9:  // caption text
    case 14: // highlight text
    case 20: // button highlight
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 0, 128);
    default: // window frame, menu text, window text, button text
        return RGB(0, 0, 0);
    }
}

} // namespace

COLORREF SystemSettings::Colour(int index) const {
    auto it = colours.find(index);
    return it == colours.end() ? DefaultColour(index) : it->second;
}

} // namespace native
