#pragma once

#include "NativeTestSupport.h"
#include "platform/CommCtrl.h"
#include "platform/NativeInput.h"
#include "platform/WinDialog.h"

#include <string>
#include <vector>

namespace native_test {

// A modeless dialog of the template, not yet shown.
inline HWND CreateFromTemplate(const DialogTemplate& dialog, DLGPROC proc, HWND owner = nullptr) {
#ifdef _WIN32
    std::vector<WORD> binary = win32::DialogTemplateBytes(dialog);
    return ::CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                        reinterpret_cast<const DLGTEMPLATE*>(binary.data()), owner,
                                        proc, 0);
#else
    return CreateDialogIndirectParamA(nullptr, &dialog, owner, proc, 0);
#endif
}

// The template's dialog run modally: what EndDialog was given.
inline INT_PTR RunFromTemplate(const DialogTemplate& dialog, HWND owner, DLGPROC proc) {
#ifdef _WIN32
    std::vector<WORD> binary = win32::DialogTemplateBytes(dialog);
    return ::DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                     reinterpret_cast<const DLGTEMPLATE*>(binary.data()), owner,
                                     proc, 0);
#else
    return DialogBoxIndirectParamA(nullptr, &dialog, owner, proc, 0);
#endif
}

// What a dialog procedure heard: WM_COMMAND as "command ID CODE", WM_NOTIFY as "notify ID
// CODE", WM_HELP as "help ID", WM_CONTEXTMENU as "menu ID". The help context is left out:
// Wine gives the controls none from the template, and the module asks by the control's id.
inline std::vector<std::string> heard;
// The answer to UDN_DELTAPOS; nonzero refuses the step.
inline LRESULT refuseDelta = 0;

inline INT_PTR CALLBACK RecordingDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        heard.push_back("command " + std::to_string(LOWORD(wParam)) + " " +
                        std::to_string(HIWORD(wParam)));
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        heard.push_back("notify " + std::to_string(header->idFrom) + " " +
                        std::to_string(static_cast<int>(header->code)));
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, refuseDelta);
        return TRUE;
    }
    case WM_HELP: {
        const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
        heard.push_back("help " + std::to_string(info->iCtrlId));
        return TRUE;
    }
    case WM_CONTEXTMENU:
        heard.push_back("menu " + std::to_string(GetDlgCtrlID(reinterpret_cast<HWND>(wParam))));
        return TRUE;
    default:
        return FALSE;
    }
}

inline DialogItemTemplate Item(const char* className, UINT id, DWORD style, short y,
                               const char* text = "") {
    return {className, id, text, WS_CHILD | WS_VISIBLE | style, 0, 10, y, 80, 12, id + 1000};
}

// A dialog with a label, an edit field and its up-down control, a group of automatic radio
// buttons, two check boxes, a list box, a drop-down list and two push buttons, the first the
// default; in that (tab) order.
inline DialogTemplate SampleDialog(DWORD editStyle = ES_AUTOHSCROLL) {
    DialogTemplate dialog;
    dialog.id = 300;
    dialog.style = DS_SETFONT | WS_POPUP | WS_CAPTION;
    dialog.exStyle = WS_EX_CONTEXTHELP;
    dialog.cx = 200;
    dialog.cy = 220;
    dialog.caption = "Sample";
    dialog.pointSize = 8;
    dialog.items = {
        Item(WC_STATIC, 10, WS_GROUP, 0, "&Name:"),
        Item(WC_EDIT, 11, WS_TABSTOP | WS_BORDER | editStyle, 14),
        Item(UPDOWN_CLASS, 12,
             UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
             14),
        Item(WC_BUTTON, 20, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 30, "&One"),
        Item(WC_BUTTON, 21, BS_AUTORADIOBUTTON, 42, "&Two"),
        Item(WC_BUTTON, 22, BS_AUTORADIOBUTTON, 54, "T&hree"),
        Item(WC_BUTTON, 30, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 70, "&Auto"),
        Item(WC_BUTTON, 31, BS_CHECKBOX | WS_TABSTOP, 82, "&Manual"),
        Item(WC_LISTBOX, 40, LBS_NOTIFY | WS_GROUP | WS_TABSTOP, 96),
        Item(WC_COMBOBOX, 41, CBS_DROPDOWNLIST | WS_TABSTOP, 150),
        Item(WC_BUTTON, 50, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 190, "OK"),
        Item(WC_BUTTON, 51, BS_PUSHBUTTON | WS_TABSTOP, 204, "Other"),
    };
    dialog.items[2].cx = 10;
    dialog.items[8].cy = 24; // the list box shows three rows of 13 pixels
    dialog.items[9].cy = 60;
    return dialog;
}

class DialogTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        heard.clear();
        refuseDelta = 0;
    }

    HWND Open(const DialogTemplate& dialog) {
        HWND hwnd = CreateFromTemplate(dialog, RecordingDlgProc);
        ShowWindow(hwnd, SW_SHOWNORMAL);
        heard.clear();
        return hwnd;
    }

    // Takes the posted input through the dialog manager, as a modal loop does.
    static void Pump(HWND dialog) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog, &msg))
                DispatchMessageA(&msg);
        }
    }

    static void Key(HWND dialog, WORD key, bool shift = false) {
        native::PressKey(nullptr, key, shift, false, false);
        Pump(dialog);
    }

    static void Click(HWND dialog, int id, POINT point = {2, 2}) {
        native::ClickWindow(GetDlgItem(dialog, id), point);
        Pump(dialog);
    }

    static int Focused() { return GetDlgCtrlID(GetFocus()); }

    // What the dialog heard from one control.
    static std::vector<std::string> HeardFrom(int id) {
        std::vector<std::string> from;
        for (const std::string& line : heard) {
            if (line.find(" " + std::to_string(id) + " ") != std::string::npos)
                from.push_back(line);
        }
        return from;
    }
};

} // namespace native_test
