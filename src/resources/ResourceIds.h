#pragma once

// Identifiers of the module's resources.
enum : unsigned {
    IDR_MAINFRAME = 2,
    IDR_SEARCHFRAME = 125,
    IDS_INSERT_UNDER_OVER = 4,
    IDS_REPLACE_TO_BY_FROM = 5,
    IDS_DESKTOP = 6,
    IDS_NO = 7,
    IDS_YES = 8,
    IDS_COUNT_PANE = 101,
    IDS_CANNOT_OPEN = 32741,
    IDS_INSPECTOR = 32742,
    IDS_INSPECTOR_SEARCH = 32755,
    IDI_ROW_FIRST = 106,
    IDI_ROW_LAST = 111,
};
