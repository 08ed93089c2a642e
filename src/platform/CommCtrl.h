#pragma once

// The common controls: the list view control and image lists, with the names, values and
// structures of their Win32 counterparts.
//
// The list view lays out its report view with fixed metrics, so that positions can be
// computed by its users and tests:
//   - the column header is 20 pixels high (none with LVS_NOCOLUMNHEADER);
//   - a row is 17 pixels high, or the small icons' height plus 1 when that is more;
//   - text is 6 pixels per character, 12 per double-byte character of the active code page;
//   - in the first column the small icon (when there is a small image list) comes first,
//     the label takes the rest of the column.
// Only the report view is laid out; the other views are laid out as the report view.

#ifdef _WIN32
#include "win32/Win32Api.h"
#else

#include "Win.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

inline constexpr const char WC_LISTVIEWA[] = "SysListView32";
inline constexpr const char* WC_LISTVIEW = WC_LISTVIEWA;

// List view styles, in the low word of the window style.
enum : DWORD {
    LVS_ICON = 0x0000,
    LVS_REPORT = 0x0001,
    LVS_SMALLICON = 0x0002,
    LVS_LIST = 0x0003,
    LVS_TYPEMASK = 0x0003,
    LVS_SINGLESEL = 0x0004,
    LVS_SHOWSELALWAYS = 0x0008,
    LVS_SORTASCENDING = 0x0010,
    LVS_SORTDESCENDING = 0x0020,
    LVS_SHAREIMAGELISTS = 0x0040,
    LVS_NOLABELWRAP = 0x0080,
    LVS_AUTOARRANGE = 0x0100,
    LVS_EDITLABELS = 0x0200,
    LVS_OWNERDRAWFIXED = 0x0400,
    LVS_OWNERDATA = 0x1000,
    LVS_NOSCROLL = 0x2000,
    LVS_NOCOLUMNHEADER = 0x4000,
    LVS_NOSORTHEADER = 0x8000,
};

// Extended list view styles.
enum : DWORD {
    LVS_EX_GRIDLINES = 0x0001,
    LVS_EX_SUBITEMIMAGES = 0x0002,
    LVS_EX_CHECKBOXES = 0x0004,
    LVS_EX_TRACKSELECT = 0x0008,
    LVS_EX_HEADERDRAGDROP = 0x0010,
    // Clicks anywhere in a row hit the item, not only in its first column.
    LVS_EX_FULLROWSELECT = 0x0020,
    LVS_EX_ONECLICKACTIVATE = 0x0040,
};

enum : UINT {
    LVM_FIRST = 0x1000,
    LVM_GETBKCOLOR = LVM_FIRST + 0,
    LVM_SETBKCOLOR = LVM_FIRST + 1,
    LVM_GETIMAGELIST = LVM_FIRST + 2,
    LVM_SETIMAGELIST = LVM_FIRST + 3,
    LVM_GETITEMCOUNT = LVM_FIRST + 4,
    LVM_GETITEMA = LVM_FIRST + 5,
    LVM_SETITEMA = LVM_FIRST + 6,
    LVM_INSERTITEMA = LVM_FIRST + 7,
    LVM_DELETEITEM = LVM_FIRST + 8,
    LVM_DELETEALLITEMS = LVM_FIRST + 9,
    LVM_GETCALLBACKMASK = LVM_FIRST + 10,
    LVM_SETCALLBACKMASK = LVM_FIRST + 11,
    LVM_GETNEXTITEM = LVM_FIRST + 12,
    LVM_FINDITEMA = LVM_FIRST + 13,
    LVM_GETITEMRECT = LVM_FIRST + 14,
    LVM_GETITEMPOSITION = LVM_FIRST + 16,
    LVM_GETSTRINGWIDTHA = LVM_FIRST + 17,
    LVM_HITTEST = LVM_FIRST + 18,
    LVM_ENSUREVISIBLE = LVM_FIRST + 19,
    LVM_SCROLL = LVM_FIRST + 20,
    LVM_REDRAWITEMS = LVM_FIRST + 21,
    LVM_GETCOLUMNA = LVM_FIRST + 25,
    LVM_SETCOLUMNA = LVM_FIRST + 26,
    LVM_INSERTCOLUMNA = LVM_FIRST + 27,
    LVM_DELETECOLUMN = LVM_FIRST + 28,
    LVM_GETCOLUMNWIDTH = LVM_FIRST + 29,
    LVM_SETCOLUMNWIDTH = LVM_FIRST + 30,
    LVM_CREATEDRAGIMAGE = LVM_FIRST + 33,
    LVM_GETTOPINDEX = LVM_FIRST + 39,
    LVM_GETCOUNTPERPAGE = LVM_FIRST + 40,
    LVM_GETORIGIN = LVM_FIRST + 41,
    LVM_UPDATE = LVM_FIRST + 42,
    LVM_SETITEMSTATE = LVM_FIRST + 43,
    LVM_GETITEMSTATE = LVM_FIRST + 44,
    LVM_GETITEMTEXTA = LVM_FIRST + 45,
    LVM_SETITEMTEXTA = LVM_FIRST + 46,
    LVM_SETITEMCOUNT = LVM_FIRST + 47,
    LVM_GETSELECTEDCOUNT = LVM_FIRST + 50,
    LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54,
    LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55,
    LVM_GETSUBITEMRECT = LVM_FIRST + 56,
    LVM_GETSELECTIONMARK = LVM_FIRST + 66,
    LVM_SETSELECTIONMARK = LVM_FIRST + 67,

    LVM_GETITEM = LVM_GETITEMA,
    LVM_SETITEM = LVM_SETITEMA,
    LVM_INSERTITEM = LVM_INSERTITEMA,
    LVM_FINDITEM = LVM_FINDITEMA,
    LVM_GETSTRINGWIDTH = LVM_GETSTRINGWIDTHA,
    LVM_GETCOLUMN = LVM_GETCOLUMNA,
    LVM_SETCOLUMN = LVM_SETCOLUMNA,
    LVM_INSERTCOLUMN = LVM_INSERTCOLUMNA,
    LVM_GETITEMTEXT = LVM_GETITEMTEXTA,
    LVM_SETITEMTEXT = LVM_SETITEMTEXTA,
};

// Notification codes, sent in WM_NOTIFY. They count down from their range's start.
enum : UINT {
    NM_FIRST = 0u,
    NM_CLICK = NM_FIRST - 2,
    NM_DBLCLK = NM_FIRST - 3,
    NM_RCLICK = NM_FIRST - 5,
    LVN_FIRST = 0u - 100u,
    LVN_ITEMCHANGING = LVN_FIRST - 0,
    LVN_ITEMCHANGED = LVN_FIRST - 1,
    LVN_INSERTITEM = LVN_FIRST - 2,
    LVN_DELETEITEM = LVN_FIRST - 3,
    LVN_DELETEALLITEMS = LVN_FIRST - 4,
    LVN_COLUMNCLICK = LVN_FIRST - 8,
    LVN_BEGINDRAG = LVN_FIRST - 9,
    LVN_BEGINRDRAG = LVN_FIRST - 11,
    LVN_ODSTATECHANGED = LVN_FIRST - 15,
    LVN_GETDISPINFOA = LVN_FIRST - 50,
    LVN_GETDISPINFO = LVN_GETDISPINFOA,
    LVN_ODFINDITEMA = LVN_FIRST - 52,
    LVN_ODFINDITEMW = LVN_FIRST - 79,
    LVN_ODFINDITEM = LVN_ODFINDITEMA,
};

// LVM_SETITEMCOUNT flags of an owner-data list.
enum : LPARAM {
    LVSICF_NOINVALIDATEALL = 0x0001,
    LVSICF_NOSCROLL = 0x0002,
};

// LVITEMA::mask
enum : UINT {
    LVIF_TEXT = 0x0001,
    LVIF_IMAGE = 0x0002,
    LVIF_PARAM = 0x0004,
    LVIF_STATE = 0x0008,
    LVIF_INDENT = 0x0010,
};

// Item states.
enum : UINT {
    LVIS_FOCUSED = 0x0001,
    LVIS_SELECTED = 0x0002,
    LVIS_CUT = 0x0004,
    LVIS_DROPHILITED = 0x0008,
    LVIS_OVERLAYMASK = 0x0F00,
    LVIS_STATEIMAGEMASK = 0xF000,
};

// LVM_GETNEXTITEM: a direction and the states the item must all have.
enum : UINT {
    LVNI_ALL = 0x0000,
    LVNI_FOCUSED = 0x0001,
    LVNI_SELECTED = 0x0002,
    LVNI_CUT = 0x0004,
    LVNI_DROPHILITED = 0x0008,
    LVNI_ABOVE = 0x0100,
    LVNI_BELOW = 0x0200,
    LVNI_TOLEFT = 0x0400,
    LVNI_TORIGHT = 0x0800,
};

// LVCOLUMNA::mask and ::fmt
enum : UINT {
    LVCF_FMT = 0x0001,
    LVCF_WIDTH = 0x0002,
    LVCF_TEXT = 0x0004,
    LVCF_SUBITEM = 0x0008,
    LVCF_IMAGE = 0x0010,
    LVCF_ORDER = 0x0020,
};
enum : int {
    LVCFMT_LEFT = 0x0000,
    LVCFMT_RIGHT = 0x0001,
    LVCFMT_CENTER = 0x0002,
    LVCFMT_JUSTIFYMASK = 0x0003,
};
// LVM_SETCOLUMNWIDTH: fit the cells, or the cells and the header.
enum : int { LVSCW_AUTOSIZE = -1, LVSCW_AUTOSIZE_USEHEADER = -2 };

// LVM_SETIMAGELIST, LVM_GETIMAGELIST
enum : int { LVSIL_NORMAL = 0, LVSIL_SMALL = 1, LVSIL_STATE = 2 };

// LVHITTESTINFO::flags. LVHT_ABOVE shares its value with LVHT_ONITEMSTATEICON.
enum : UINT {
    LVHT_NOWHERE = 0x0001,
    LVHT_ONITEMICON = 0x0002,
    LVHT_ONITEMLABEL = 0x0004,
    LVHT_ONITEMSTATEICON = 0x0008,
    LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON,
    LVHT_ABOVE = 0x0008,
    LVHT_BELOW = 0x0010,
    LVHT_TORIGHT = 0x0020,
    LVHT_TOLEFT = 0x0040,
};

// LVM_GETITEMRECT: which part, passed in RECT::left.
enum : int { LVIR_BOUNDS = 0, LVIR_ICON = 1, LVIR_LABEL = 2, LVIR_SELECTBOUNDS = 3 };

// LVFINDINFOA::flags
enum : UINT {
    LVFI_PARAM = 0x0001,
    LVFI_STRING = 0x0002,
    LVFI_PARTIAL = 0x0008,
    LVFI_WRAP = 0x0020
};

enum : int { I_IMAGENONE = -2 };

struct NMHDR {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    UINT code = 0;
};

struct LVITEMA {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = 0;
    LPARAM lParam = 0;
    int iIndent = 0;
};
using LVITEM = LVITEMA;

struct LVCOLUMNA {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iSubItem = 0;
    int iImage = 0;
    int iOrder = 0;
};
using LVCOLUMN = LVCOLUMNA;

struct LVHITTESTINFO {
    POINT pt;
    UINT flags = 0;
    int iItem = 0;
    int iSubItem = 0;
};

struct LVFINDINFOA {
    UINT flags = 0;
    const char* psz = nullptr;
    LPARAM lParam = 0;
    POINT pt;
    UINT vkDirection = 0;
};
using LVFINDINFO = LVFINDINFOA;

// The notice of LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_INSERTITEM, LVN_DELETEITEM,
// LVN_DELETEALLITEMS, LVN_BEGINDRAG and LVN_BEGINRDRAG.
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};
using NM_LISTVIEW = NMLISTVIEW;

// LVN_ODSTATECHANGED: the states of the items iFrom to iTo of an owner-data list changed at
// once (a range selected with Shift).
struct NMLVODSTATECHANGE {
    NMHDR hdr;
    int iFrom = 0;
    int iTo = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
};

// LVN_GETDISPINFO: an owner-data list asks its parent for what `item.mask` names of item
// `item.iItem`. A text goes into item.pszText (at most item.cchTextMax bytes with the
// terminator), or the parent points pszText at a text of its own.
struct NMLVDISPINFOA {
    NMHDR hdr;
    LVITEMA item;
};
using NMLVDISPINFO = NMLVDISPINFOA;

// Up-down controls. The position runs from the lower to the upper end of the range; the up
// arrow moves towards the upper end, which may be the smaller number. The default range is
// 100 (lower) to 0 (upper).
enum : UINT {
    UDM_SETRANGE = WM_USER + 101,
    UDM_GETRANGE = WM_USER + 102,
    UDM_SETPOS = WM_USER + 103,
    UDM_GETPOS = WM_USER + 104,
    UDM_SETBUDDY = WM_USER + 105,
    UDM_GETBUDDY = WM_USER + 106,
    UDM_SETBASE = WM_USER + 109,
    UDM_GETBASE = WM_USER + 110,
    UDM_SETRANGE32 = WM_USER + 111,
    UDM_GETRANGE32 = WM_USER + 112,
    UDM_SETPOS32 = WM_USER + 113,
    UDM_GETPOS32 = WM_USER + 114,
};
enum : int { UD_MAXVAL = 0x7FFF, UD_MINVAL = -UD_MAXVAL };
enum : UINT { UDN_FIRST = 0u - 721u, UDN_DELTAPOS = UDN_FIRST - 1 };

// UDN_DELTAPOS, sent before the position changes; a nonzero answer keeps it.
struct NMUPDOWN {
    NMHDR hdr;
    int iPos = 0;
    int iDelta = 0;
};

// Toolbars and status bars. The native window system's bar classes draw nothing and answer
// none of these messages; the framework's bars keep their state themselves and tell the
// control, which on Windows is the real one.
inline constexpr const char TOOLBARCLASSNAMEA[] = "ToolbarWindow32";
inline constexpr const char* TOOLBARCLASSNAME = TOOLBARCLASSNAMEA;
inline constexpr const char STATUSCLASSNAMEA[] = "msctls_statusbar32";
inline constexpr const char* STATUSCLASSNAME = STATUSCLASSNAMEA;

// Styles of the common controls' bars.
enum : DWORD {
    CCS_NORESIZE = 0x0004,
    CCS_NOPARENTALIGN = 0x0008,
    CCS_NODIVIDER = 0x0040,
    TBSTYLE_TOOLTIPS = 0x0100,
    TBSTYLE_FLAT = 0x0800,
};
enum : BYTE { TBSTYLE_BUTTON = 0x00, TBSTYLE_SEP = 0x01, TBSTYLE_CHECK = 0x02 };
// The state of a toolbar button.
enum : BYTE {
    TBSTATE_CHECKED = 0x01,
    TBSTATE_PRESSED = 0x02,
    TBSTATE_ENABLED = 0x04,
    TBSTATE_INDETERMINATE = 0x10,
};
enum : UINT {
    TB_SETSTATE = WM_USER + 17,
    TB_ADDBITMAP = WM_USER + 19,
    TB_ADDBUTTONSA = WM_USER + 20,
    TB_BUTTONSTRUCTSIZE = WM_USER + 30,
    TB_SETBUTTONINFOA = WM_USER + 66,
    SB_SETTEXTA = WM_USER + 1,
    SB_SETPARTS = WM_USER + 4,
};
enum : DWORD { TBIF_STYLE = 0x00000008, TBIF_BYINDEX = 0x80000000 };

struct TBBUTTON {
    int iBitmap = 0;
    int idCommand = 0;
    BYTE fsState = 0;
    BYTE fsStyle = 0;
    BYTE bReserved[2] = {};
    DWORD_PTR dwData = 0;
    INT_PTR iString = 0;
};

struct TBADDBITMAP {
    HINSTANCE hInst = nullptr;
    std::uintptr_t nID = 0;
};

struct TBBUTTONINFOA {
    UINT cbSize = sizeof(TBBUTTONINFOA);
    DWORD dwMask = 0;
    int idCommand = 0;
    int iImage = 0;
    BYTE fsState = 0;
    BYTE fsStyle = 0;
    WORD cx = 0;
    DWORD_PTR lParam = 0;
    char* pszText = nullptr;
    int cchText = 0;
};

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};
enum : DWORD { ICC_LISTVIEW_CLASSES = 0x0001, ICC_UPDOWN_CLASS = 0x0010 };

// Registers the common controls' window classes. The list view's and the up-down control's
// classes are registered from the start as well, so calling this is optional.
void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// Image list flags. Colour depth plays no part here; images are icons.
enum : UINT {
    ILC_MASK = 0x0001,
    ILC_COLOR = 0x0000,
    ILC_COLORDDB = 0x00FE,
    ILC_COLOR4 = 0x0004,
    ILC_COLOR8 = 0x0008,
    ILC_COLOR16 = 0x0010,
    ILC_COLOR24 = 0x0018,
    ILC_COLOR32 = 0x0020,
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Replaces image `index` with the icon, or appends it for index -1; the image's index or -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon) {
    return ImageList_ReplaceIcon(list, -1, icon);
}
// Removes image `index`, or every image for -1.
BOOL ImageList_Remove(HIMAGELIST list, int index);

// Dragging an image over windows. One drag at a time; positions are relative to the
// window given to ImageList_DragEnter.
BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int dxHotspot, int dyHotspot);
void ImageList_EndDrag();
BOOL ImageList_DragEnter(HWND lock, int x, int y);
BOOL ImageList_DragLeave(HWND lock);
BOOL ImageList_DragMove(int x, int y);
BOOL ImageList_DragShowNolock(BOOL show);
BOOL ImageList_SetDragCursorImage(HIMAGELIST drag, int index, int dxHotspot, int dyHotspot);
// The drag's own list of the image dragged, with its position and hot spot; null when no drag
// is in progress.
HIMAGELIST ImageList_GetDragImage(POINT* position, POINT* hotSpot);

#endif
