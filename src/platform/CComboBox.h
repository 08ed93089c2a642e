#pragma once

#include "CWnd.h"

#include <string>

// A drop-down list.
class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_COMBOBOX, "", style, rect, parent, id);
    }
    int AddString(const char* text) { return Int(CB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, const char* text) {
        return Int(CB_INSERTSTRING, Index(index), Text(text));
    }
    int DeleteString(UINT index) { return Int(CB_DELETESTRING, index); }
    void ResetContent() { Int(CB_RESETCONTENT); }
    int GetCount() const { return Int(CB_GETCOUNT); }
    int GetCurSel() const { return Int(CB_GETCURSEL); }
    int SetCurSel(int index) { return Int(CB_SETCURSEL, Index(index)); }
    int GetLBTextLen(int index) const { return Int(CB_GETLBTEXTLEN, Index(index)); }
    // CB_ERR for a bad index, `text` then unchanged.
    int GetLBText(int index, std::string& text) const {
        int length = GetLBTextLen(index);
        if (length < 0)
            return length;
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        Int(CB_GETLBTEXT, Index(index), reinterpret_cast<LPARAM>(buffer.data()));
        text.assign(buffer.data(), static_cast<size_t>(length));
        return length;
    }
    int FindString(int start, const char* text) const {
        return Int(CB_FINDSTRING, Index(start), Text(text));
    }
    int FindStringExact(int start, const char* text) const {
        return Int(CB_FINDSTRINGEXACT, Index(start), Text(text));
    }
    int SelectString(int start, const char* text) {
        return Int(CB_SELECTSTRING, Index(start), Text(text));
    }
    LPARAM GetItemData(int index) const {
        return ::SendMessageA(m_hWnd, CB_GETITEMDATA, Index(index), 0);
    }
    int SetItemData(int index, LPARAM data) { return Int(CB_SETITEMDATA, Index(index), data); }
    void ShowDropDown(BOOL show = TRUE) { Int(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return Int(CB_GETDROPPEDSTATE); }

private:
    static WPARAM Index(int index) {
        return static_cast<WPARAM>(static_cast<std::intptr_t>(index));
    }
    static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text); }
    int Int(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(::SendMessageA(m_hWnd, msg, wParam, lParam));
    }
};
