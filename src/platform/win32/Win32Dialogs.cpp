#include "Win32Dialogs.h"

#include "../NativeBackend.h"
#include "WindowHooks.h"

#include <string>

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param) {
    if (dialog == nullptr ||
        native::ShouldFail(native::Failure::DialogCreation, std::to_string(dialog->id)))
        return nullptr;
    win32::SetPendingDialogTemplate(dialog->id);
    HWND hwnd = nullptr;
    if (native::ModuleResources(instance) != nullptr) {
        // The module is no image the system could look into; the dialog is the process's.
        std::vector<WORD> bytes = win32::DialogTemplateBytes(*dialog);
        hwnd = ::CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(bytes.data()),
                                            owner, proc, param);
    } else {
        hwnd = ::CreateDialogParamA(instance, MAKEINTRESOURCEA(dialog->id), owner, proc, param);
    }
    win32::SetPendingDialogTemplate(0);
    return hwnd;
}

namespace win32 {

std::vector<WORD> DialogTemplateBytes(const DialogTemplate& dialog) {
    std::vector<WORD> words;
    auto dword = [&](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    auto text = [&](const std::string& bytes) {
        int length = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, nullptr, 0);
        std::vector<wchar_t> wide(static_cast<size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, wide.data(), length);
        words.insert(words.end(), wide.begin(), wide.end());
    };
    auto box = [&](short x, short y, short cx, short cy) {
        for (short value : {x, y, cx, cy})
            words.push_back(static_cast<WORD>(value));
    };
    words.insert(words.end(), {1, 0xFFFF});
    dword(0);
    dword(dialog.exStyle);
    dword(dialog.style);
    words.push_back(static_cast<WORD>(dialog.items.size()));
    box(dialog.x, dialog.y, dialog.cx, dialog.cy);
    words.insert(words.end(), {0, 0}); // no menu, the dialog class
    text(dialog.caption);
    if ((dialog.style & DS_SETFONT) != 0) {
        words.insert(words.end(), {dialog.pointSize, FW_NORMAL, 0});
        text(dialog.fontName.empty() ? "MS Shell Dlg" : dialog.fontName);
    }
    for (const DialogItemTemplate& item : dialog.items) {
        if (words.size() % 2 != 0)
            words.push_back(0);
        dword(item.helpId);
        dword(item.exStyle);
        dword(item.style);
        box(item.x, item.y, item.cx, item.cy);
        dword(item.id);
        text(item.className);
        text(item.text);
        words.push_back(0);
    }
    return words;
}

} // namespace win32
