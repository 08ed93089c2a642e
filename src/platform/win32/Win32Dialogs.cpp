#include "Win32Dialogs.h"

#include "../NativeBackend.h"
#include "../WinResources.h"
#include "WindowHooks.h"

#include <map>
#include <memory>
#include <string>

const DialogTemplate* FindDialogResource(HINSTANCE instance, UINT id) {
    // The real template stays in the module; the framework only needs to know it exists and
    // to name it again when it creates the dialog.
    if (FindResourceA(instance, MAKEINTRESOURCEA(id), RT_DIALOG) == nullptr)
        return nullptr;
    static std::map<UINT, std::unique_ptr<DialogTemplate>> named;
    auto& dialog = named[id];
    if (!dialog) {
        dialog = std::make_unique<DialogTemplate>();
        dialog->id = id;
    }
    return dialog.get();
}

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param) {
    if (dialog == nullptr ||
        native::ShouldFail(native::Failure::DialogCreation, std::to_string(dialog->id)))
        return nullptr;
    win32::SetPendingDialogTemplate(dialog->id);
    HWND hwnd = ::CreateDialogParamA(instance, MAKEINTRESOURCEA(dialog->id), owner, proc, param);
    win32::SetPendingDialogTemplate(0);
    return hwnd;
}
