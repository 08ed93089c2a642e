#pragma once

// Identifiers of the module's resources and strings. Command identifiers are in
// CommandIds.h, dialog control identifiers in ControlIds.h.
enum : unsigned {
    // Menu, accelerator table, toolbar and frame icon of an Inspector share one id; the
    // search-results window's menu and toolbar share another.
    IDR_MAINFRAME = 2,
    IDR_SEARCHFRAME = 125,
    IDR_CONTEXTMENU = 123,

    IDD_INSERT_REPLACE = 102,
    IDD_CUSTOMIZE = 124,
    IDD_DELETE = 201,
    IDD_GEOMETRY = 202,
    IDD_SEARCH = 204,

    // Row icons in image-list order: plain, expanded, collapsed; then the same selected.
    IDI_ROW_FIRST = 106,
    IDI_ROW_PLAIN = 106,
    IDI_ROW_EXPANDED = 107,
    IDI_ROW_COLLAPSED = 108,
    IDI_ROW_PLAIN_SELECTED = 109,
    IDI_ROW_EXPANDED_SELECTED = 110,
    IDI_ROW_COLLAPSED_SELECTED = 111,
    IDI_ROW_LAST = 111,
};

// Popups of the context menu resource, by position.
enum : int { CONTEXT_POPUP_MAIN = 0, CONTEXT_POPUP_DIALOG = 1, CONTEXT_POPUP_SEARCH = 3 };

enum : unsigned {
    IDS_INSERT_UNDER_OVER = 4,
    IDS_REPLACE_TO_BY_FROM = 5,
    IDS_DESKTOP = 6,
    IDS_NO = 7,
    IDS_YES = 8,
    IDS_COUNT_PANE = 101,
    IDS_WINDOW_NUMBER_FIRST = 211, // "&1 " to "&9 "
    IDS_WINDOW_NUMBER_LAST = 219,
    IDS_OTHER_WINDOWS = 220,

    IDS_POSITION_RANGE = 32652,
    IDS_SIZE_RANGE = 32654,
    IDS_NO_CONDITION = 32655,
    IDS_PAD_NOT_FOUND = 32656,
    IDS_DELETE_ALL = 32657,
    IDS_CANNOT_CHANGE_GEOMETRY = 32658,
    IDS_CANNOT_DELETE = 32659,
    IDS_CANNOT_CHANGE_POSITION = 32660,
    IDS_CANNOT_CHANGE_SIZE = 32661,
    IDS_CANNOT_LEAVE_PARENT = 32662,
    IDS_FROM_CONFINED = 32663,
    IDS_TO_CONFINED = 32664,
    IDS_FROM_CONFINED_CHILD = 32665,
    IDS_PASTE_LOOP = 32667,

    IDS_PADS_FOUND = 32740,
    IDS_CANNOT_OPEN = 32741,
    IDS_INSPECTOR = 32742,
    IDS_COLUMN_FIRST = 32744, // headers of columns 0 to 4; 32749 is no header
    IDS_COLUMN_LABEL = 32744,
    IDS_COLUMN_POSITION = 32745,
    IDS_COLUMN_SIZE = 32746,
    IDS_COLUMN_OUTPUT_SLOT = 32747,
    IDS_COLUMN_OUTPUT_VALUE = 32748,
    IDS_SEARCH = 32749,
    IDS_COLUMN_RELATIVE_POSITION = 32750,
    IDS_COLUMN_PAD_NAME = 32751,
    IDS_COLUMN_CONNECTION = 32752,
    IDS_COLUMN_GROUP_DEPTH = 32753,
    IDS_COLUMN_PAD_ID = 32754,
    IDS_INSPECTOR_SEARCH = 32755,

    // Strings the framework looks for in every module.
    IDS_APP_TITLE = 57344,
    IDS_IDLE_MESSAGE = 57345,
    IDS_HELP_MODE_MESSAGE = 57346,
    IDS_SYSTEM_COMMAND_FIRST = 61184, // prompt of system command 0xF000 + 16 × (id − 61184)
};
