// Dialogs: creation from templates, the default dialog procedure, modal dialog boxes and
// dialog units.

#include "platform/WinResources.h"
#include "platform/native/ControlSupport.h"
#include "platform/native/DialogState.h"

#include <algorithm>

using native::DialogCreation;
using native::DialogData;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

int Scale(int value, int numerator, int denominator) {
    long long scaled = static_cast<long long>(value) * numerator;
    return static_cast<int>((scaled + (scaled >= 0 ? denominator / 2 : -denominator / 2)) /
                            denominator);
}

RECT Mapped(const TEXTMETRICA& font, RECT rect) {
    return RECT{Scale(rect.left, font.tmAveCharWidth, 4), Scale(rect.top, font.tmHeight, 8),
                Scale(rect.right, font.tmAveCharWidth, 4), Scale(rect.bottom, font.tmHeight, 8)};
}

// The results of these messages are the dialog procedure's own; for the others it sets
// DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    return msg == WM_INITDIALOG || msg == WM_GETDLGCODE;
}

LRESULT DefaultId(const DialogData& data) {
    if (data.defId != 0) {
        return MAKELONG(static_cast<WORD>(data.defId), DC_HASDEFID);
    }
    return 0;
}

// Who had the focus when the dialog was left gets it back when it returns; at first the first
// control in tab order.
void Activated(HWND hwnd, DialogData& data, bool active) {
    HWND focus = GetFocus();
    if (!active) {
        if (focus != nullptr && IsChild(hwnd, focus)) {
            data.focusSave = focus;
        }
        return;
    }
    if (focus != nullptr && IsChild(hwnd, focus)) {
        return;
    }
    HWND target = IsWindow(data.focusSave) && IsChild(hwnd, data.focusSave)
                      ? data.focusSave
                      : GetNextDlgTabItem(hwnd, nullptr, FALSE);
    if (target != nullptr) {
        native::DialogSetFocus(hwnd, target, data.focusSave == nullptr);
    }
}

HWND NextFocus(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) != 0) {
        return reinterpret_cast<HWND>(wParam);
    }
    HWND focus = GetFocus();
    return GetNextDlgTabItem(hwnd, IsChild(hwnd, focus) ? focus : nullptr, wParam != 0);
}

LRESULT DefaultProcessing(HWND hwnd, DialogData& data, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case DM_GETDEFID:
        return DefaultId(data);
    case DM_SETDEFID:
        data.defId = static_cast<int>(wParam);
        native::CheckDefaultButton(hwnd, GetFocus());
        return TRUE;
    case WM_NEXTDLGCTL:
        if (HWND next = NextFocus(hwnd, wParam, lParam)) {
            native::DialogSetFocus(hwnd, next, true);
        }
        return 0;
    case WM_ACTIVATE:
        Activated(hwnd, data, LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        Activated(hwnd, data, true);
        return 0;
    case WM_CLOSE: {
        // Closing a dialog is pressing its Cancel button, unless that is disabled.
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (cancel == nullptr || IsWindowEnabled(cancel)) {
            PostMessageA(hwnd, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        }
        return 0;
    }
    case WM_NCDESTROY:
        DeleteObject(data.font);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        data.font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(data.font);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

bool Ended(HWND hwnd) {
    std::shared_ptr<DialogData> data = native::DialogDataOf(hwnd);
    return !data || data->ended;
}

// Creates the controls; false when one cannot be.
bool CreateControls(HWND hwnd, HINSTANCE instance, const DialogTemplate& dialog,
                    const TEXTMETRICA& font, HFONT fontHandle) {
    DialogData& data = *native::DialogDataOf(hwnd);
    for (const DialogItemTemplate& item : dialog.items) {
        RECT rect = Mapped(font, RECT{item.x, item.y, item.x + item.cx, item.y + item.cy});
        HWND control = CreateWindowExA(
            item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD,
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd,
            reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(item.id)), instance, nullptr);
        if (control == nullptr || !IsWindow(hwnd)) {
            return false;
        }
        SetWindowContextHelpId(control, item.helpId);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle), FALSE);
        // The template's (last) default push button is the dialog's default.
        if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
            if (HWND previous = GetDlgItem(hwnd, data.defId); previous != nullptr) {
                SendMessageA(previous, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
            }
            data.defId = static_cast<int>(item.id);
        }
    }
    return true;
}

} // namespace

namespace native {

std::shared_ptr<DialogData> DialogDataOf(HWND hwnd) {
    return IsDialogWindow(hwnd) ? ControlDataOf<DialogData>(hwnd) : nullptr;
}

UINT DialogTemplateId(HWND hwnd) {
    std::shared_ptr<DialogData> data = DialogDataOf(hwnd);
    return data ? data->templateId : 0;
}

} // namespace native

LRESULT DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto data = std::make_shared<DialogData>();
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create != nullptr && create->lpCreateParams != nullptr) {
            const auto& creation = *static_cast<const DialogCreation*>(create->lpCreateParams);
            data->templateId = creation.templateId;
            data->proc = creation.proc;
            data->font = creation.font;
        }
        native::AttachControlData(hwnd, data);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    // Held here: the dialog procedure may destroy the window.
    std::shared_ptr<DialogData> data = native::DialogDataOf(hwnd);
    if (!data) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (data->proc != nullptr) {
        data->msgResult = 0;
        if (INT_PTR handled = data->proc(hwnd, msg, wParam, lParam)) {
            return ReturnsDirectly(msg) ? handled : data->msgResult;
        }
        if (!IsWindow(hwnd)) {
            return 0;
        }
    }
    return DefaultProcessing(hwnd, *data, msg, wParam, lParam);
}

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param) {
    if (dialog == nullptr ||
        native::ShouldFail(native::Failure::DialogCreation, std::to_string(dialog->id))) {
        return nullptr;
    }
    DialogCreation creation;
    creation.templateId = dialog->id;
    creation.proc = proc;
    creation.param = param;
    bool ownFont = (dialog->style & DS_SETFONT) != 0;
    creation.font = ownFont ? native::CreateDialogFont(dialog->pointSize) : nullptr;
    TEXTMETRICA font = native::MetricsOf(creation.font);

    // Placed in the owner's client area, as the template's position says.
    POINT origin;
    if (HWND top = Manager().TopLevelOf(owner)) {
        origin = Manager().ScreenOrigin(top);
    }
    RECT rect =
        Mapped(font, RECT{dialog->x, dialog->y, dialog->x + dialog->cx, dialog->y + dialog->cy});
    DWORD exStyle = dialog->exStyle | ((dialog->style & DS_CONTEXTHELP) ? WS_EX_CONTEXTHELP : 0);
    HWND hwnd = CreateWindowExA(exStyle, WC_DIALOG, dialog->caption.c_str(),
                                dialog->style & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD),
                                origin.x + rect.left, origin.y + rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, owner, nullptr, instance, &creation);
    if (hwnd == nullptr) {
        DeleteObject(creation.font);
        return nullptr;
    }
    if (!CreateControls(hwnd, instance, *dialog, font, creation.font)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    LRESULT focusFirst = SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(hwnd)) {
        return nullptr;
    }
    if (focusFirst != 0) {
        // The dialog may have disabled or hidden controls meanwhile: the first tab stop is
        // looked for again.
        first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
        if (first != nullptr) {
            native::DialogSetFocus(hwnd, first, true);
        }
    }
    if ((dialog->style & WS_VISIBLE) != 0 && !Ended(hwnd)) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CreateDialogParamA(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc,
                        LPARAM param) {
    return CreateDialogIndirectParamA(instance, FindDialogResource(instance, templateId), owner,
                                      proc, param);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param) {
    HWND top = Manager().TopLevelOf(owner);
    bool enableOwner = top != nullptr && IsWindowEnabled(top);
    if (enableOwner) {
        EnableWindow(top, FALSE);
    }
    HWND hwnd = CreateDialogIndirectParamA(instance, dialog, owner, proc, param);
    INT_PTR result = -1;
    if (hwnd != nullptr) {
        std::shared_ptr<DialogData> data = native::DialogDataOf(hwnd);
        if (!data->ended) {
            ShowWindow(hwnd, SW_SHOWNORMAL);
        }
        while (!data->ended && IsWindow(hwnd)) {
            MSG msg;
            BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                EndDialog(hwnd, IDCANCEL);
            } else if (got == -1) {
                EndDialog(hwnd, IDCANCEL); // no input can answer any more
            } else if (!IsDialogMessageA(hwnd, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        result = data->ended ? data->result : -1;
    }
    if (enableOwner) {
        EnableWindow(top, TRUE);
    }
    if (hwnd != nullptr && IsWindow(hwnd)) {
        if (GetActiveWindow() == hwnd && top != nullptr) {
            SetActiveWindow(top);
        }
        DestroyWindow(hwnd);
    }
    return result;
}

INT_PTR DialogBoxParamA(HINSTANCE instance, UINT templateId, HWND owner, DLGPROC proc,
                        LPARAM param) {
    return DialogBoxIndirectParamA(instance, FindDialogResource(instance, templateId), owner, proc,
                                   param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    std::shared_ptr<DialogData> data = native::DialogDataOf(dialog);
    if (!data) {
        return FALSE;
    }
    data->ended = true;
    data->result = result;
    // A modal loop waiting for input wakes up and sees the dialog has ended.
    PostMessageA(nullptr, WM_NULL, 0, 0);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    TEXTMETRICA font = native::MetricsOf(nullptr);
    return static_cast<LONG>(
        MAKELONG(static_cast<WORD>(font.tmAveCharWidth), static_cast<WORD>(font.tmHeight)));
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    std::shared_ptr<DialogData> data = native::DialogDataOf(dialog);
    if (!data || rect == nullptr) {
        return FALSE;
    }
    *rect = Mapped(native::MetricsOf(data->font), *rect);
    return TRUE;
}
