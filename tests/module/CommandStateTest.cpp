#include "frame/CommandState.h"
#include "resources/CommandIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Facts = ViewSnapshot::Selected;

Facts PadRow(int groupDepth = 0, bool desktopSelected = false) {
    Facts f;
    f.hasRow = f.padRow = f.hasPad = true;
    f.groupDepth = groupDepth;
    f.desktopSelected = desktopSelected;
    return f;
}

Facts DesktopRow() {
    Facts f;
    f.hasRow = true;
    return f;
}

Facts GoneRow() {
    Facts f;
    f.hasRow = f.hasPad = true;
    return f;
}

template <typename Change> Facts With(Facts f, Change change) {
    change(f);
    return f;
}

ViewSnapshot Snapshot(std::vector<Facts> selected) {
    ViewSnapshot s;
    for (const Facts& facts : selected)
        s.selection.Add(facts);
    s.hasRoot = true;
    s.listEmpty = false;
    s.topIsPadRow = true;
    return s;
}

struct Case {
    const char* what;
    ViewSnapshot snapshot;
    UINT id;
    bool enabled;
};

TEST(CommandState, EnablingRulesFollowTheSelection) {
    const Facts anchor = With(PadRow(), [](Facts& f) { f.excludedClass = true; });
    const Facts noInsert = With(PadRow(), [](Facts& f) { f.insertProtected = true; });
    const Facts noTools = With(PadRow(), [](Facts& f) { f.toolProtected = true; });
    const Facts noDelete = With(PadRow(), [](Facts& f) { f.deleteProtected = true; });
    ViewSnapshot desktopOnly = Snapshot({DesktopRow()});
    desktopOnly.topIsDesktop = true;
    desktopOnly.topIsPadRow = false;
    ViewSnapshot emptyTable;
    emptyTable.hasRoot = false;
    ViewSnapshot desktopNothingSelected = Snapshot({});
    desktopNothingSelected.topIsDesktop = true;

    const std::vector<Case> cases = {
        {"one pad row and the desktop row", Snapshot({DesktopRow(), PadRow()}), ID_EDIT_GEOMETRY,
         true},
        {"one pad row and the desktop row", Snapshot({DesktopRow(), PadRow()}),
         ID_EDIT_INSERT_REPLACE, false},
        {"two pad rows", Snapshot({PadRow(), PadRow()}), ID_EDIT_INSERT_REPLACE, true},
        {"an anchor pad", Snapshot({PadRow(), anchor}), ID_EDIT_INSERT_REPLACE, false},
        {"protected 0x10000", Snapshot({PadRow(), noInsert}), ID_EDIT_INSERT_REPLACE, false},
        {"three pad rows", Snapshot({PadRow(), PadRow(), PadRow()}), ID_EDIT_INSERT_REPLACE, false},
        {"a gone row", Snapshot({PadRow(), GoneRow()}), ID_EDIT_INSERT_REPLACE, false},
        {"only the desktop row", desktopOnly, ID_EDIT_GEOMETRY, false},
        {"only the desktop row", desktopOnly, ID_TOOLS_DOCUMENT_GENERATOR, true},
        {"desktop, nothing selected", desktopNothingSelected, ID_TOOLS_DOCUMENT_GENERATOR, true},
        {"pad Inspector, nothing selected", Snapshot({}), ID_TOOLS_DOCUMENT_GENERATOR, false},
        {"tools protected", Snapshot({noTools}), ID_TOOLS_DOCUMENT_GENERATOR, false},
        {"tools protected", Snapshot({noTools}), ID_TOOLS_CONNECTION_EDITOR, false},
        {"tools protected", Snapshot({noTools}), ID_INSPECTOR_SELECTED_PAD, false},
        {"excluded class", Snapshot({anchor}), ID_TOOLS_CONNECTION_EDITOR, false},
        {"excluded class", Snapshot({anchor}), ID_INSPECTOR_SELECTED_PAD, true},
        {"gone row", Snapshot({GoneRow()}), ID_EDIT_GEOMETRY, false},
        {"gone row", Snapshot({GoneRow()}), ID_EDIT_SELECT, false},
        {"grouped pad", Snapshot({PadRow(1)}), ID_EDIT_SELECT, false},
        {"grouped pad", Snapshot({PadRow(1)}), ID_EDIT_DELETE, false},
        {"group depth below zero", Snapshot({PadRow(-1)}), ID_EDIT_SELECT, true},
        {"selected on the desktop", Snapshot({PadRow(0, true)}), ID_EDIT_SELECT, false},
        {"selected on the desktop", Snapshot({PadRow(0, true)}), ID_EDIT_DESELECT, true},
        {"not selected on the desktop", Snapshot({PadRow()}), ID_EDIT_DESELECT, false},
        {"delete protected", Snapshot({noDelete}), ID_EDIT_DELETE, false},
        {"delete protected and a plain pad", Snapshot({noDelete, PadRow()}), ID_EDIT_DELETE, true},
        {"empty table", emptyTable, ID_EDIT_SEARCH, false},
        {"empty table", emptyTable, ID_EDIT_PARENT, false},
        {"desktop Inspector", desktopOnly, ID_EDIT_PARENT, false},
        {"pad Inspector", Snapshot({}), ID_EDIT_PARENT, true},
        {"no rule", Snapshot({}), ID_TOOLS_CUSTOMIZE, true},
        {"no rule", Snapshot({}), ID_WINDOW_ALL_CLOSE, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateCommand(c.id, c.snapshot).enabled, c.enabled) << c.what << ", " << c.id;
}

TEST(CommandState, OptionsAreCheckedByTheViewsSettings) {
    ViewSnapshot s = Snapshot({});
    EXPECT_FALSE(EvaluateCommand(ID_OPTION_UPDATE, s).enabled); // Auto Update on
    EXPECT_EQ(EvaluateCommand(ID_OPTION_AUTO_UPDATE, s).checked, 1);
    EXPECT_EQ(EvaluateCommand(ID_OPTION_NESTED_LABEL, s).checked, 0);
    s.autoUpdate = 0;
    s.nestedLabels = 1;
    EXPECT_TRUE(EvaluateCommand(ID_OPTION_UPDATE, s).enabled);
    EXPECT_EQ(EvaluateCommand(ID_OPTION_AUTO_UPDATE, s).checked, 0);
    EXPECT_EQ(EvaluateCommand(ID_OPTION_NESTED_LABEL, s).checked, 1);
}

TEST(CommandState, ExcludedClassesAreTheFourStandInClasses) {
    for (const char* name : {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"})
        EXPECT_TRUE(IsExcludedClass(name)) << name;
    for (const char* name : {"MvPad", "MvIconPadX", "mviconpad", ""})
        EXPECT_FALSE(IsExcludedClass(name)) << name;
    EXPECT_FALSE(IsExcludedClass(nullptr));
}

} // namespace
