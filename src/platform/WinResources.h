#pragma once

// Finding a module's menu, accelerator, dialog, toolbar and image resources by instance
// handle, in the active language, as the Win32 resource functions find theirs. The objects
// that use them (menus, accelerator tables, dialogs, image lists) are built from these.

#include "ResourceTypes.h"

const MenuTemplate* FindMenuResource(HINSTANCE instance, UINT id);
const AcceleratorTable* FindAcceleratorResource(HINSTANCE instance, UINT id);
const DialogTemplate* FindDialogResource(HINSTANCE instance, UINT id);
const ToolbarTemplate* FindToolbarResource(HINSTANCE instance, UINT id);
// An icon resource when icon is true, else a bitmap resource.
const ImageResource* FindImageResource(HINSTANCE instance, UINT id, bool icon);

// A menu made of a template with the system's menu functions; the caller destroys it.
HMENU MenuFromTemplate(const MenuTemplate& source);
