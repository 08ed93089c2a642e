#pragma once

// Dialogs of the framework on Windows: the framework names a template by the DialogTemplate
// it found (WinResources.h); the dialog itself is the real one, made from the module's
// template resource of that id, or for a module registered with its templates in memory
// (NativeBackend.h) from the template in the form the system reads.

#include "../ResourceTypes.h"
#include "Win32Api.h"

#include <vector>

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param);

namespace win32 {

// The template as the system reads it from memory (the extended form, which keeps the
// controls' help ids), its texts in the active code page.
std::vector<WORD> DialogTemplateBytes(const DialogTemplate& dialog);

} // namespace win32
