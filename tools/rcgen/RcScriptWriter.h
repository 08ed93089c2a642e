#pragma once

#include "platform/ResourceModule.h"

#include <ostream>
#include <string>
#include <vector>

// Which resources a script holds, by kind and id.
struct RcContents {
    std::vector<UINT> strings;
    std::vector<UINT> menus;
    std::vector<UINT> accelerators;
    std::vector<UINT> dialogs;
    std::vector<UINT> toolbars;
    std::vector<UINT> icons;
    std::vector<UINT> bitmaps;
};

// Writes a module's resources of one language as a Win32 resource script. The script is in
// the language's code page, as the texts the module hands out are; icons and bitmaps are
// named as files in an image folder given relative to the script.
class RcScriptWriter {
public:
    RcScriptWriter(const ResourceModule& resources, Language language);

    // Throws std::runtime_error when the module lacks a resource the contents name.
    std::string Script(const RcContents& contents, const std::string& imageFolder) const;

    // A resource-script string literal of text in the code page: quotes doubled, backslashes
    // and control characters escaped, double-byte characters of code page 932 kept whole.
    static std::string Quote(const std::string& text, int codePage);

    static std::string IconFileName(UINT id);
    static std::string BitmapFileName(UINT id);

private:
    void WriteStrings(std::ostream& out, const std::vector<UINT>& ids) const;
    void WriteMenu(std::ostream& out, UINT id) const;
    void WriteMenuItems(std::ostream& out, const std::vector<MenuItemTemplate>& items,
                        int depth) const;
    void WriteAccelerators(std::ostream& out, UINT id) const;
    void WriteDialog(std::ostream& out, UINT id) const;
    void WriteToolbar(std::ostream& out, UINT id) const;
    std::string Quoted(const std::string& text) const;

    const ResourceModule& resources_;
    Language language_;
    int codePage_;
};
