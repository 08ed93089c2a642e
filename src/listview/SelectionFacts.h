#pragma once

#include <cstddef>

class MvSimplePad;
struct InspectorRow;

// What the enabling rules of the commands ask of one selected item.
struct SelectedFacts {
    bool hasRow = false;
    bool padRow = false; // has a row, not gone, not the desktop row
    bool hasPad = false;
    int groupDepth = 0;
    bool desktopSelected = false;
    bool deleteProtected = false; // protection bit 0x10
    bool insertProtected = false; // isProtected2(0x10000)
    bool toolProtected = false;   // isProtected2(0x20000)
    bool excludedClass = false;
};

// The facts of the item of `row` (null: an item without a row), read from the row and its pad.
SelectedFacts FactsOfRow(const InspectorRow* row);

// The pads of the four classes that stand for other pads take no tools and no re-paste.
bool IsExcludedClass(const char* className);

// The facts of a selection, counted: each count is the number of selected items that pass
// one of the rules' tests, so a rule asks a count instead of every item. Adding and taking
// away the same facts leaves the counts as they were.
struct SelectionTally {
    int items = 0;
    int withRow = 0;
    int padRows = 0;      // pad rows
    int withPad = 0;      // pad rows with a pad
    int selectable = 0;   // ... not grouped, not selected on the desktop
    int deselectable = 0; // ... not grouped, selected on the desktop
    int deletable = 0;    // ... not grouped, not protected against deletion
    int connectable = 0;  // ... not protected against tools, not of an excluded class
    int toolable = 0;     // ... not protected against tools
    int insertable = 0;   // ... not protected against Insert/Replace, not of an excluded class

    void Add(const SelectedFacts& facts, int times = 1);
    bool operator==(const SelectionTally&) const = default;
};
