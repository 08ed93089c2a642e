#include "rcgen/RcScriptWriter.h"

#include "resources/TextCodec.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace {

bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

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

std::string RcScriptWriter::Quote(const std::string& text, int codePage) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (codePage == 932 && IsCp932LeadByte(c) && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else if (c == '"') {
            out += "\"\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", c);
            out += buffer;
        } else {
            out += text[i];
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
    return Quote(text, codePage_);
}

std::string RcScriptWriter::Script(const RcContents& contents,
                                   const std::string& imageFolder) const {
    bool japanese = language_ == Language::Japanese;
    std::ostringstream out;
    out << "// Resources of the Inspector module in " << (japanese ? "Japanese" : "English")
        << ", written by mvkinsp_rcgen from the\n"
        << "// module's resource tables. Change the tables, not this file.\n\n"
        << "#pragma code_page(" << codePage_ << ")\n\n"
        << (japanese ? "LANGUAGE 0x11, 0x01\n\n" : "LANGUAGE 0x09, 0x01\n\n");
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
