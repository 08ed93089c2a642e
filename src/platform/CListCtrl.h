#pragma once

#include "CWnd.h"
#include "CommCtrl.h"

#include <string>

// A list view control (WC_LISTVIEW). The object may also stand over a window served by
// another object, as CListView::GetListCtrl does; it then never destroys that window.
class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, const LVCOLUMNA* info);
    // A width of -1 fits the heading; a sub-item of -1 takes the column's index.
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    BOOL DeleteColumn(int column);
    BOOL GetColumn(int column, LVCOLUMNA* info) const;
    BOOL SetColumn(int column, const LVCOLUMNA* info);
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    int GetStringWidth(const char* text) const;

    int InsertItem(const LVITEMA* item);
    int InsertItem(int index, const char* text, int image = -1);
    BOOL SetItem(const LVITEMA* item);
    BOOL SetItem(int index, int subItem, UINT mask, const char* text, int image, UINT state,
                 UINT stateMask, LPARAM data);
    BOOL GetItem(LVITEMA* item) const;
    BOOL SetItemText(int index, int subItem, const char* text);
    std::string GetItemText(int index, int subItem) const;
    LPARAM GetItemData(int index) const;
    BOOL SetItemData(int index, LPARAM data);
    // Index -1 changes every item.
    BOOL SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const;
    int GetNextItem(int start, UINT flags) const;
    UINT GetSelectedCount() const;
    int GetItemCount() const;
    // An owner-data list: the number of items, which the parent describes on request.
    BOOL SetItemCountEx(int count, DWORD flags = LVSICF_NOINVALIDATEALL);
    // The item states the parent keeps and tells through LVN_GETDISPINFO.
    BOOL SetCallbackMask(UINT mask);
    UINT GetCallbackMask() const;
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int FindItem(const LVFINDINFOA* find, int start = -1) const;
    int GetSelectionMark() const;
    int SetSelectionMark(int index);

    int GetTopIndex() const;
    int GetCountPerPage() const;
    // Pixels; the report view scrolls whole rows.
    BOOL Scroll(SIZE size);
    BOOL EnsureVisible(int index, BOOL partialOk);
    BOOL GetItemRect(int index, RECT* rect, UINT code) const;
    BOOL GetSubItemRect(int index, int subItem, int code, RECT& rect) const;
    BOOL GetItemPosition(int index, POINT* point) const;
    BOOL GetOrigin(POINT* point) const;
    int HitTest(LVHITTESTINFO* info) const;
    int HitTest(POINT point, UINT* flags = nullptr) const;
    BOOL RedrawItems(int first, int last);

    HIMAGELIST SetImageList(HIMAGELIST list, int which);
    HIMAGELIST GetImageList(int which) const;
    // An image of the item to drag, which the caller destroys; `upperLeft` receives where
    // the image lies in client co-ordinates.
    HIMAGELIST CreateDragImage(int index, POINT* upperLeft);
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;

private:
    // The system's owner-data list deselects every item by visiting each in turn (90 ms at
    // 100,000 items under Wine), but forgets the states of the items it loses when its count
    // falls: a large list's items go and come back, and the first item shown, the focused
    // item and the selection mark are put back.
    void DropSelectionWhole();
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
};
