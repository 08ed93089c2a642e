#pragma once

#include "platform/native/ItemList.h"

#include <optional>

namespace native {

// The message codes of one control kind for the item messages list boxes and combo boxes
// share (LB_ADDSTRING or CB_ADDSTRING, ...).
struct ItemMessageCodes {
    UINT add, insert, remove, reset, count, getSelection, setSelection, getText, getTextLength,
        find, findExact, selectString, getData, setData, getTop, setTop;
    LRESULT error;
};

extern const ItemMessageCodes listBoxCodes;
extern const ItemMessageCodes comboBoxCodes;

// Answers an item message; nothing for other messages. `rows` is how many items show at once.
std::optional<LRESULT> ItemMessage(ItemList& items, const ItemMessageCodes& codes, UINT msg,
                                   WPARAM wParam, LPARAM lParam, bool sorted, int rows);

} // namespace native
