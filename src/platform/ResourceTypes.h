#pragma once

// What a module's resources look like once loaded: menu, accelerator, dialog, toolbar and
// image templates in the shape of their Win32 resource formats. Texts are in the code page
// of the language they were loaded for. On Windows the constants are the real ones.

#include "WinTypes.h"

#include <string>
#include <vector>

#ifndef _WIN32

// Menu item flags as a menu template stores them.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MF_HELP = 0x4000;
inline constexpr UINT MFT_RIGHTJUSTIFY = 0x4000;

// Accelerator flags.
inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FNOINVERT = 0x02;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;

// Virtual-key codes; letters and digits are their upper-case ASCII codes.
inline constexpr WORD VK_BACK = 0x08;
inline constexpr WORD VK_TAB = 0x09;
inline constexpr WORD VK_RETURN = 0x0D;
inline constexpr WORD VK_ESCAPE = 0x1B;
inline constexpr WORD VK_SPACE = 0x20;
inline constexpr WORD VK_PRIOR = 0x21;
inline constexpr WORD VK_NEXT = 0x22;
inline constexpr WORD VK_END = 0x23;
inline constexpr WORD VK_HOME = 0x24;
inline constexpr WORD VK_LEFT = 0x25;
inline constexpr WORD VK_UP = 0x26;
inline constexpr WORD VK_RIGHT = 0x27;
inline constexpr WORD VK_DOWN = 0x28;
inline constexpr WORD VK_INSERT = 0x2D;
inline constexpr WORD VK_DELETE = 0x2E;
inline constexpr WORD VK_APPS = 0x5D;
inline constexpr WORD VK_F1 = 0x70;
inline constexpr WORD VK_F4 = 0x73;
inline constexpr WORD VK_F6 = 0x75;
inline constexpr WORD VK_F10 = 0x79;
inline constexpr WORD VK_F12 = 0x7B;

// Window styles of dialog controls beside those of WinTypes.h.
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_EX_CONTEXTHELP = 0x00000400;

// Dialog styles.
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_CONTEXTHELP = 0x2000;

// Control styles.
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_3STATE = 0x0005;
inline constexpr DWORD BS_AUTO3STATE = 0x0006;
inline constexpr DWORD BS_GROUPBOX = 0x0007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_TYPEMASK = 0x000F;

inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;

inline constexpr DWORD SS_LEFT = 0x0000;

inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_SORT = 0x0002;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;

inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_SORT = 0x0100;

inline constexpr DWORD UDS_WRAP = 0x0001;
inline constexpr DWORD UDS_SETBUDDYINT = 0x0002;
inline constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
inline constexpr DWORD UDS_ALIGNLEFT = 0x0008;
inline constexpr DWORD UDS_AUTOBUDDY = 0x0010;
inline constexpr DWORD UDS_ARROWKEYS = 0x0020;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

// Window classes of dialogs and their controls; names compare without regard to case.
inline constexpr const char* WC_DIALOG = "#32770";
inline constexpr const char* WC_BUTTON = "BUTTON";
inline constexpr const char* WC_EDIT = "EDIT";
inline constexpr const char* WC_STATIC = "STATIC";
inline constexpr const char* WC_LISTBOX = "LISTBOX";
inline constexpr const char* WC_COMBOBOX = "COMBOBOX";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";

struct ACCEL {
    BYTE fVirt = 0;
    WORD key = 0;
    WORD cmd = 0;
};

#endif

// One item of a menu: a command, a separator, or a popup with its own items.
struct MenuItemTemplate {
    UINT id = 0; // 0 for separators and popups
    std::string text;
    UINT flags = MF_STRING;
    std::vector<MenuItemTemplate> children;

    bool IsPopup() const { return (flags & MF_POPUP) != 0; }
    bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
};

// A menu bar or a menu of popups (for context menus, by position).
struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuItemTemplate> items;
};

struct AcceleratorTable {
    UINT id = 0;
    std::vector<ACCEL> entries;
};

// One control of a dialog; position and size in dialog units.
struct DialogItemTemplate {
    std::string className;
    UINT id = 0;
    std::string text;
    DWORD style = 0; // complete, WS_CHILD and WS_VISIBLE included
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD helpId = 0;
};

struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::string caption;
    std::string fontName;
    WORD pointSize = 0;
    std::vector<DialogItemTemplate> items; // in tab order
};

// The button layout of a toolbar; id 0 is a separator. Its bitmap, of the same id, holds one
// image per button that is not a separator, in button order.
struct ToolbarTemplate {
    UINT id = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    std::vector<UINT> buttons;
};

// An icon, or a bitmap that may be a strip of equally sized toolbar images. Pixels run row
// by row from the top; a masked pixel is transparent and its colour is transparentColor.
struct ImageResource {
    UINT id = 0;
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    std::vector<BYTE> mask; // 1 transparent, 0 opaque
    COLORREF transparentColor = 0;

    COLORREF Pixel(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool Transparent(int x, int y) const { return mask[static_cast<size_t>(y * width + x)] != 0; }
};
