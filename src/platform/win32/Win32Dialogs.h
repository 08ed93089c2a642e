#pragma once

// Dialogs of the framework on Windows: the framework names a template by the DialogTemplate
// it found (WinResources.h); the dialog itself is the real one, made from the module's
// template resource of that id.

#include "../ResourceTypes.h"
#include "Win32Api.h"

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialog, HWND owner,
                                DLGPROC proc, LPARAM param);
