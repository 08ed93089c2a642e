#include "SelectionFacts.h"

#include "InspectorRow.h"
#include "host/MvSimplePad.h"

#include <cstring>

SelectedFacts FactsOfRow(const InspectorRow* row) {
    SelectedFacts facts;
    facts.hasRow = row != nullptr;
    if (row == nullptr)
        return facts;
    facts.padRow = !row->gone && !row->isDesktop;
    MvSimplePad* pad = row->pad;
    facts.hasPad = pad != nullptr;
    if (pad != nullptr && !row->gone) {
        facts.groupDepth = pad->get_groupDepth();
        facts.desktopSelected = pad->isSelected() != 0;
        facts.deleteProtected = (pad->get_protection() & kProtectDelete) != 0;
        facts.insertProtected = pad->isProtected2(kProtectInsertReplace) == 1;
        facts.toolProtected = pad->isProtected2(kProtectTools) == 1;
        facts.excludedClass = IsExcludedClass(pad->get_class_name());
    }
    return facts;
}

bool IsExcludedClass(const char* className) {
    if (className == nullptr)
        return false;
    for (const char* excluded :
         {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"}) {
        if (std::strcmp(className, excluded) == 0)
            return true;
    }
    return false;
}

void SelectionTally::Add(const SelectedFacts& f, int times) {
    items += times;
    if (!f.hasRow)
        return;
    withRow += times;
    padRows += f.padRow ? times : 0;
    if (!f.padRow || !f.hasPad)
        return;
    bool ungrouped = f.groupDepth <= 0;
    withPad += times;
    selectable += ungrouped && !f.desktopSelected ? times : 0;
    deselectable += ungrouped && f.desktopSelected ? times : 0;
    deletable += ungrouped && !f.deleteProtected ? times : 0;
    connectable += !f.toolProtected && !f.excludedClass ? times : 0;
    toolable += !f.toolProtected ? times : 0;
    insertable += !f.insertProtected && !f.excludedClass ? times : 0;
}
