#include "CListCtrl.h"

#include "RedrawSuspended.h"

namespace {

WPARAM AsWParam(int value) {
    return static_cast<WPARAM>(static_cast<std::intptr_t>(value));
}

template <typename T> LPARAM AsLParam(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTVIEW, "", style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const LVCOLUMNA* info) {
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, AsWParam(column), AsLParam(info)));
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
    LVCOLUMNA info{};
    info.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    info.fmt = format;
    info.pszText = const_cast<char*>(heading);
    info.cx = width >= 0 ? width : GetStringWidth(heading);
    if (subItem >= 0) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return InsertColumn(column, &info);
}

BOOL CListCtrl::DeleteColumn(int column) {
    return static_cast<BOOL>(Send(LVM_DELETECOLUMN, AsWParam(column)));
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMNA* info) const {
    return static_cast<BOOL>(Send(LVM_GETCOLUMNA, AsWParam(column), AsLParam(info)));
}

BOOL CListCtrl::SetColumn(int column, const LVCOLUMNA* info) {
    return static_cast<BOOL>(Send(LVM_SETCOLUMNA, AsWParam(column), AsLParam(info)));
}

int CListCtrl::GetColumnWidth(int column) const {
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, AsWParam(column)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    return static_cast<BOOL>(
        Send(LVM_SETCOLUMNWIDTH, AsWParam(column), MAKELONG(static_cast<WORD>(width), 0)));
}

int CListCtrl::GetStringWidth(const char* text) const {
    return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, AsLParam(text)));
}

int CListCtrl::InsertItem(const LVITEMA* item) {
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, AsLParam(item)));
}

int CListCtrl::InsertItem(int index, const char* text, int image) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0u);
    item.iItem = index;
    item.pszText = const_cast<char*>(text);
    item.iImage = image;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItem(const LVITEMA* item) {
    return static_cast<BOOL>(Send(LVM_SETITEMA, 0, AsLParam(item)));
}

BOOL CListCtrl::SetItem(int index, int subItem, UINT mask, const char* text, int image, UINT state,
                        UINT stateMask, LPARAM data) {
    LVITEMA item{};
    item.mask = mask;
    item.iItem = index;
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    item.iImage = image;
    item.state = state;
    item.stateMask = stateMask;
    item.lParam = data;
    return SetItem(&item);
}

BOOL CListCtrl::GetItem(LVITEMA* item) const {
    return static_cast<BOOL>(Send(LVM_GETITEMA, 0, AsLParam(item)));
}

BOOL CListCtrl::SetItemText(int index, int subItem, const char* text) {
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(Send(LVM_SETITEMTEXTA, AsWParam(index), AsLParam(&item)));
}

std::string CListCtrl::GetItemText(int index, int subItem) const {
    // Doubles the buffer until the text fits with room to spare.
    for (int size = 256;; size *= 2) {
        std::string text(static_cast<std::size_t>(size), '\0');
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = text.data();
        item.cchTextMax = size;
        int length = static_cast<int>(Send(LVM_GETITEMTEXTA, AsWParam(index), AsLParam(&item)));
        if (length < size - 1) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
    }
}

LPARAM CListCtrl::GetItemData(int index) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? item.lParam : 0;
}

BOOL CListCtrl::SetItemData(int index, LPARAM data) {
    return SetItem(index, 0, LVIF_PARAM, nullptr, 0, 0, 0, data);
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    if (index != -1)
        return static_cast<BOOL>(Send(LVM_SETITEMSTATE, AsWParam(index), AsLParam(&item)));
    // A change of every item is painted once when it is done, not item by item.
    RedrawSuspended held(m_hWnd);
    if (state == 0 && mask == LVIS_SELECTED)
        DropSelectionWhole();
    return static_cast<BOOL>(Send(LVM_SETITEMSTATE, AsWParam(index), AsLParam(&item)));
}

void CListCtrl::DropSelectionWhole() {
    // Up to this many items are left to the list to visit.
    constexpr int kVisitedItemsAtMost = 64;
    int count = GetItemCount();
    if ((GetStyle() & LVS_OWNERDATA) == 0 || count <= kVisitedItemsAtMost ||
        GetSelectedCount() == 0)
        return;
    int top = GetTopIndex();
    RECT before{};
    GetItemRect(top, &before, LVIR_BOUNDS);
    int focused = GetNextItem(-1, LVNI_FOCUSED);
    int mark = GetSelectionMark();
    SetItemCountEx(0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    SetItemCountEx(count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (focused != -1)
        SetItemState(focused, LVIS_FOCUSED, LVIS_FOCUSED);
    SetSelectionMark(mark);
    RECT after{};
    GetItemRect(top, &after, LVIR_BOUNDS);
    if (after.left != before.left || after.top != before.top)
        Scroll(SIZE{after.left - before.left, after.top - before.top});
}

UINT CListCtrl::GetItemState(int index, UINT mask) const {
    return static_cast<UINT>(Send(LVM_GETITEMSTATE, AsWParam(index), mask));
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, AsWParam(start), flags));
}

UINT CListCtrl::GetSelectedCount() const {
    return static_cast<UINT>(Send(LVM_GETSELECTEDCOUNT));
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

BOOL CListCtrl::DeleteItem(int index) {
    return static_cast<BOOL>(Send(LVM_DELETEITEM, AsWParam(index)));
}

BOOL CListCtrl::DeleteAllItems() {
    return static_cast<BOOL>(Send(LVM_DELETEALLITEMS));
}

int CListCtrl::FindItem(const LVFINDINFOA* find, int start) const {
    return static_cast<int>(Send(LVM_FINDITEMA, AsWParam(start), AsLParam(find)));
}

int CListCtrl::GetSelectionMark() const {
    return static_cast<int>(Send(LVM_GETSELECTIONMARK));
}

int CListCtrl::SetSelectionMark(int index) {
    return static_cast<int>(Send(LVM_SETSELECTIONMARK, 0, index));
}

int CListCtrl::GetTopIndex() const {
    return static_cast<int>(Send(LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const {
    return static_cast<int>(Send(LVM_GETCOUNTPERPAGE));
}

BOOL CListCtrl::Scroll(SIZE size) {
    return static_cast<BOOL>(Send(LVM_SCROLL, AsWParam(size.cx), size.cy));
}

BOOL CListCtrl::EnsureVisible(int index, BOOL partialOk) {
    return static_cast<BOOL>(Send(LVM_ENSUREVISIBLE, AsWParam(index), partialOk));
}

BOOL CListCtrl::GetItemRect(int index, RECT* rect, UINT code) const {
    if (rect == nullptr)
        return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(Send(LVM_GETITEMRECT, AsWParam(index), AsLParam(rect)));
}

BOOL CListCtrl::GetSubItemRect(int index, int subItem, int code, RECT& rect) const {
    rect.top = subItem;
    rect.left = code;
    return static_cast<BOOL>(Send(LVM_GETSUBITEMRECT, AsWParam(index), AsLParam(&rect)));
}

BOOL CListCtrl::GetItemPosition(int index, POINT* point) const {
    return static_cast<BOOL>(Send(LVM_GETITEMPOSITION, AsWParam(index), AsLParam(point)));
}

BOOL CListCtrl::GetOrigin(POINT* point) const {
    return static_cast<BOOL>(Send(LVM_GETORIGIN, 0, AsLParam(point)));
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const {
    return static_cast<int>(Send(LVM_HITTEST, 0, AsLParam(info)));
}

int CListCtrl::HitTest(POINT point, UINT* flags) const {
    LVHITTESTINFO info{};
    info.pt = point;
    int index = HitTest(&info);
    if (flags != nullptr)
        *flags = info.flags;
    return index;
}

BOOL CListCtrl::SetItemCountEx(int count, DWORD flags) {
    return static_cast<BOOL>(Send(LVM_SETITEMCOUNT, AsWParam(count), flags));
}

BOOL CListCtrl::SetCallbackMask(UINT mask) {
    return static_cast<BOOL>(Send(LVM_SETCALLBACKMASK, mask));
}

UINT CListCtrl::GetCallbackMask() const {
    return static_cast<UINT>(Send(LVM_GETCALLBACKMASK));
}

BOOL CListCtrl::RedrawItems(int first, int last) {
    return static_cast<BOOL>(Send(LVM_REDRAWITEMS, AsWParam(first), last));
}

HIMAGELIST CListCtrl::SetImageList(HIMAGELIST list, int which) {
    return reinterpret_cast<HIMAGELIST>(Send(LVM_SETIMAGELIST, AsWParam(which), AsLParam(list)));
}

HIMAGELIST CListCtrl::GetImageList(int which) const {
    return reinterpret_cast<HIMAGELIST>(Send(LVM_GETIMAGELIST, AsWParam(which)));
}

HIMAGELIST CListCtrl::CreateDragImage(int index, POINT* upperLeft) {
    return reinterpret_cast<HIMAGELIST>(
        Send(LVM_CREATEDRAGIMAGE, AsWParam(index), AsLParam(upperLeft)));
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD CListCtrl::GetExtendedStyle() const {
    return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
}
