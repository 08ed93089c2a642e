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

// Writes a module's resources as a Win32 resource script in UTF-8 (code page 65001), one
// LANGUAGE block for English and one for Japanese under the same ids; the resource compiler
// stores the texts as Unicode and the system hands them out in the active code page. Icons
// and bitmaps are named as files in a folder per language, relative to the script.
class RcScriptWriter {
public:
    RcScriptWriter(const ResourceModule& resources, Language language);

    // The whole script. Throws std::runtime_error when the module lacks a resource the
    // contents name.
    static std::string Script(const ResourceModule& resources, const RcContents& contents);
    // This language's block, its images in `imageFolder`.
    std::string Block(const RcContents& contents, const std::string& imageFolder) const;
    static std::string ImageFolder(Language language);

    // A resource-script string literal of UTF-8 text: quotes doubled, backslashes and
    // control characters escaped.
    static std::string Quote(const std::string& utf8);

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
