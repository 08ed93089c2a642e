#include "platform/native/ListViewClass.h"

#include "platform/native/ListViewControl.h"
#include "platform/native/SystemClasses.h"
#include "platform/native/WindowManager.h"

#include <optional>

namespace native {

namespace {

std::shared_ptr<ListViewControl> ControlOf(HWND hwnd) {
    Window* window = WindowManager::Instance().Find(hwnd);
    if (window == nullptr) {
        return nullptr;
    }
    return std::static_pointer_cast<ListViewControl>(window->controlData);
}

// Client co-ordinates of a mouse message, which may be negative.
POINT PointOf(LPARAM lParam) {
    auto value = static_cast<std::uintptr_t>(lParam);
    return POINT{static_cast<short>(LOWORD(value)), static_cast<short>(HIWORD(value))};
}

int IntOf(std::uintptr_t value) {
    return static_cast<int>(static_cast<std::intptr_t>(value));
}

template <typename T> T* Pointer(LPARAM lParam) {
    return reinterpret_cast<T*>(lParam);
}

LRESULT Flag(bool value) {
    return value ? TRUE : FALSE;
}

std::optional<LRESULT> ItemMessage(ListViewControl& control, UINT msg, WPARAM wParam,
                                   LPARAM lParam) {
    switch (msg) {
    case LVM_INSERTITEMA:
        return lParam != 0 ? control.InsertItem(*Pointer<LVITEMA>(lParam)) : -1;
    case LVM_SETITEMA:
        return Flag(lParam != 0 && control.SetItem(*Pointer<LVITEMA>(lParam)));
    case LVM_GETITEMA:
        return Flag(lParam != 0 && control.GetItem(*Pointer<LVITEMA>(lParam)));
    case LVM_SETITEMTEXTA:
        return Flag(lParam != 0 && control.SetItemText(IntOf(wParam), *Pointer<LVITEMA>(lParam)));
    case LVM_GETITEMTEXTA:
        return lParam != 0 ? control.GetItemText(IntOf(wParam), *Pointer<LVITEMA>(lParam)) : 0;
    case LVM_DELETEITEM:
        return Flag(control.DeleteItem(IntOf(wParam)));
    case LVM_DELETEALLITEMS:
        return Flag(control.DeleteAllItems());
    case LVM_GETITEMCOUNT:
        return control.ItemCount();
    case LVM_SETITEMSTATE: {
        if (lParam == 0) {
            return FALSE;
        }
        const LVITEMA& item = *Pointer<LVITEMA>(lParam);
        return Flag(control.SetItemState(IntOf(wParam), item.state, item.stateMask));
    }
    case LVM_GETITEMSTATE:
        return control.GetItemState(IntOf(wParam), static_cast<UINT>(lParam));
    case LVM_GETNEXTITEM:
        return control.GetNextItem(IntOf(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)));
    case LVM_SETCALLBACKMASK:
        return Flag(control.SetCallbackMask(static_cast<UINT>(wParam)));
    case LVM_GETCALLBACKMASK:
        return control.CallbackMask();
    case LVM_GETSELECTEDCOUNT:
        return control.SelectedCount();
    case LVM_GETSELECTIONMARK:
        return control.SelectionMark();
    case LVM_SETSELECTIONMARK:
        return control.SetSelectionMark(static_cast<int>(lParam));
    case LVM_FINDITEMA:
        return lParam != 0 ? control.FindItem(IntOf(wParam), *Pointer<LVFINDINFOA>(lParam)) : -1;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> ColumnMessage(ListViewControl& control, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    switch (msg) {
    case LVM_INSERTCOLUMNA:
        return lParam != 0 ? control.InsertColumn(IntOf(wParam), *Pointer<LVCOLUMNA>(lParam)) : -1;
    case LVM_DELETECOLUMN:
        return Flag(control.DeleteColumn(IntOf(wParam)));
    case LVM_GETCOLUMNA:
        return Flag(lParam != 0 && control.GetColumn(IntOf(wParam), *Pointer<LVCOLUMNA>(lParam)));
    case LVM_SETCOLUMNA:
        return Flag(lParam != 0 && control.SetColumn(IntOf(wParam), *Pointer<LVCOLUMNA>(lParam)));
    case LVM_GETCOLUMNWIDTH:
        return control.ColumnWidth(IntOf(wParam));
    case LVM_SETCOLUMNWIDTH:
        return Flag(control.SetColumnWidth(
            IntOf(wParam), static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)))));
    case LVM_GETSTRINGWIDTHA:
        return ListViewColumns::StringWidth(Pointer<const char>(lParam));
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> LayoutMessage(ListViewControl& control, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    switch (msg) {
    case LVM_GETTOPINDEX:
        return control.TopIndex();
    case LVM_GETCOUNTPERPAGE:
        return control.CountPerPage();
    case LVM_SCROLL:
        return Flag(control.Scroll(IntOf(wParam), static_cast<int>(lParam)));
    case LVM_ENSUREVISIBLE:
        return Flag(control.EnsureVisible(IntOf(wParam)));
    case LVM_GETITEMRECT: {
        auto* rect = Pointer<RECT>(lParam);
        return Flag(rect != nullptr && control.GetItemRect(IntOf(wParam), rect->left, *rect));
    }
    case LVM_GETSUBITEMRECT: {
        auto* rect = Pointer<RECT>(lParam);
        return Flag(rect != nullptr &&
                    control.GetSubItemRect(IntOf(wParam), rect->top, rect->left, *rect));
    }
    case LVM_GETITEMPOSITION:
        return Flag(lParam != 0 && control.GetItemPosition(IntOf(wParam), *Pointer<POINT>(lParam)));
    case LVM_GETORIGIN:
        return Flag(lParam != 0 && control.GetOrigin(*Pointer<POINT>(lParam)));
    case LVM_HITTEST:
        return lParam != 0 ? control.HitTest(*Pointer<LVHITTESTINFO>(lParam)) : -1;
    case LVM_CREATEDRAGIMAGE:
        return reinterpret_cast<LRESULT>(
            control.CreateDragImage(IntOf(wParam), Pointer<POINT>(lParam)));
    case LVM_SETIMAGELIST:
        return reinterpret_cast<LRESULT>(
            control.SetImageList(IntOf(wParam), reinterpret_cast<HIMAGELIST>(lParam)));
    case LVM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(control.GetImageList(IntOf(wParam)));
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return control.SetExtendedStyle(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return control.ExtendedStyle();
    default:
        return std::nullopt;
    }
}

} // namespace

LRESULT ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        if (Window* window = WindowManager::Instance().Find(hwnd)) {
            window->controlData = std::make_shared<ListViewControl>(hwnd);
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    // Held here so that a notice handler destroying the window leaves the control alive
    // until this message is done.
    std::shared_ptr<ListViewControl> control = ControlOf(hwnd);
    if (!control) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    for (auto group : {ItemMessage, ColumnMessage, LayoutMessage}) {
        if (std::optional<LRESULT> result = group(*control, msg, wParam, lParam)) {
            return *result;
        }
    }
    switch (msg) {
    case WM_CREATE:
        if (lParam != 0) {
            control->OnCreate(*Pointer<CREATESTRUCTA>(lParam));
        }
        return 0;
    case WM_DESTROY:
        control->DeleteAllItems();
        return 0;
    case WM_NCDESTROY:
        control->ReleaseImageLists();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        control->ClampScroll();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        control->mouse.ButtonDown(*control, false, wParam, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        control->mouse.ButtonDown(*control, true, wParam, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        control->mouse.MouseMove(*control, wParam, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        control->mouse.ButtonUp(*control, false, PointOf(lParam));
        return 0;
    case WM_CANCELMODE:
        control->mouse.Cancel();
        return 0;
    case WM_RBUTTONUP:
        // As the system's list view: a release the control gets asks for the context menu.
        control->mouse.ButtonUp(*control, true, PointOf(lParam));
        break;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case LVM_SETITEMCOUNT:
        return Flag(control->SetItemCount(IntOf(wParam)));
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterListViewClass(ClassTable& classes) {
    if (classes.Find(WC_LISTVIEWA) != nullptr) {
        return;
    }
    WNDCLASSA wc;
    wc.lpfnWndProc = ListViewProc;
    wc.lpszClassName = WC_LISTVIEWA;
    classes.Register(wc);
}

} // namespace native

void InitCommonControls() {
    native::RegisterSystemClasses(native::WindowManager::Instance().classes);
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return FALSE;
    }
    InitCommonControls();
    return TRUE;
}
