#pragma once

#include "WinTypes.h"

// The language of a resource set; it also fixes the active code page of the process.
enum class Language { English, Japanese };

// The resources of one module in both languages. A module registers one of these with
// the window system and gets back the handle that LoadStringA and friends take.
class ResourceModule {
public:
    virtual ~ResourceModule() = default;
    // The string with this id in the given language, in its code page; null when absent.
    virtual const char* FindString(Language language, UINT id) const = 0;
    virtual bool HasIcon(UINT id) const = 0;
};
