#pragma once

// The list view fixture of the list view tests: a report list of two columns in a recording
// parent, which answers an owner-data list's questions and keeps the list's notices.
//
// Sizes are taken from the list itself (its header and rows are as tall as its font and
// icons make them), and the mouse is played into the queue as a person's is: the system's
// list runs a loop of its own on a press, which ends on the release it takes from the queue,
// so every press is queued together with its release before anything is dispatched.

#include "NativeTestSupport.h"

#include "platform/CommCtrl.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

// RECT lives in the global namespace, where comparisons must be found.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const RECT& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace list_view_test {

using namespace native_test;

constexpr int kId = 7;
constexpr UINT SEL = LVIS_SELECTED;
constexpr UINT FOC = LVIS_FOCUSED;

struct Notice {
    UINT code;
    int item;
    UINT oldState;
    UINT newState;
    UINT changed;
    LPARAM data;
    HWND from;
    std::uintptr_t id;
    WPARAM wParam;
};

using StateNotice = std::tuple<UINT, int, UINT, UINT>;

inline LPARAM At(int x, int y) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y)));
}

class ListViewTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        parent = TopLevel();
        reply = [this](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (msg != WM_NOTIFY) {
                return std::nullopt;
            }
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code == LVN_GETDISPINFOA) {
                LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
                Describe(header.hwndFrom, item);
                if ((item.mask & LVIF_STATE) != 0) {
                    item.state = parentStates[item.iItem] & item.stateMask;
                }
                return 0;
            }
            if (header.code == LVN_ODSTATECHANGED) {
                // A range: its first item, and its last one where `changed` stands.
                const auto& r = *reinterpret_cast<const NMLVODSTATECHANGE*>(lParam);
                notices.push_back({r.hdr.code, r.iFrom, r.uOldState, r.uNewState,
                                   static_cast<UINT>(r.iTo), 0, r.hdr.hwndFrom, r.hdr.idFrom,
                                   wParam});
                return 0;
            }
            // The notices of the list's items; the common controls' own (clicks, captures)
            // and the system's hints are not what these tests look at.
            static constexpr UINT kept[] = {LVN_ITEMCHANGING, LVN_ITEMCHANGED,    LVN_INSERTITEM,
                                            LVN_DELETEITEM,   LVN_DELETEALLITEMS, LVN_BEGINDRAG,
                                            LVN_BEGINRDRAG};
            if (std::find(std::begin(kept), std::end(kept), header.code) == std::end(kept)) {
                return std::nullopt;
            }
            const auto& n = *reinterpret_cast<const NMLISTVIEW*>(lParam);
            notices.push_back({n.hdr.code, n.iItem, n.uOldState, n.uNewState, n.uChanged, n.lParam,
                               n.hdr.hwndFrom, n.hdr.idFrom, wParam});
            return answer ? answer(n) : 0;
        };
    }

    // Columns of 100 and 50 pixels and `count` items "Item i" with data 100 + i, in a list
    // `height` pixels high.
    void Create(int count, DWORD style = 0, int height = 300) {
        list = CreateWindowExA(0, WC_LISTVIEW, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, 0, 0,
                               300, height, parent, reinterpret_cast<HMENU>(kId), nullptr, nullptr);
        ASSERT_NE(list, nullptr);
        AddColumn(0, "Label", 100);
        AddColumn(1, "Position", 50);
        if ((style & LVS_OWNERDATA) != 0) {
            Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count));
        }
        for (int i = 0; (style & LVS_OWNERDATA) == 0 && i < count; ++i) {
            ASSERT_EQ(Insert(i), i);
        }
        notices.clear();
    }

    // The states the parent of an owner-data list keeps, by item.
    std::map<int, UINT> parentStates;

    // What the parent tells: for an owner-data list "Item i" or "Item i.k", data 100 + i;
    // for a list of items, whose texts are its own, an empty text.
    static void Describe(HWND from, LVITEMA& item) {
        bool ownerData = (GetWindowLongPtrA(from, GWL_STYLE) & LVS_OWNERDATA) != 0;
        std::string text;
        if (ownerData) {
            text = "Item " + std::to_string(item.iItem);
            if (item.iSubItem != 0) {
                text += "." + std::to_string(item.iSubItem);
            }
        }
        if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
            text.resize(std::min<size_t>(text.size(), static_cast<size_t>(item.cchTextMax - 1)));
            std::copy(text.c_str(), text.c_str() + text.size() + 1, item.pszText);
        }
        item.iImage = item.iItem % 3;
        item.lParam = 100 + item.iItem;
    }

    int AddColumn(int index, const char* text, int width, int fmt = LVCFMT_LEFT) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<char*>(text);
        column.cx = width;
        column.fmt = fmt;
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), &column));
    }

    int Insert(int index) {
        std::string text = "Item " + std::to_string(index);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index;
        item.pszText = text.data();
        item.lParam = 100 + index;
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, &item));
    }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(list, msg, wParam, lParam);
    }
    template <typename T> LRESULT Send(UINT msg, WPARAM wParam, T* data) {
        return Send(msg, wParam, reinterpret_cast<LPARAM>(data));
    }

    HIMAGELIST SetSmallImages(int cx, int cy, UINT flags = ILC_MASK) {
        HIMAGELIST images = ImageList_Create(cx, cy, flags, 1, 1);
        Send(LVM_SETIMAGELIST, LVSIL_SMALL, images);
        return images;
    }

    BOOL SetState(int index, UINT state, UINT mask) {
        LVITEMA item{};
        item.state = state;
        item.stateMask = mask;
        return static_cast<BOOL>(Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), &item));
    }

    std::vector<int> Having(UINT state) {
        std::vector<int> found;
        for (int i = 0; i < Send(LVM_GETITEMCOUNT); ++i) {
            if (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(i), state) != 0) {
                found.push_back(i);
            }
        }
        return found;
    }

    int Focused() { return static_cast<int>(Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)); }
    int Top() { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
    int Page() { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }

    RECT ItemRect(int index, int code) {
        RECT rect{};
        rect.left = code;
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), &rect);
        return rect;
    }

    // How tall a row is, and where the rows begin below the header: the row at the top.
    int RowHeight() {
        RECT bounds = ItemRect(Top(), LVIR_BOUNDS);
        return bounds.bottom - bounds.top;
    }
    int HeaderHeight() { return static_cast<int>(ItemRect(Top(), LVIR_BOUNDS).top); }
    // Makes the list `rows` rows high and `extra` pixels more.
    void ResizeToRows(int rows, int extra = 0) {
        MoveWindow(list, 0, 0, 300, HeaderHeight() + rows * RowHeight() + extra, TRUE);
    }
    void ScrollRows(int rows) { Send(LVM_SCROLL, 0, rows * RowHeight()); }

    // A point on the label of an item, where a click lands on it; past the last item for -1.
    POINT PointOn(int index) {
        if (index < 0) {
            RECT last = ItemRect(static_cast<int>(Send(LVM_GETITEMCOUNT)) - 1, LVIR_LABEL);
            return POINT{last.left + 2, last.bottom + RowHeight()};
        }
        RECT label = ItemRect(index, LVIR_LABEL);
        return POINT{label.left + 2, (label.top + label.bottom) / 2};
    }

    // Mouse input queued as the user's and taken by the list.
    void Mouse(UINT message, WPARAM keys, POINT point) {
        native::PostMouseInput(list, message, keys, point);
    }
    // A double click is a click and a second press, as the system makes it.
    void Click(int index, WPARAM keys, bool right = false, bool twice = false) {
        POINT point = PointOn(index);
        UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
        UINT up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
        WPARAM button = right ? MK_RBUTTON : MK_LBUTTON;
        Mouse(down, keys | button, point);
        Mouse(up, keys, point);
        if (twice) {
            Mouse(right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK, keys | button, point);
            Mouse(up, keys, point);
        }
        Pump();
    }

    std::vector<StateNotice> StateNotices() {
        std::vector<StateNotice> found;
        for (const Notice& n : notices) {
            found.emplace_back(n.code, n.item, n.oldState, n.newState);
        }
        return found;
    }

    std::vector<UINT> Codes() {
        std::vector<UINT> codes;
        for (const Notice& n : notices) {
            codes.push_back(n.code);
        }
        return codes;
    }

    HWND parent = nullptr;
    HWND list = nullptr;
    std::vector<Notice> notices;
    std::function<LRESULT(const NMLISTVIEW&)> answer;
};

} // namespace list_view_test
