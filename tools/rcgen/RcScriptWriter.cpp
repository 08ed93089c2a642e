#include "rcgen/RcScriptWriter.h"

#include "rcgen/VersionScript.h"

#include "platform/CodePage.h"
#include "resources/TextCodec.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace {

std::string Hex(unsigned long value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX", value);
    return buffer;
}

std::string Indent(int depth) {
    return std::string(static_cast<size_t>(4 * depth), ' ');
}

[[noreturn]] void Missing(const char* kind, UINT id) {
    throw std::runtime_error(std::string("the module has no ") + kind + " " + std::to_string(id));
}

} // namespace

RcScriptWriter::RcScriptWriter(const ResourceModule& resources, Language language)
    : resources_(resources), language_(language), codePage_(LanguageCodePage(language)) {}

std::string RcScriptWriter::Quote(const std::string& utf8) {
    // No byte of a multi-byte UTF-8 sequence is a quote, a backslash or a control character.
    std::string out = "\"";
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", byte);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string RcScriptWriter::IconFileName(UINT id) {
    return "icon" + std::to_string(id) + ".ico";
}

std::string RcScriptWriter::BitmapFileName(UINT id) {
    return "bitmap" + std::to_string(id) + ".bmp";
}

std::string RcScriptWriter::Quoted(const std::string& text) const {
    return Quote(codepage::ToUtf8(text, codePage_));
}

std::string RcScriptWriter::Script(const ResourceModule& resources, const RcContents& contents) {
    std::ostringstream out;
    out << "// Resources of the Inspector module in English and Japanese, written by "
           "mvkinsp_rcgen\n"
        << "// from the module's resource tables. Change the tables, not this file.\n\n"
        << "#pragma code_page(65001)\n";
    for (Language language : {Language::English, Language::Japanese}) {
        RcScriptWriter writer(resources, language);
        out << "\n" << writer.Block(contents, ImageFolder(language));
    }
    out << "\n" << version::Block({"mvkinsp.dll", "Mosvane Inspector", false});
    return out.str();
}

std::string RcScriptWriter::ImageFolder(Language language) {
    return language == Language::Japanese ? "ja" : "en";
}

std::string RcScriptWriter::Block(const RcContents& contents,
                                  const std::string& imageFolder) const {
    bool japanese = language_ == Language::Japanese;
    std::ostringstream out;
    out << (japanese ? "LANGUAGE 0x11, 0x01\n\n" : "LANGUAGE 0x09, 0x01\n\n");
    WriteStrings(out, contents.strings);
    for (UINT id : contents.menus)
        WriteMenu(out, id);
    for (UINT id : contents.accelerators)
        WriteAccelerators(out, id);
    for (UINT id : contents.dialogs)
        WriteDialog(out, id);
    for (UINT id : contents.toolbars)
        WriteToolbar(out, id);
    for (UINT id : contents.icons) {
        if (resources_.FindIcon(language_, id) == nullptr)
            Missing("icon", id);
        out << id << " ICON " << Quoted(imageFolder + "/" + IconFileName(id)) << "\n";
    }
    for (UINT id : contents.bitmaps) {
        if (resources_.FindBitmap(language_, id) == nullptr)
            Missing("bitmap", id);
        out << id << " BITMAP " << Quoted(imageFolder + "/" + BitmapFileName(id)) << "\n";
    }
    return out.str();
}

void RcScriptWriter::WriteStrings(std::ostream& out, const std::vector<UINT>& ids) const {
    if (ids.empty())
        return;
    out << "STRINGTABLE\nBEGIN\n";
    for (UINT id : ids) {
        const char* text = resources_.FindString(language_, id);
        if (text == nullptr)
            Missing("string", id);
        out << "    " << id << ", " << Quoted(text) << "\n";
    }
    out << "END\n\n";
}

void RcScriptWriter::WriteMenu(std::ostream& out, UINT id) const {
    const MenuTemplate* menu = resources_.FindMenu(language_, id);
    if (menu == nullptr)
        Missing("menu", id);
    out << id << " MENU\nBEGIN\n";
    WriteMenuItems(out, menu->items, 1);
    out << "END\n\n";
}

void RcScriptWriter::WriteMenuItems(std::ostream& out, const std::vector<MenuItemTemplate>& items,
                                    int depth) const {
    for (const MenuItemTemplate& item : items) {
        std::string options;
        if (item.flags & MF_GRAYED)
            options += ", GRAYED";
        if (item.flags & MF_CHECKED)
            options += ", CHECKED";
        if (item.flags & MF_HELP)
            options += ", HELP";
        if (item.IsSeparator()) {
            out << Indent(depth) << "MENUITEM SEPARATOR\n";
        } else if (item.IsPopup()) {
            out << Indent(depth) << "POPUP " << Quoted(item.text) << options << "\n"
                << Indent(depth) << "BEGIN\n";
            WriteMenuItems(out, item.children, depth + 1);
            out << Indent(depth) << "END\n";
        } else {
            out << Indent(depth) << "MENUITEM " << Quoted(item.text) << ", " << item.id << options
                << "\n";
        }
    }
}

void RcScriptWriter::WriteAccelerators(std::ostream& out, UINT id) const {
    const AcceleratorTable* table = resources_.FindAccelerators(id);
    if (table == nullptr)
        Missing("accelerator table", id);
    out << id << " ACCELERATORS\nBEGIN\n";
    for (const ACCEL& accel : table->entries) {
        char key[8];
        std::snprintf(key, sizeof key, "0x%02X", accel.key);
        out << "    " << key << ", " << accel.cmd;
        if (accel.fVirt & FVIRTKEY)
            out << ", VIRTKEY";
        if (accel.fVirt & FSHIFT)
            out << ", SHIFT";
        if (accel.fVirt & FCONTROL)
            out << ", CONTROL";
        if (accel.fVirt & FALT)
            out << ", ALT";
        if (accel.fVirt & FNOINVERT)
            out << ", NOINVERT";
        out << "\n";
    }
    out << "END\n\n";
}

void RcScriptWriter::WriteDialog(std::ostream& out, UINT id) const {
    const DialogTemplate* dialog = resources_.FindDialog(language_, id);
    if (dialog == nullptr)
        Missing("dialog", id);
    out << id << " DIALOGEX " << dialog->x << ", " << dialog->y << ", " << dialog->cx << ", "
        << dialog->cy << "\n"
        << "STYLE " << Hex(dialog->style) << "\n";
    if (dialog->exStyle != 0)
        out << "EXSTYLE " << Hex(dialog->exStyle) << "\n";
    out << "CAPTION " << Quoted(dialog->caption) << "\n"
        << "FONT " << dialog->pointSize << ", " << Quoted(dialog->fontName) << ", 0, 0, "
        << (language_ == Language::Japanese ? "0x80" : "0x0") << "\n"
        << "BEGIN\n";
    for (const DialogItemTemplate& item : dialog->items) {
        out << "    CONTROL " << Quoted(item.text) << ", " << item.id << ", "
            << Quoted(item.className) << ", " << Hex(item.style) << ", " << item.x << ", " << item.y
            << ", " << item.cx << ", " << item.cy << ", " << Hex(item.exStyle) << ", "
            << item.helpId << "\n";
    }
    out << "END\n\n";
}

void RcScriptWriter::WriteToolbar(std::ostream& out, UINT id) const {
    const ToolbarTemplate* toolbar = resources_.FindToolbar(id);
    if (toolbar == nullptr)
        Missing("toolbar", id);
    out << id << " TOOLBAR " << toolbar->buttonWidth << ", " << toolbar->buttonHeight
        << "\nBEGIN\n";
    for (UINT button : toolbar->buttons) {
        if (button == 0)
            out << "    SEPARATOR\n";
        else
            out << "    BUTTON " << button << "\n";
    }
    out << "END\n\n";
}
