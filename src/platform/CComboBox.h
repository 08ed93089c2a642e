#pragma once

#include "CItemsCtrl.h"

struct ComboBoxCodes {
    static constexpr UINT add = CB_ADDSTRING, insert = CB_INSERTSTRING, remove = CB_DELETESTRING,
                          reset = CB_RESETCONTENT, count = CB_GETCOUNT, getSelection = CB_GETCURSEL,
                          setSelection = CB_SETCURSEL, getText = CB_GETLBTEXT,
                          getTextLength = CB_GETLBTEXTLEN, find = CB_FINDSTRING,
                          findExact = CB_FINDSTRINGEXACT, selectString = CB_SELECTSTRING,
                          getData = CB_GETITEMDATA, setData = CB_SETITEMDATA;
};

// A drop-down list.
class CComboBox : public CItemsCtrl<ComboBoxCodes> {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_COMBOBOX, "", style, rect, parent, id);
    }
    int GetLBTextLen(int index) const { return ItemTextLength(index); }
    int GetLBText(int index, std::string& text) const { return ItemText(index, text); }
    void ShowDropDown(BOOL show = TRUE) { Int(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
    BOOL GetDroppedState() const { return Int(CB_GETDROPPEDSTATE); }
};
