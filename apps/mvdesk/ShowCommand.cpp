#include "ShowCommand.h"

#include "Console.h"
#include "FrameTracker.h"
#include "ListDescription.h"
#include "Terminal.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/CommCtrl.h"
#include "platform/NativeMenu.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

using Args = Console::Args;

// Row icons as small glyphs: plain, expanded, collapsed; braces when selected on the desktop.
const char* const kRowGlyphs[] = {"[ ]", "[-]", "[+]", "{ }", "{-}", "{+}"};

// Terminal columns a UTF-8 text takes: East Asian wide characters take two.
size_t DisplayWidth(const std::string& text) {
    size_t width = 0;
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        unsigned codePoint = byte;
        size_t length = 1;
        if (byte >= 0xF0) {
            length = 4;
            codePoint = byte & 0x07;
        } else if (byte >= 0xE0) {
            length = 3;
            codePoint = byte & 0x0F;
        } else if (byte >= 0xC0) {
            length = 2;
            codePoint = byte & 0x1F;
        }
        for (size_t k = 1; k < length && i + k < text.size(); ++k)
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        bool halfWidthKana = codePoint >= 0xFF61 && codePoint <= 0xFF9F;
        bool wide = !halfWidthKana && ((codePoint >= 0x1100 && codePoint <= 0x115F) ||
                                       (codePoint >= 0x2E80 && codePoint <= 0xA4CF) ||
                                       (codePoint >= 0xAC00 && codePoint <= 0xD7A3) ||
                                       (codePoint >= 0xF900 && codePoint <= 0xFAFF) ||
                                       (codePoint >= 0xFE30 && codePoint <= 0xFE4F) ||
                                       (codePoint >= 0xFF00 && codePoint <= 0xFF60) ||
                                       (codePoint >= 0xFFE0 && codePoint <= 0xFFE6) ||
                                       codePoint == 0x25A0 || codePoint == 0x25A1);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

std::string Pad(const std::string& text, size_t width) {
    size_t shown = DisplayWidth(text);
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.push_back("");
    return fields;
}

std::string MenuBarLine(Console& console, HWND frame) {
    std::string line;
    for (const native::MenuItemInfo& item : native::DescribeMenu(GetMenu(frame)))
        line +=
            (line.empty() ? "" : "  ") + console.FromCodePage(native::MenuDisplayText(item.text));
    return line;
}

std::string ToolbarLine(HWND frame) {
    auto* bar =
        dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(GetDlgItem(frame, AFX_IDW_TOOLBAR)));
    if (bar == nullptr)
        return "";
    std::string line;
    for (int i = 0; i < bar->GetCount(); ++i) {
        UINT id = bar->GetItemID(i);
        if (id == 0) {
            line += " |";
            continue;
        }
        UINT state = bar->GetButtonState(i);
        line += " " + std::to_string(id);
        if (!(state & TBSTATE_ENABLED))
            line += "(off)";
        if (state & TBSTATE_CHECKED)
            line += "(on)";
    }
    return line;
}

void Show(Console& console, const Args& args) {
    HWND frame = nullptr;
    if (!console.ArgCount(args, 1, 1, "show N") || !console.FrameArg(args, 0, frame))
        return;
    bool colour = IsTerminal(fileno(stdout));
    console.Print("== " + QuotedTitle(frame));
    console.Print("menu: " + MenuBarLine(console, frame));
    if (auto* frameWnd = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(frame)))
        AfxIdleUpdate(frameWnd);
    console.Print("toolbar:" + ToolbarLine(frame));

    std::vector<std::vector<std::string>> table;
    std::vector<std::string> states;
    for (const std::string& line : DescribeList(GetDlgItem(frame, AFX_IDW_PANE_FIRST))) {
        std::vector<std::string> fields = SplitTabs(console.FromCodePage(line));
        if (fields.empty())
            continue;
        if (fields[0] == "#") {
            fields[0] = "   ";
            table.push_back(fields);
            states.push_back("-");
            continue;
        }
        // index, states, image, cells…
        std::vector<std::string> row;
        int image = fields.size() > 2 ? std::atoi(fields[2].c_str()) : 0;
        row.push_back(image >= 0 && image < 6 ? kRowGlyphs[image] : "   ");
        row.insert(row.end(), fields.begin() + std::min<size_t>(3, fields.size()), fields.end());
        table.push_back(row);
        states.push_back(fields.size() > 1 ? fields[1] : "-");
    }
    std::vector<size_t> widths;
    for (const auto& row : table) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    // Rows are numbered as click, drag and key take them; the header row has no number.
    size_t rows =
        table.empty() || states[0] != "-" || table[0][0] != "   " ? table.size() : table.size() - 1;
    size_t numberWidth = std::to_string(rows > 0 ? rows - 1 : 0).size();
    for (size_t r = 0, row = 0; r < table.size(); ++r) {
        const std::string& state = states[r];
        bool header = r == 0 && rows < table.size();
        std::string number = header ? "" : std::to_string(row++);
        number = std::string(numberWidth - number.size(), ' ') + number + " ";
        bool selected = state.find('S') != std::string::npos;
        bool focused = state.find('F') != std::string::npos;
        // A drop target is painted as a selected row is.
        bool target = state.find('D') != std::string::npos;
        std::string line = colour ? ""
                                  : (target     ? "+"
                                     : selected ? "*"
                                                : " ") +
                                        std::string(focused ? ">" : " ");
        selected = selected || target;
        for (size_t c = 0; c < table[r].size(); ++c)
            line += (c ? " " : "") + Pad(table[r][c], widths[c]);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (colour && (selected || focused))
            line = std::string(selected ? "\x1b[7m" : "") + (focused ? "\x1b[4m" : "") + line +
                   "\x1b[0m";
        console.Print(number + line);
    }

    auto* status =
        dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(GetDlgItem(frame, AFX_IDW_STATUS_BAR)));
    if (status != nullptr)
        console.Print("status: " + console.FromCodePage(status->GetPaneText(0)) + " | " +
                      console.FromCodePage(status->GetPaneText(1)));
}

} // namespace

void RegisterShowCommand(Console& console) {
    console.Define("show", "show N",
                   "frame N as a person sees it: title, menu, toolbar, "
                   "table and status",
                   [&console](const Args& a) { Show(console, a); });
}
