#pragma once

#include "frame/ColumnSettings.h"

#include <functional>
#include <string>
#include <vector>

// The Customize dialog without its window: the list of every column ("items") and the list
// of the columns to show ("displayed"), each with its selected index (-1 none). Item 0 of
// both is Label: it is never added, deleted or moved, and nothing moves above it.
struct CustomizeLists {
    std::vector<std::string> items;
    std::vector<std::string> displayed;
    int itemSelection = -1;
    int displayedSelection = -1;
};

struct CustomizeButtons {
    bool add = false;
    bool remove = false;
    bool up = false;
    bool down = false;
};

enum class CustomizeButton { Add, Delete, Up, Down, Clear, Reset };

// The header text of a column, false when it cannot be loaded.
using ColumnHeader = std::function<bool(int columnId, std::string& text)>;

// Fills the items list with the ten headers when it is empty, and the displayed list with
// those of the set's columns; a header that cannot be loaded ends the filling there.
void InitCustomizeLists(CustomizeLists& lists, const ColumnSet& set, const ColumnHeader& header);
// Add appends the selected item unless it is shown already; Delete, Up and Down act on the
// selected displayed item; Clear leaves Label, Reset the five default columns.
void PressCustomizeButton(CustomizeLists& lists, CustomizeButton button);
CustomizeButtons CustomizeButtonStates(const CustomizeLists& lists);
// The first item, from item 1 on and then item 0, whose text begins with `text` without
// regard to case; -1 when none does.
int FindCustomizeItem(const std::vector<std::string>& items, const std::string& text);
// OK: the displayed columns become the set from position `first` on, each keeping the width
// it has now (`currentWidths[i]` for position i of the set) and a new one -1. False, with the
// set unchanged, when nothing is displayed.
bool ApplyDisplayedColumns(const CustomizeLists& lists, const int currentWidths[], int first,
                           ColumnSet& set);
