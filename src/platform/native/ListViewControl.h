#pragma once

#include "platform/CommCtrl.h"
#include "platform/native/IndexSet.h"
#include "platform/native/ListViewColumns.h"
#include "platform/native/ListViewMouse.h"

#include <memory>
#include <string>
#include <vector>

namespace native {

// One list view control: its columns, items and their states, the scroll position of its
// report view, and the notices it sends its parent.
//
// Every change of an item's state, text, image or data goes out as LVN_ITEMCHANGING (a
// nonzero answer refuses the change) and LVN_ITEMCHANGED, synchronously and also for the
// changes the control makes itself; a change that changes nothing is asked about all the
// same and not told of. An owner-data list sends no LVN_ITEMCHANGING, so its parent undoes
// what it would have refused. At most one item has the focus state: the item that had it
// loses it between the two notices of the item focused. The parent may change the control
// while it handles a notice; an operation whose item moved or went meanwhile stops there.
//
// An owner-data list (LVS_OWNERDATA) holds only its count and the items' selected and focused
// states, which stay at their indexes: its parent sets the count with LVM_SETITEMCOUNT and
// describes an item when asked (LVN_GETDISPINFO). Any other state is the parent's: those the
// callback mask names are asked with LVIF_STATE, the others are never set; LVM_SETITEM is
// refused. A state change of every item (index -1) is one notice with item -1 there, told
// even when no item changes; a click deselects the others so, and a range selected with Shift
// is one LVN_ODSTATECHANGED.
class ListViewControl {
public:
    static constexpr int kHeaderHeight = 20;
    static constexpr int kRowHeight = 17;
    // Room left around the text of a column fitted to its contents.
    static constexpr int kAutoSizePadding = 12;
    // Where an item's icon (and after it its label) starts within its row; its sub-items
    // start at their columns' edges.
    static constexpr int kItemMargin = 2;

    explicit ListViewControl(HWND hwnd);

    HWND Handle() const { return hwnd_; }
    // False once the window is gone; a notice handler may destroy it.
    bool Alive() const;
    DWORD Style() const;
    DWORD ExtendedStyle() const { return extendedStyle_; }
    DWORD SetExtendedStyle(DWORD mask, DWORD style);

    // Takes the control's styles from the creation parameters, which the window's owner
    // may have changed while handling WM_CREATE.
    void OnCreate(const CREATESTRUCTA& create);
    // Destroys the image lists, unless the control shares them (LVS_SHAREIMAGELISTS).
    void ReleaseImageLists();

    // Sub-items travel with their columns; an item's label belongs to the item.
    int InsertColumn(int index, const LVCOLUMNA& column);
    bool DeleteColumn(int index);
    bool GetColumn(int index, LVCOLUMNA& column) const { return columns_.Get(index, column); }
    bool SetColumn(int index, const LVCOLUMNA& column);
    int ColumnCount() const { return columns_.Count(); }
    int ColumnWidth(int index) const { return columns_.Width(index); }
    // Also LVSCW_AUTOSIZE and LVSCW_AUTOSIZE_USEHEADER.
    bool SetColumnWidth(int index, int width);

    int ItemCount() const { return ownerData_ ? count_ : static_cast<int>(items_.size()); }
    // An owner-data list only.
    bool SetItemCount(int count);
    // Index of the new item, -1 when refused; an index past the end appends, and so does
    // every insertion into an owner-data list.
    int InsertItem(const LVITEMA& item);
    bool SetItem(const LVITEMA& item);
    bool GetItem(LVITEMA& item) const;
    bool SetItemText(int index, const LVITEMA& item);
    // Number of characters copied.
    int GetItemText(int index, LVITEMA& item) const;
    // The item loses its selection and focus (with their notices) before LVN_DELETEITEM; its
    // focus passes on to the item that takes its place (or the new last one) silently.
    bool DeleteItem(int index);
    bool DeleteAllItems();
    int FindItem(int start, const LVFINDINFOA& find) const;

    // The states the parent of an owner-data list keeps (selected and focused stay the list's).
    bool SetCallbackMask(UINT mask);
    UINT CallbackMask() const { return callbackMask_; }

    // Index -1 changes every item; false for focusing every item, or selecting every item of
    // a single-selection list.
    bool SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const;
    int GetNextItem(int start, UINT flags) const;
    int SelectedCount() const;
    int SelectionMark() const { return selectionMark_; }
    int SetSelectionMark(int index);

    HIMAGELIST SetImageList(int which, HIMAGELIST list);
    HIMAGELIST GetImageList(int which) const;

    int HeaderHeight() const;
    int RowHeight() const;
    int TopIndex() const { return ItemCount() == 0 ? 0 : topIndex_; }
    // Rows that fit wholly below the header.
    int CountPerPage() const;
    // Vertical scrolling moves whole rows: dy is rounded to the nearest multiple of the row
    // height, a half row rounding away from zero.
    bool Scroll(int dx, int dy);
    bool EnsureVisible(int index);
    // Keeps the last page full after the items or the size changed.
    void ClampScroll();
    // Client co-ordinates; `code` is one of LVIR_*.
    bool GetItemRect(int index, int code, RECT& rect) const;
    bool GetSubItemRect(int index, int subItem, int code, RECT& rect) const;
    bool GetItemPosition(int index, POINT& point) const;
    // The report view has no origin: (0, 0) and false.
    bool GetOrigin(POINT& point) const;
    int HitTest(LVHITTESTINFO& info) const;
    // A new image list holding an image of the item's icon and label; the caller destroys
    // it. `upperLeft` receives the image's position in client co-ordinates.
    HIMAGELIST CreateDragImage(int index, POINT* upperLeft);

    // Sends a notice to the parent and returns its answer.
    LRESULT Notify(UINT code, NMLISTVIEW& notice) const { return NotifyParent(code, notice.hdr); }
    bool OwnerData() const { return ownerData_; }
    // Owner data: selects the items `from` to `to` and tells the parent with one notice.
    void SelectSpan(int from, int to);

    ListViewMouse mouse;

private:
    struct Item {
        std::string text;
        // Sub-item k at k - 1.
        std::vector<std::string> subItems;
        int image = 0;
        LPARAM data = 0;
        UINT state = 0;
        int indent = 0;
    };
    // What one LVM_SETITEM, LVM_SETITEMTEXT or LVM_SETITEMSTATE asks of an item.
    struct Change {
        UINT mask = 0;
        std::string text;
        int image = 0;
        LPARAM data = 0;
        UINT state = 0;
        UINT stateMask = 0;
        int indent = 0;
    };

    // Null in an owner-data list, which holds no items.
    Item* ItemAt(int index) const;
    bool Exists(int index) const { return index >= 0 && index < ItemCount(); }
    // `hint` is where the item was last seen.
    int IndexOf(const Item* item, int hint) const;
    // Every change of an item's state goes through here, keeping the counts below.
    void SetState(Item& item, UINT state);
    // The states of `mask`; those of the parent only when `mask` names them.
    UINT StateAt(int index, UINT mask = ~0u) const;
    // The states the parent of an owner-data list is asked for.
    UINT ParentStates() const;
    void PutState(int index, UINT state);
    int FocusedIndex() const;
    bool ApplyChange(int index, Change change);
    bool SetEveryState(UINT state, UINT mask);
    LRESULT NotifyParent(UINT code, NMHDR& header) const;
    // What the parent of an owner-data list tells of an item; texts go into the caller's
    // buffer as for LVM_GETITEM, and LVIF_STATE asks for the states of the callback mask.
    void AskParent(LVITEMA& item) const;
    // Takes the focus from every item but `keep`.
    void DropFocusExcept(int keep);
    void DropSelectionExcept(int keep);
    std::string CellText(int index, int subItem) const;
    // Keeps the scroll position valid and repaints after any change of the layout.
    void Relayout();
    void Redraw() const;
    int IconWidth() const;
    RECT RowBounds(int index) const;
    RECT IconRect(int index) const;
    RECT LabelRect(int index) const;
    int FittedWidth(int column, bool withHeader) const;

    HWND hwnd_;
    ListViewColumns columns_;
    std::vector<std::unique_ptr<Item>> items_;
    HIMAGELIST imageLists_[3] = {nullptr, nullptr, nullptr};
    DWORD extendedStyle_ = 0;
    int topIndex_ = 0;
    int scrollX_ = 0;
    int selectionMark_ = -1;
    // Items with the selected state, and the item with the focus, kept with every change of
    // a state; the hint is where the focused item was last found.
    int selectedCount_ = 0;
    const Item* focused_ = nullptr;
    mutable int focusedHint_ = 0;

    bool ownerData_ = false;
    int count_ = 0;
    IndexSet selected_;
    int focusedIndex_ = -1;
    UINT callbackMask_ = 0;
};

} // namespace native
