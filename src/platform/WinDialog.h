#pragma once

// Dialogs and their controls, with the names, values and rules of their Win32 counterparts.
//
// A dialog is a window of class WC_DIALOG created from a DialogTemplate; its controls are its
// children in template order, which is also their tab order. Sizes in a template are dialog
// units: a horizontal unit is a quarter of the dialog font's average character width, a
// vertical unit an eighth of its height. The font a template names of P points is
// ceil(P * 4 / 3) + 2 pixels high and 6 pixels wide on average, the width controls give every
// single-byte character (a double-byte one is twice as wide); a dialog without DS_SETFONT uses
// the system font (SYSTEM_FONT).

#include "ResourceTypes.h"
#include "Win.h"

#ifdef _WIN32
#include "win32/Win32Dialogs.h"
#else

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// Offsets of a dialog's long values for Get/SetWindowLongPtrA.
enum : int { DWLP_MSGRESULT = 0, DWLP_DLGPROC = 8, DWLP_USER = 16 };

// Dialog messages.
enum : UINT {
    DM_GETDEFID = WM_USER + 0,
    DM_SETDEFID = WM_USER + 1,
};
inline constexpr WORD DC_HASDEFID = 0x534B;

// WM_GETDLGCODE: what a control wants of the keys the dialog manager would otherwise take.
enum : LRESULT {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008,
    DLGC_DEFPUSHBUTTON = 0x0010,
    DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040,
    DLGC_WANTCHARS = 0x0080,
    DLGC_STATIC = 0x0100,
    DLGC_BUTTON = 0x2000,
};

// Buttons.
enum : UINT {
    BM_GETCHECK = 0x00F0,
    BM_SETCHECK = 0x00F1,
    BM_GETSTATE = 0x00F2,
    BM_SETSTATE = 0x00F3,
    BM_SETSTYLE = 0x00F4,
    BM_CLICK = 0x00F5,
};
enum : UINT {
    BST_UNCHECKED = 0,
    BST_CHECKED = 1,
    BST_INDETERMINATE = 2,
    BST_PUSHED = 4,
    BST_FOCUS = 8
};
enum : WORD { BN_CLICKED = 0, BN_SETFOCUS = 6, BN_KILLFOCUS = 7 };

// Edit controls.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_GETMODIFY = 0x00B8,
    EM_SETMODIFY = 0x00B9,
    EM_GETLINECOUNT = 0x00BA,
    EM_REPLACESEL = 0x00C2,
    EM_LIMITTEXT = 0x00C5,
    EM_SETLIMITTEXT = EM_LIMITTEXT,
    EM_SETREADONLY = 0x00CF,
    EM_GETLIMITTEXT = 0x00D5,
};
enum : WORD {
    EN_SETFOCUS = 0x0100,
    EN_KILLFOCUS = 0x0200,
    EN_CHANGE = 0x0300,
    EN_UPDATE = 0x0400,
    EN_MAXTEXT = 0x0501,
};

// List boxes.
enum : UINT {
    LB_ADDSTRING = 0x0180,
    LB_INSERTSTRING = 0x0181,
    LB_DELETESTRING = 0x0182,
    LB_RESETCONTENT = 0x0184,
    LB_SETCURSEL = 0x0186,
    LB_GETCURSEL = 0x0188,
    LB_GETTEXT = 0x0189,
    LB_GETTEXTLEN = 0x018A,
    LB_GETCOUNT = 0x018B,
    LB_SELECTSTRING = 0x018C,
    LB_GETTOPINDEX = 0x018E,
    LB_FINDSTRING = 0x018F,
    LB_SETTOPINDEX = 0x0197,
    LB_GETITEMRECT = 0x0198,
    LB_GETITEMDATA = 0x0199,
    LB_SETITEMDATA = 0x019A,
    LB_SETITEMHEIGHT = 0x01A0,
    LB_GETITEMHEIGHT = 0x01A1,
    LB_FINDSTRINGEXACT = 0x01A2,
    LB_ITEMFROMPOINT = 0x01A9,
};
enum : int { LB_OKAY = 0, LB_ERR = -1 };
enum : WORD { LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5 };

// Combo boxes; every combo box here is a drop-down list.
enum : UINT {
    CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149,
    CB_INSERTSTRING = 0x014A,
    CB_RESETCONTENT = 0x014B,
    CB_FINDSTRING = 0x014C,
    CB_SELECTSTRING = 0x014D,
    CB_SETCURSEL = 0x014E,
    CB_SHOWDROPDOWN = 0x014F,
    CB_GETITEMDATA = 0x0150,
    CB_SETITEMDATA = 0x0151,
    CB_GETDROPPEDCONTROLRECT = 0x0152,
    CB_GETITEMHEIGHT = 0x0154,
    CB_GETDROPPEDSTATE = 0x0157,
    CB_FINDSTRINGEXACT = 0x0158,
    CB_GETTOPINDEX = 0x015B,
    CB_SETTOPINDEX = 0x015C,
};
enum : int { CB_OKAY = 0, CB_ERR = -1 };
enum : WORD {
    CBN_SELCHANGE = 1,
    CBN_SETFOCUS = 3,
    CBN_KILLFOCUS = 4,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
    CBN_SELENDOK = 9,
    CBN_SELENDCANCEL = 10,
};

// Scroll notices (WM_VSCROLL, WM_HSCROLL) in the low word of wParam.
enum : WORD { SB_THUMBPOSITION = 4, SB_ENDSCROLL = 8 };

// A dialog from a template; the controls are created in template order, WM_INITDIALOG is sent
// (wParam: the first control in tab order) and, when it returns nonzero, that control gets the
// focus. The dialog is shown afterwards if its template style has WS_VISIBLE. Null when the
// template is missing or a control cannot be created.
HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param);
HWND CreateDialogParamA(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc,
                        LPARAM param);
// A modal dialog: the owner's top-level window is disabled, the dialog shown, and messages are
// dispatched through IsDialogMessageA until EndDialog; the result EndDialog gave, IDCANCEL when
// no input can come any more, -1 when the dialog could not be created.
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param);
INT_PTR DialogBoxParamA(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc,
                        LPARAM param);
// Ends a dialog's modal loop with `result` once the current message is handled.
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Takes the dialog's keys: Tab and Shift+Tab move through the tab order, arrow keys through
// a group (an automatic radio button reached this way is clicked), Enter clicks the focused
// push button, else the default button (DM_GETDEFID), else sends IDOK; Escape sends IDCANCEL.
// A control keeps the keys its WM_GETDLGCODE asks for. Every other message for the dialog or
// its controls is dispatched. False for messages of other windows.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);

// The system font's base units: average character width in the low word, height in the high.
LONG GetDialogBaseUnits();
// Dialog units of this dialog's font to pixels.
BOOL MapDialogRect(HWND dialog, RECT* rect);

// The next (or previous) visible, enabled control with WS_TABSTOP after `control`, wrapping;
// from the start (or end) for a null control.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The next (or previous) visible, enabled control of `control`'s group, wrapping within it.
// A group runs from a control with WS_GROUP to the next one.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL SetDlgItemTextA(HWND dialog, int id, const char* text);
UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
// Reads the control's text as a decimal number: leading blanks, a sign only when signed, then
// digits and nothing else. Empty, non-digit or overflowing text gives 0 and *translated FALSE.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks `check` and unchecks every other button with an id from `first` to `last`.
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);

#endif
