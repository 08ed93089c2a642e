#pragma once

#include "CWnd.h"

#include <string>

// What list boxes and drop-down lists share: their items, the selection and the searches,
// each through the control's own message (`Codes`, e.g. LB_ADDSTRING or CB_ADDSTRING).
template <class Codes> class CItemsCtrl : public CWnd {
public:
    int AddString(const char* text) { return Int(Codes::add, 0, Text(text)); }
    int InsertString(int index, const char* text) {
        return Int(Codes::insert, Index(index), Text(text));
    }
    int DeleteString(UINT index) { return Int(Codes::remove, index); }
    void ResetContent() { Int(Codes::reset); }
    int GetCount() const { return Int(Codes::count); }
    int GetCurSel() const { return Int(Codes::getSelection); }
    int SetCurSel(int index) { return Int(Codes::setSelection, Index(index)); }
    int FindString(int start, const char* text) const {
        return Int(Codes::find, Index(start), Text(text));
    }
    int FindStringExact(int start, const char* text) const {
        return Int(Codes::findExact, Index(start), Text(text));
    }
    int SelectString(int start, const char* text) {
        return Int(Codes::selectString, Index(start), Text(text));
    }
    LPARAM GetItemData(int index) const {
        return ::SendMessageA(m_hWnd, Codes::getData, Index(index), 0);
    }
    int SetItemData(int index, LPARAM data) { return Int(Codes::setData, Index(index), data); }

protected:
    int ItemTextLength(int index) const { return Int(Codes::getTextLength, Index(index)); }
    // The error value for a bad index, `text` then unchanged.
    int ItemText(int index, std::string& text) const {
        int length = ItemTextLength(index);
        if (length < 0)
            return length;
        std::string buffer(static_cast<size_t>(length) + 1, '\0');
        Int(Codes::getText, Index(index), reinterpret_cast<LPARAM>(buffer.data()));
        text.assign(buffer.data(), static_cast<size_t>(length));
        return length;
    }
    static WPARAM Index(int index) {
        return static_cast<WPARAM>(static_cast<std::intptr_t>(index));
    }
    static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text); }
    int Int(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(::SendMessageA(m_hWnd, msg, wParam, lParam));
    }
};
