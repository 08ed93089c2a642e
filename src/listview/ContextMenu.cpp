#include "ContextMenu.h"

#include "CInspectrView.h"
#include "frame/CMainFrame.h"
#include "platform/Afx.h"
#include "platform/WinMenu.h"
#include "service/ResourceHelpers.h"

namespace {

constexpr UINT kContextMenus = 123;
constexpr int kInspectorPopup = 0;
constexpr int kSearchPopup = 3;

} // namespace

void ShowContextMenu(CInspectrView& view, POINT point) {
    if (point.x == -1 && point.y == -1)
        point = {4, 4};
    HMENU menu = nullptr;
    {
        ModuleResourceScope resources;
        menu = LoadMenuA(AfxGetResourceHandle(), kContextMenus);
    }
    if (menu == nullptr)
        return;
    bool searchView = view.frame != nullptr && view.frame->m_bSearchFrame;
    HMENU popup = GetSubMenu(menu, searchView ? kSearchPopup : kInspectorPopup);
    ClientToScreen(view.m_hWnd, &point);
    HWND owner = view.frame != nullptr ? view.frame->m_hWnd : view.m_hWnd;
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, owner, nullptr);
    DestroyMenu(menu);
}
