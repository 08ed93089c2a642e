#include "platform/native/ListViewControl.h"

#include "platform/native/WindowManager.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace native {

namespace {

constexpr UINT kItemStates = 0xFFFF;
// The only states an owner-data list keeps itself.
constexpr UINT kListStates = LVIS_SELECTED | LVIS_FOCUSED;

// Copies into a caller's buffer of `size` bytes, always terminated; the length copied.
int CopyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) {
        return 0;
    }
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

std::string TextOf(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

bool SameIgnoringCase(const std::string& text, const char* wanted, bool prefix) {
    std::size_t length = std::strlen(wanted);
    if (prefix ? text.size() < length : text.size() != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(wanted[i]))) {
            return false;
        }
    }
    return true;
}

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

} // namespace

ListViewControl::ListViewControl(HWND hwnd) : hwnd_(hwnd) {}

bool ListViewControl::Alive() const {
    return IsWindow(hwnd_) != FALSE;
}

DWORD ListViewControl::Style() const {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
}

DWORD ListViewControl::SetExtendedStyle(DWORD mask, DWORD style) {
    DWORD previous = extendedStyle_;
    if (mask == 0) {
        mask = ~DWORD{0};
    }
    extendedStyle_ = (extendedStyle_ & ~mask) | (style & mask);
    Redraw();
    return previous;
}

void ListViewControl::OnCreate(const CREATESTRUCTA& create) {
    DWORD style = Style();
    style = (style & 0xFFFF0000u) | (static_cast<DWORD>(create.style) & 0xFFFFu);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<std::intptr_t>(style));
    ownerData_ = (style & LVS_OWNERDATA) != 0;
}

void ListViewControl::ReleaseImageLists() {
    bool shared = (Style() & LVS_SHAREIMAGELISTS) != 0;
    for (HIMAGELIST& list : imageLists_) {
        if (!shared && list != nullptr) {
            ImageList_Destroy(list);
        }
        list = nullptr;
    }
}

int ListViewControl::InsertColumn(int index, const LVCOLUMNA& column) {
    index = columns_.Insert(index, column);
    if (index > 0) {
        for (auto& item : items_) {
            if (static_cast<int>(item->subItems.size()) >= index) {
                item->subItems.insert(item->subItems.begin() + (index - 1), std::string());
            }
        }
    }
    Relayout();
    return index;
}

bool ListViewControl::DeleteColumn(int index) {
    if (!columns_.Delete(index)) {
        return false;
    }
    if (index > 0) {
        for (auto& item : items_) {
            if (static_cast<int>(item->subItems.size()) >= index) {
                item->subItems.erase(item->subItems.begin() + (index - 1));
            }
        }
    }
    Relayout();
    return true;
}

bool ListViewControl::SetColumn(int index, const LVCOLUMNA& column) {
    if (!columns_.Set(index, column)) {
        return false;
    }
    Relayout();
    return true;
}

bool ListViewControl::SetColumnWidth(int index, int width) {
    if (index < 0 || index >= ColumnCount() || width < LVSCW_AUTOSIZE_USEHEADER) {
        return false;
    }
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        width = FittedWidth(index, width == LVSCW_AUTOSIZE_USEHEADER);
    }
    columns_.SetWidth(index, width);
    Relayout();
    return true;
}

int ListViewControl::FittedWidth(int column, bool withHeader) const {
    int widest = withHeader ? ListViewColumns::StringWidth(columns_.Heading(column).c_str()) : 0;
    for (int i = 0; i < ItemCount(); ++i) {
        widest = std::max(widest, ListViewColumns::StringWidth(CellText(i, column).c_str()));
    }
    return widest + kAutoSizePadding + (column == 0 ? IconWidth() : 0);
}

ListViewControl::Item* ListViewControl::ItemAt(int index) const {
    if (ownerData_ || index < 0 || index >= ItemCount()) {
        return nullptr;
    }
    return items_[static_cast<std::size_t>(index)].get();
}

int ListViewControl::IndexOf(const Item* item, int hint) const {
    // An insertion or deletion next to the item moves it by one.
    for (int near : {hint, hint + 1, hint - 1}) {
        if (ItemAt(near) == item) {
            return near;
        }
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ListViewControl::SetState(Item& item, UINT state) {
    selectedCount_ += ((state & LVIS_SELECTED) != 0) - ((item.state & LVIS_SELECTED) != 0);
    if ((state & LVIS_FOCUSED) != 0) {
        focused_ = &item;
    } else if (focused_ == &item) {
        focused_ = nullptr;
    }
    item.state = state;
}

UINT ListViewControl::StateAt(int index, UINT mask) const {
    if (!ownerData_) {
        const Item* item = ItemAt(index);
        return item != nullptr ? item->state & mask : 0;
    }
    if (!Exists(index)) {
        return 0;
    }
    UINT state = 0;
    if ((mask & ParentStates()) != 0) {
        LVITEMA asked;
        asked.mask = LVIF_STATE;
        asked.iItem = index;
        AskParent(asked);
        state = asked.state;
    }
    if (selected_.Test(index)) {
        state |= LVIS_SELECTED;
    }
    if (focusedIndex_ == index) {
        state |= LVIS_FOCUSED;
    }
    return state & mask;
}

UINT ListViewControl::ParentStates() const {
    return ownerData_ ? callbackMask_ & kItemStates & ~kListStates : 0;
}

bool ListViewControl::SetCallbackMask(UINT mask) {
    callbackMask_ = mask;
    Redraw();
    return true;
}

void ListViewControl::PutState(int index, UINT state) {
    if (!ownerData_) {
        SetState(*ItemAt(index), state);
        return;
    }
    selected_.Set(index, (state & LVIS_SELECTED) != 0);
    if ((state & LVIS_FOCUSED) != 0) {
        focusedIndex_ = index;
    } else if (focusedIndex_ == index) {
        focusedIndex_ = -1;
    }
}

int ListViewControl::FocusedIndex() const {
    if (ownerData_) {
        return focusedIndex_;
    }
    if (focused_ == nullptr) {
        return -1;
    }
    focusedHint_ = IndexOf(focused_, focusedHint_);
    return focusedHint_;
}

std::string ListViewControl::CellText(int index, int subItem) const {
    const Item* item = ItemAt(index);
    if (item == nullptr) {
        char text[4096] = "";
        LVITEMA asked;
        asked.mask = LVIF_TEXT;
        asked.iItem = index;
        asked.iSubItem = subItem;
        asked.pszText = text;
        asked.cchTextMax = sizeof text;
        AskParent(asked);
        return text;
    }
    if (subItem == 0) {
        return item->text;
    }
    std::size_t at = static_cast<std::size_t>(subItem - 1);
    return at < item->subItems.size() ? item->subItems[at] : std::string();
}

void ListViewControl::AskParent(LVITEMA& item) const {
    if (!ownerData_ || !Exists(item.iItem)) {
        return;
    }
    NMLVDISPINFOA info;
    info.item = item;
    info.item.mask &= LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT;
    if ((info.item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        item.pszText[0] = '\0';
    }
    bool states = (item.mask & LVIF_STATE) != 0 && ParentStates() != 0 && item.iSubItem == 0;
    if (states) {
        info.item.mask |= LVIF_STATE;
        info.item.stateMask = ParentStates();
    }
    info.item.state = 0;
    NotifyParent(LVN_GETDISPINFOA, info.hdr);
    item.state = states ? info.item.state & ParentStates() : 0;
    if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != item.pszText) {
        CopyOut(TextOf(info.item.pszText), item.pszText, item.cchTextMax);
    }
    if ((info.item.mask & LVIF_IMAGE) != 0) {
        item.iImage = info.item.iImage;
    }
    if ((info.item.mask & LVIF_PARAM) != 0) {
        item.lParam = info.item.lParam;
    }
    if ((info.item.mask & LVIF_INDENT) != 0) {
        item.iIndent = info.item.iIndent;
    }
}

int ListViewControl::InsertItem(const LVITEMA& item) {
    if (item.iItem < 0 || item.iSubItem != 0) {
        return -1;
    }
    // An owner-data list counts one item more, at its end.
    if (ownerData_) {
        SetItemCount(count_ + 1);
        return count_ - 1;
    }
    int index = std::min(item.iItem, ItemCount());
    auto added = std::make_unique<Item>();
    if ((item.mask & LVIF_TEXT) != 0) {
        added->text = TextOf(item.pszText);
    }
    if ((item.mask & LVIF_IMAGE) != 0) {
        added->image = item.iImage;
    }
    if ((item.mask & LVIF_PARAM) != 0) {
        added->data = item.lParam;
    }
    if ((item.mask & LVIF_INDENT) != 0) {
        added->indent = item.iIndent;
    }
    UINT state = (item.mask & LVIF_STATE) != 0 ? item.state & item.stateMask & kItemStates : 0;
    if ((state & LVIS_FOCUSED) != 0) {
        DropFocusExcept(-1);
    }
    if ((state & LVIS_SELECTED) != 0 && (Style() & LVS_SINGLESEL) != 0) {
        DropSelectionExcept(-1);
    }
    if (!Alive()) {
        return -1;
    }
    index = std::min(index, ItemCount());
    LPARAM data = added->data;
    SetState(*added, state);
    items_.insert(items_.begin() + index, std::move(added));
    if ((state & LVIS_FOCUSED) != 0) {
        focusedHint_ = index;
    }
    if (selectionMark_ >= index) {
        ++selectionMark_;
    }
    Relayout();
    NMLISTVIEW notice;
    notice.iItem = index;
    notice.lParam = data;
    Notify(LVN_INSERTITEM, notice);
    return index;
}

bool ListViewControl::SetItem(const LVITEMA& item) {
    // An owner-data list takes its states through LVM_SETITEMSTATE only.
    if (ownerData_ || !Exists(item.iItem)) {
        return false;
    }
    if (item.iSubItem != 0) {
        if ((item.mask & LVIF_TEXT) == 0) {
            return true;
        }
        LVITEMA text = item;
        return SetItemText(item.iItem, text);
    }
    Change change;
    change.mask = item.mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT);
    change.text = (item.mask & LVIF_TEXT) != 0 ? TextOf(item.pszText) : std::string();
    change.image = item.iImage;
    change.data = item.lParam;
    change.state = item.state;
    change.stateMask = item.stateMask;
    change.indent = item.iIndent;
    return ApplyChange(item.iItem, change);
}

bool ListViewControl::GetItem(LVITEMA& item) const {
    if (!Exists(item.iItem) || item.iSubItem < 0 || item.iSubItem >= std::max(ColumnCount(), 1)) {
        return false;
    }
    const Item* found = ItemAt(item.iItem);
    if (found == nullptr) {
        LVITEMA asked = item;
        asked.mask &= item.iSubItem != 0 ? LVIF_TEXT : ~0u;
        AskParent(asked);
        if ((asked.mask & LVIF_STATE) != 0) {
            asked.state = (asked.state | StateAt(item.iItem, kListStates)) & item.stateMask;
        }
        item = asked;
        return true;
    }
    if ((item.mask & LVIF_TEXT) != 0) {
        CopyOut(CellText(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
    }
    if (item.iSubItem != 0) {
        return true;
    }
    if ((item.mask & LVIF_IMAGE) != 0) {
        item.iImage = found->image;
    }
    if ((item.mask & LVIF_PARAM) != 0) {
        item.lParam = found->data;
    }
    if ((item.mask & LVIF_STATE) != 0) {
        item.state = found->state & item.stateMask;
    }
    if ((item.mask & LVIF_INDENT) != 0) {
        item.iIndent = found->indent;
    }
    return true;
}

bool ListViewControl::SetItemText(int index, const LVITEMA& item) {
    Item* found = ItemAt(index);
    if (found == nullptr || item.iSubItem < 0) {
        return false; // an owner-data list holds no texts
    }
    if (item.iSubItem == 0) {
        Change change;
        change.mask = LVIF_TEXT;
        change.text = TextOf(item.pszText);
        return ApplyChange(index, change);
    }
    // A sub-item needs its column.
    if (item.iSubItem >= ColumnCount()) {
        return false;
    }
    std::size_t at = static_cast<std::size_t>(item.iSubItem - 1);
    if (found->subItems.size() <= at) {
        found->subItems.resize(at + 1);
    }
    found->subItems[at] = TextOf(item.pszText);
    Redraw();
    return true;
}

int ListViewControl::GetItemText(int index, LVITEMA& item) const {
    if (!Exists(index) || item.iSubItem < 0) {
        CopyOut(std::string(), item.pszText, item.cchTextMax);
        return 0;
    }
    if (ownerData_) {
        LVITEMA asked = item;
        asked.mask = LVIF_TEXT;
        asked.iItem = index;
        AskParent(asked);
        return item.pszText != nullptr && item.cchTextMax > 0
                   ? static_cast<int>(std::strlen(item.pszText))
                   : 0;
    }
    return CopyOut(CellText(index, item.iSubItem), item.pszText, item.cchTextMax);
}

bool ListViewControl::ApplyChange(int index, Change change) {
    if (!Exists(index)) {
        return false;
    }
    // An owner-data list keeps states only.
    Item* item = ItemAt(index);
    if (item == nullptr) {
        change.mask &= LVIF_STATE;
    }
    // An owner-data list keeps no states but these; the parent holds the others.
    UINT held = item != nullptr ? kItemStates : kListStates;
    UINT stateMask = (change.mask & LVIF_STATE) != 0 ? change.stateMask & held : 0;
    auto moved = [&] { return !Alive() || ItemAt(index) != item || !Exists(index); };
    if (item != nullptr && (change.mask & LVIF_INDENT) != 0) {
        item->indent = change.indent;
    }

    UINT oldState = StateAt(index, held);
    UINT newState = (oldState & ~stateMask) | (change.state & stateMask);
    UINT changed = 0;
    if (item != nullptr) {
        if ((change.mask & LVIF_TEXT) != 0 && item->text != change.text) {
            changed |= LVIF_TEXT;
        }
        if ((change.mask & LVIF_IMAGE) != 0 && item->image != change.image) {
            changed |= LVIF_IMAGE;
        }
        if ((change.mask & LVIF_PARAM) != 0 && item->data != change.data) {
            changed |= LVIF_PARAM;
        }
    }
    if (newState != oldState) {
        changed |= LVIF_STATE;
    }

    // The parent of an item list is asked before every change it is given, one that changes
    // nothing too (then naming the fields given, and told nothing after).
    NMLISTVIEW notice;
    notice.iItem = index;
    notice.uChanged =
        changed != 0 ? changed : change.mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE);
    notice.uOldState = oldState;
    notice.uNewState = newState;
    notice.lParam = item != nullptr ? item->data : 0;
    if ((item != nullptr && Notify(LVN_ITEMCHANGING, notice) != 0) || moved()) {
        return false;
    }
    if (changed == 0) {
        return true;
    }
    // The items that lose the focus or the single selection to this one are told of it
    // between this item's two notices.
    if ((change.state & stateMask & LVIS_FOCUSED) != 0) {
        DropFocusExcept(index);
    }
    if ((change.state & stateMask & LVIS_SELECTED) != 0 && (Style() & LVS_SINGLESEL) != 0) {
        DropSelectionExcept(index);
    }
    if (moved()) {
        return false;
    }
    oldState = StateAt(index, held);
    if (item != nullptr) {
        if ((changed & LVIF_TEXT) != 0) {
            item->text = change.text;
        }
        if ((changed & LVIF_IMAGE) != 0) {
            item->image = change.image;
        }
        if ((changed & LVIF_PARAM) != 0) {
            item->data = change.data;
        }
    }
    PutState(index, (oldState & ~stateMask) | (change.state & stateMask));
    Redraw();

    notice.uOldState = oldState;
    notice.uNewState = StateAt(index, held);
    notice.lParam = item != nullptr ? item->data : 0;
    Notify(LVN_ITEMCHANGED, notice);
    return true;
}

void ListViewControl::DropFocusExcept(int keep) {
    // At most one item has the focus; a refused change leaves it there. A parent that keeps
    // moving the focus while it is taken cannot hold this up for longer than one pass.
    for (int tries = ItemCount(); tries > 0 && Alive(); --tries) {
        int focused = FocusedIndex();
        if (focused < 0 || focused == keep || !SetItemState(focused, 0, LVIS_FOCUSED)) {
            break;
        }
    }
}

void ListViewControl::DropSelectionExcept(int keep) {
    for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1 && Alive();
         i = GetNextItem(i, LVNI_SELECTED)) {
        if (i != keep) {
            SetItemState(i, 0, LVIS_SELECTED);
        }
    }
}

bool ListViewControl::DeleteItem(int index) {
    Item* item = ItemAt(index);
    if (item == nullptr) {
        return false; // an owner-data list changes its count instead
    }
    // The item gives up its selection and focus first: the parent told of its deletion finds
    // neither on it. The focus then passes to the item that takes its place, or to the new
    // last item, without notices.
    bool hadFocus = focused_ == item;
    SetItemState(index, 0, LVIS_SELECTED | LVIS_FOCUSED);
    index = Alive() ? IndexOf(item, index) : -1;
    if (index < 0) {
        return true;
    }
    NMLISTVIEW notice;
    notice.iItem = index;
    notice.lParam = item->data;
    Notify(LVN_DELETEITEM, notice);
    if (!Alive()) {
        return true;
    }
    index = IndexOf(item, index);
    if (index < 0) {
        return true;
    }
    SetState(*item, 0);
    items_.erase(items_.begin() + index);
    int last = ItemCount() - 1;
    if (hadFocus && focused_ == nullptr && last >= 0) {
        focusedHint_ = std::min(index, last);
        Item& heir = *items_[static_cast<std::size_t>(focusedHint_)];
        SetState(heir, heir.state | LVIS_FOCUSED);
    }
    // The mark stays at its place, within the items.
    if (selectionMark_ > index) {
        --selectionMark_;
    } else if (selectionMark_ > last) {
        selectionMark_ = last;
    }
    Relayout();
    return true;
}

bool ListViewControl::DeleteAllItems() {
    if (ownerData_) {
        return SetItemCount(0);
    }
    if (items_.empty()) {
        return true;
    }
    NMLISTVIEW all;
    all.iItem = -1;
    // A nonzero answer asks for no further notice per item.
    bool quiet = Notify(LVN_DELETEALLITEMS, all) != 0;
    for (int i = 0; !quiet && i < ItemCount() && Alive(); ++i) {
        NMLISTVIEW notice;
        notice.iItem = i;
        notice.lParam = ItemAt(i)->data;
        Notify(LVN_DELETEITEM, notice);
    }
    items_.clear();
    selectedCount_ = 0;
    focused_ = nullptr;
    topIndex_ = 0;
    selectionMark_ = -1;
    Redraw();
    return true;
}

int ListViewControl::FindItem(int start, const LVFINDINFOA& find) const {
    int count = ItemCount();
    int first = start < 0 ? 0 : start + 1;
    int span = (find.flags & LVFI_WRAP) != 0 ? count : count - first;
    for (int n = 0; n < span; ++n) {
        int i = (first + n) % std::max(count, 1);
        if ((find.flags & LVFI_PARAM) != 0) {
            LVITEMA item;
            item.mask = LVIF_PARAM;
            item.iItem = i;
            if (GetItem(item) && item.lParam == find.lParam) {
                return i;
            }
        } else if (find.psz != nullptr &&
                   SameIgnoringCase(CellText(i, 0), find.psz, (find.flags & LVFI_PARTIAL) != 0)) {
            return i;
        }
    }
    return -1;
}

bool ListViewControl::SetItemState(int index, UINT state, UINT mask) {
    Change change;
    change.mask = LVIF_STATE;
    change.state = state;
    change.stateMask = mask;
    if (index != -1) {
        return ApplyChange(index, change);
    }
    // One item at most has the focus, and a single-selection list selects one item at most.
    if ((state & mask & LVIS_FOCUSED) != 0 ||
        ((Style() & LVS_SINGLESEL) != 0 && (state & mask & LVIS_SELECTED) != 0)) {
        return false;
    }
    // Deselecting every item when none is selected asks nobody.
    if (state == 0 && mask == LVIS_SELECTED && SelectedCount() == 0) {
        return true;
    }
    if (ownerData_) {
        return SetEveryState(state, mask);
    }
    for (int i = 0; i < ItemCount() && Alive(); ++i) {
        ApplyChange(i, change);
    }
    return true;
}

bool ListViewControl::SetEveryState(UINT state, UINT mask) {
    // One notice of what was asked for, whether or not any item had it already.
    NMLISTVIEW notice;
    notice.iItem = -1;
    notice.uChanged = LVIF_STATE;
    notice.uNewState = state & mask;
    notice.uOldState = ~state & mask;
    if ((mask & LVIS_SELECTED) != 0) {
        (state & LVIS_SELECTED) != 0 ? selected_.Fill() : selected_.Clear();
    }
    if ((mask & LVIS_FOCUSED) != 0) {
        focusedIndex_ = -1;
    }
    Redraw();
    Notify(LVN_ITEMCHANGED, notice);
    return true;
}

void ListViewControl::SelectSpan(int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, ItemCount() - 1);
    if (!ownerData_ || from > to) {
        return;
    }
    for (int i = from; i <= to; ++i) {
        selected_.Set(i, true);
    }
    Redraw();
    NMLVODSTATECHANGE notice;
    notice.iFrom = from;
    notice.iTo = to;
    notice.uNewState = LVIS_SELECTED;
    notice.uOldState = 0;
    NotifyParent(LVN_ODSTATECHANGED, notice.hdr);
}

bool ListViewControl::SetItemCount(int count) {
    if (!ownerData_) {
        return true;
    }
    count_ = std::max(count, 0);
    selected_.Resize(count_);
    if (focusedIndex_ >= count_) {
        focusedIndex_ = -1;
    }
    if (selectionMark_ >= count_) {
        selectionMark_ = -1;
    }
    if (count_ == 0) {
        topIndex_ = 0;
    }
    Relayout();
    return true;
}

UINT ListViewControl::GetItemState(int index, UINT mask) const {
    return StateAt(index, mask);
}

int ListViewControl::GetNextItem(int start, UINT flags) const {
    UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    // As the system's list view answers: there is one focused item, wherever the search
    // starts and whichever way it goes, unless it is the item the search starts from.
    if ((wanted & LVNI_FOCUSED) != 0) {
        int focused = FocusedIndex();
        return focused >= 0 && focused != start && StateAt(focused, wanted) == wanted ? focused
                                                                                      : -1;
    }
    if ((flags & (LVNI_TOLEFT | LVNI_TORIGHT)) != 0) {
        return -1; // report rows have nothing beside them
    }
    int step = (flags & LVNI_ABOVE) != 0 ? -1 : 1;
    int first = start + step;
    if (start < 0) {
        if (step < 0) {
            return -1;
        }
        first = 0;
    }
    if ((wanted & LVNI_SELECTED) != 0 && SelectedCount() == 0) {
        return -1;
    }
    if (ownerData_) {
        // A state neither the list nor its parent keeps is nowhere.
        if ((wanted & ~(kListStates | ParentStates())) != 0) {
            return -1;
        }
        // The selection is found in its set; the parent's states item by item.
        for (int i = first; i >= 0 && i < ItemCount();) {
            if (StateAt(i, wanted) == wanted) {
                return i;
            }
            if ((wanted & LVNI_SELECTED) != 0) {
                i = step > 0 ? selected_.Next(i + 1) : selected_.Prev(i - 1);
            } else {
                i += step;
            }
        }
        return -1;
    }
    for (int i = first; i >= 0 && i < ItemCount(); i += step) {
        if ((StateAt(i) & wanted) == wanted) {
            return i;
        }
    }
    return -1;
}

int ListViewControl::SelectedCount() const {
    return ownerData_ ? selected_.Count() : selectedCount_;
}

int ListViewControl::SetSelectionMark(int index) {
    int previous = selectionMark_;
    selectionMark_ = index;
    return previous;
}

HIMAGELIST ListViewControl::SetImageList(int which, HIMAGELIST list) {
    if (which < LVSIL_NORMAL || which > LVSIL_STATE) {
        return nullptr;
    }
    HIMAGELIST previous = imageLists_[which];
    imageLists_[which] = list;
    Relayout();
    return previous;
}

HIMAGELIST ListViewControl::GetImageList(int which) const {
    if (which < LVSIL_NORMAL || which > LVSIL_STATE) {
        return nullptr;
    }
    return imageLists_[which];
}

int ListViewControl::HeaderHeight() const {
    return (Style() & LVS_NOCOLUMNHEADER) != 0 ? 0 : kHeaderHeight;
}

int ListViewControl::RowHeight() const {
    int cx = 0;
    int cy = 0;
    if (ImageList_GetIconSize(imageLists_[LVSIL_SMALL], &cx, &cy) == FALSE) {
        return kRowHeight;
    }
    return std::max(kRowHeight, cy + 1);
}

int ListViewControl::IconWidth() const {
    int cx = 0;
    int cy = 0;
    return ImageList_GetIconSize(imageLists_[LVSIL_SMALL], &cx, &cy) != FALSE ? cx : 0;
}

int ListViewControl::CountPerPage() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return std::max(0, (client.bottom - HeaderHeight()) / RowHeight());
}

void ListViewControl::ClampScroll() {
    int lastTop = std::max(0, ItemCount() - std::max(CountPerPage(), 1));
    topIndex_ = std::clamp(topIndex_, 0, lastTop);
    RECT client;
    GetClientRect(hwnd_, &client);
    scrollX_ = std::clamp(scrollX_, 0, std::max(0, columns_.TotalWidth() - client.right));
}

bool ListViewControl::Scroll(int dx, int dy) {
    int height = RowHeight();
    int rows = (std::abs(dy) + height / 2) / height;
    topIndex_ += dy < 0 ? -rows : rows;
    scrollX_ += dx;
    Relayout();
    return true;
}

bool ListViewControl::EnsureVisible(int index) {
    if (!Exists(index)) {
        return false;
    }
    int page = std::max(CountPerPage(), 1);
    if (index < topIndex_) {
        topIndex_ = index;
    } else if (index >= topIndex_ + page) {
        topIndex_ = index - page + 1;
    }
    Relayout();
    return true;
}

RECT ListViewControl::RowBounds(int index) const {
    int top = HeaderHeight() + (index - topIndex_) * RowHeight();
    return RECT{-scrollX_, top, -scrollX_ + columns_.TotalWidth(), top + RowHeight()};
}

RECT ListViewControl::IconRect(int index) const {
    RECT rect = RowBounds(index);
    const Item* item = ItemAt(index);
    rect.left += kItemMargin + (item != nullptr ? item->indent : 0) * IconWidth();
    rect.right = rect.left + IconWidth();
    return rect;
}

RECT ListViewControl::LabelRect(int index) const {
    RECT rect = RowBounds(index);
    rect.left = IconRect(index).right;
    rect.right = std::max(rect.left, RowBounds(index).left + ColumnWidth(0));
    return rect;
}

bool ListViewControl::GetItemRect(int index, int code, RECT& rect) const {
    if (!Exists(index)) {
        return false;
    }
    switch (code) {
    case LVIR_BOUNDS:
        rect = RowBounds(index);
        return true;
    case LVIR_ICON:
        rect = IconRect(index);
        return true;
    case LVIR_LABEL:
        rect = LabelRect(index);
        return true;
    case LVIR_SELECTBOUNDS:
        rect = IconRect(index);
        rect.right = LabelRect(index).right;
        return true;
    default:
        return false;
    }
}

bool ListViewControl::GetSubItemRect(int index, int subItem, int code, RECT& rect) const {
    if (subItem == 0) {
        return GetItemRect(index, code, rect);
    }
    if (!Exists(index) || subItem < 0 || subItem >= ColumnCount()) {
        return false;
    }
    rect = RowBounds(index);
    rect.left += columns_.Left(subItem);
    rect.right = code == LVIR_ICON ? rect.left : rect.left + ColumnWidth(subItem);
    return true;
}

bool ListViewControl::GetItemPosition(int index, POINT& point) const {
    if (!Exists(index)) {
        return false;
    }
    RECT bounds = RowBounds(index);
    point = POINT{bounds.left + kItemMargin, bounds.top};
    return true;
}

bool ListViewControl::GetOrigin(POINT& point) const {
    point = POINT{0, 0};
    DWORD view = Style() & LVS_TYPEMASK;
    return view != LVS_REPORT && view != LVS_LIST;
}

int ListViewControl::HitTest(LVHITTESTINFO& info) const {
    info.iItem = -1;
    info.iSubItem = 0;
    info.flags = 0;
    RECT client;
    GetClientRect(hwnd_, &client);
    const POINT& p = info.pt;
    if (p.x < 0) {
        info.flags |= LVHT_TOLEFT;
    } else if (p.x >= client.right) {
        info.flags |= LVHT_TORIGHT;
    }
    if (p.y < 0) {
        info.flags |= LVHT_ABOVE;
    } else if (p.y >= client.bottom) {
        info.flags |= LVHT_BELOW;
    }
    if (info.flags != 0) {
        return -1;
    }
    int row = p.y >= HeaderHeight() ? topIndex_ + (p.y - HeaderHeight()) / RowHeight() : -1;
    if (Exists(row)) {
        bool fullRow = (extendedStyle_ & LVS_EX_FULLROWSELECT) != 0;
        if (Contains(IconRect(row), p)) {
            info.flags = LVHT_ONITEMICON;
        } else if (Contains(LabelRect(row), p) || (fullRow && Contains(RowBounds(row), p))) {
            info.flags = LVHT_ONITEMLABEL;
        }
    }
    if (info.flags == 0) {
        info.flags = LVHT_NOWHERE;
        return -1;
    }
    info.iItem = row;
    return row;
}

HIMAGELIST ListViewControl::CreateDragImage(int index, POINT* upperLeft) {
    RECT area;
    if (!GetItemRect(index, LVIR_SELECTBOUNDS, area)) {
        return nullptr;
    }
    HIMAGELIST image = ImageList_Create(std::max<int>(area.right - area.left, 1),
                                        area.bottom - area.top, ILC_MASK, 1, 0);
    if (auto* list = WindowManager::Instance().imageLists.Find(image)) {
        list->images.push_back(nullptr);
    }
    if (upperLeft != nullptr) {
        *upperLeft = POINT{area.left, area.top};
    }
    return image;
}

LRESULT ListViewControl::NotifyParent(UINT code, NMHDR& header) const {
    header.hwndFrom = hwnd_;
    header.idFrom = static_cast<std::uintptr_t>(GetDlgCtrlID(hwnd_));
    header.code = code;
    HWND parent = GetParent(hwnd_);
    if (parent == nullptr) {
        return 0;
    }
    return SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void ListViewControl::Relayout() {
    ClampScroll();
    Redraw();
}

void ListViewControl::Redraw() const {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

} // namespace native
