#include "ContextHelp.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "resources/ControlIds.h"
#include "service/HelpFiles.h"
#include "service/ResourceHelpers.h"

bool inspShowControlTopic(CWnd* window, int id) {
    return inspWithModuleHelp([&](CWinApp& app) {
        ModuleResourceScope resources;
        auto topic = static_cast<DWORD_PTR>(static_cast<unsigned>(id));
        if (window != nullptr)
            window->WinHelp(topic, HELP_CONTEXTPOPUP);
        else
            app.WinHelp(topic, HELP_CONTEXTPOPUP);
    });
}

int InsertReplaceToolHit(HWND dialog, POINT point) {
    static const int kRadios[] = {IDC_INSERT_AS_PARENT, IDC_INSERT_AS_CHILD, IDC_REPLACE,
                                  IDC_PARENT_POSITION,  IDC_CHILD_POSITION,  IDC_NOT_MOVE,
                                  IDC_MOVE_TO,          IDC_PARENT_SIZE,     IDC_CHILD_SIZE,
                                  IDC_NOT_RESIZE,       IDC_RESIZE_TO};
    ClientToScreen(dialog, &point);
    for (int id : kRadios) {
        RECT rect{};
        HWND radio = GetDlgItem(dialog, id);
        if (radio != nullptr && GetWindowRect(radio, &rect) && point.x >= rect.left &&
            point.x < rect.right && point.y >= rect.top && point.y < rect.bottom)
            return id;
    }
    return -1;
}
