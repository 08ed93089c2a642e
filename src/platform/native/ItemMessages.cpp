#include "platform/native/ItemMessages.h"

#include "platform/WinDialog.h"

#include <cstring>

namespace native {

const ItemMessageCodes listBoxCodes = {
    LB_ADDSTRING,       LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
    LB_GETCURSEL,       LB_SETCURSEL,    LB_GETTEXT,      LB_GETTEXTLEN,   LB_FINDSTRING,
    LB_FINDSTRINGEXACT, LB_SELECTSTRING, LB_GETITEMDATA,  LB_SETITEMDATA,  LB_GETTOPINDEX,
    LB_SETTOPINDEX,     LB_ERR};

const ItemMessageCodes comboBoxCodes = {
    CB_ADDSTRING,       CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,
    CB_GETCURSEL,       CB_SETCURSEL,    CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_FINDSTRING,
    CB_FINDSTRINGEXACT, CB_SELECTSTRING, CB_GETITEMDATA,  CB_SETITEMDATA,  CB_GETTOPINDEX,
    CB_SETTOPINDEX,     CB_ERR};

namespace {

std::string TextParam(LPARAM lParam) {
    return lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
}

int IndexParam(WPARAM wParam) {
    return static_cast<int>(static_cast<std::intptr_t>(wParam));
}

} // namespace

std::optional<LRESULT> ItemMessage(ItemList& items, const ItemMessageCodes& codes, UINT msg,
                                   WPARAM wParam, LPARAM lParam, bool sorted, int rows) {
    auto orError = [&](int value) -> LRESULT { return value < 0 ? codes.error : value; };
    int index = IndexParam(wParam);
    if (msg == codes.add) {
        return orError(items.Add(TextParam(lParam), sorted));
    }
    if (msg == codes.insert) {
        return orError(items.Insert(index, TextParam(lParam)));
    }
    if (msg == codes.remove) {
        return orError(items.Delete(index));
    }
    if (msg == codes.reset) {
        items.Clear();
        return 0;
    }
    if (msg == codes.count) {
        return items.Count();
    }
    if (msg == codes.getSelection) {
        return orError(items.Selection());
    }
    if (msg == codes.setSelection) {
        // -1 clears the selection and still answers the error value, as on the platform.
        bool selected = items.Select(index);
        items.EnsureVisible(index, rows);
        return selected ? index : codes.error;
    }
    if (msg == codes.getText || msg == codes.getTextLength) {
        const ItemList::Item* item = items.At(index);
        if (item == nullptr) {
            return codes.error;
        }
        if (auto* buffer = reinterpret_cast<char*>(lParam);
            buffer != nullptr && msg == codes.getText) {
            std::memcpy(buffer, item->text.c_str(), item->text.size() + 1);
        }
        return static_cast<LRESULT>(item->text.size());
    }
    if (msg == codes.find || msg == codes.findExact) {
        return orError(items.Find(index, TextParam(lParam), msg == codes.findExact));
    }
    if (msg == codes.selectString) {
        int found = items.Find(index, TextParam(lParam), false);
        if (found >= 0) {
            items.Select(found);
            items.EnsureVisible(found, rows);
        }
        return orError(found);
    }
    if (msg == codes.getData || msg == codes.setData) {
        ItemList::Item* item = items.At(index);
        if (item == nullptr) {
            return codes.error;
        }
        if (msg == codes.setData) {
            item->data = lParam;
            return TRUE;
        }
        return item->data;
    }
    if (msg == codes.getTop) {
        return items.Top();
    }
    if (msg == codes.setTop) {
        if (!items.Valid(index)) {
            return codes.error;
        }
        items.SetTop(index);
        return 0;
    }
    return std::nullopt;
}

} // namespace native
