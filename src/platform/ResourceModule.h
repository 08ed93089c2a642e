#pragma once

#include "ResourceTypes.h"
#include "WinTypes.h"

// The language of a resource set; it also fixes the active code page of the process.
enum class Language { English, Japanese };

// The resources of one module in both languages. A module registers one of these with
// the window system and gets back the handle that LoadStringA and friends take. Pointers
// handed out stay valid as long as the module object; null means the resource is absent.
class ResourceModule {
public:
    virtual ~ResourceModule() = default;
    // The string with this id in the given language, in its code page; null when absent.
    virtual const char* FindString(Language language, UINT id) const = 0;
    virtual bool HasIcon(UINT id) const = 0;

    virtual const MenuTemplate* FindMenu(Language, UINT) const { return nullptr; }
    // Accelerators are the same in every language.
    virtual const AcceleratorTable* FindAccelerators(UINT) const { return nullptr; }
    virtual const DialogTemplate* FindDialog(Language, UINT) const { return nullptr; }
    virtual const ToolbarTemplate* FindToolbar(UINT) const { return nullptr; }
    virtual const ImageResource* FindIcon(Language, UINT) const { return nullptr; }
    virtual const ImageResource* FindBitmap(Language, UINT) const { return nullptr; }
};
