#pragma once

#include "CWnd.h"

#include <string>

// A list box with at most one item selected.
class CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_LISTBOX, "", style, rect, parent, id);
    }
    int AddString(const char* text) { return Int(LB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, const char* text) {
        return Int(LB_INSERTSTRING, Index(index), Text(text));
    }
    int DeleteString(UINT index) { return Int(LB_DELETESTRING, index); }
    void ResetContent() { Int(LB_RESETCONTENT); }
    int GetCount() const { return Int(LB_GETCOUNT); }
    int GetCurSel() const { return Int(LB_GETCURSEL); }
    int SetCurSel(int index) { return Int(LB_SETCURSEL, Index(index)); }
    int GetTextLen(int index) const { return Int(LB_GETTEXTLEN, Index(index)); }
    // LB_ERR for a bad index, `text` then unchanged.
    int GetText(int index, std::string& text) const {
        int length = GetTextLen(index);
        if (length < 0)
            return length;
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        Int(LB_GETTEXT, Index(index), reinterpret_cast<LPARAM>(buffer.data()));
        text.assign(buffer.data(), static_cast<size_t>(length));
        return length;
    }
    int FindString(int start, const char* text) const {
        return Int(LB_FINDSTRING, Index(start), Text(text));
    }
    int FindStringExact(int start, const char* text) const {
        return Int(LB_FINDSTRINGEXACT, Index(start), Text(text));
    }
    int SelectString(int start, const char* text) {
        return Int(LB_SELECTSTRING, Index(start), Text(text));
    }
    LPARAM GetItemData(int index) const {
        return ::SendMessageA(m_hWnd, LB_GETITEMDATA, Index(index), 0);
    }
    int SetItemData(int index, LPARAM data) { return Int(LB_SETITEMDATA, Index(index), data); }
    int GetTopIndex() const { return Int(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return Int(LB_SETTOPINDEX, Index(index)); }

private:
    static WPARAM Index(int index) {
        return static_cast<WPARAM>(static_cast<std::intptr_t>(index));
    }
    static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text); }
    int Int(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(::SendMessageA(m_hWnd, msg, wParam, lParam));
    }
};
