#pragma once

#include <span>
#include <vector>

// One control of a dialog resource with its text in both languages, in UTF-8. Styles are
// complete window styles (ResourceTypes.h); position and size are in dialog units.
struct DialogItemSource {
    const char* className;
    unsigned id;
    const char* english;
    const char* japanese;
    unsigned long style;
    short x, y, cx, cy;
};

struct DialogSource {
    unsigned id;
    const char* english; // caption
    const char* japanese;
    short cx, cy;
    std::vector<DialogItemSource> items; // in tab order
};

// Style of every dialog of the module; the font is chosen by language.
extern const unsigned long kDialogStyle;

// Null when there is no dialog resource of that id.
const DialogSource* FindDialogSource(unsigned id);
std::span<const DialogSource> DialogSources();
