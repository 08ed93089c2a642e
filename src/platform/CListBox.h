#pragma once

#include "CItemsCtrl.h"

struct ListBoxCodes {
    static constexpr UINT add = LB_ADDSTRING, insert = LB_INSERTSTRING, remove = LB_DELETESTRING,
                          reset = LB_RESETCONTENT, count = LB_GETCOUNT, getSelection = LB_GETCURSEL,
                          setSelection = LB_SETCURSEL, getText = LB_GETTEXT,
                          getTextLength = LB_GETTEXTLEN, find = LB_FINDSTRING,
                          findExact = LB_FINDSTRINGEXACT, selectString = LB_SELECTSTRING,
                          getData = LB_GETITEMDATA, setData = LB_SETITEMDATA;
};

// A list box with at most one item selected.
class CListBox : public CItemsCtrl<ListBoxCodes> {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_LISTBOX, "", style, rect, parent, id);
    }
    int GetTextLen(int index) const { return ItemTextLength(index); }
    int GetText(int index, std::string& text) const { return ItemText(index, text); }
    int GetTopIndex() const { return Int(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return Int(LB_SETTOPINDEX, Index(index)); }
};
