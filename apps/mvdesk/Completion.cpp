#include "Completion.h"

#include "CommandLine.h"
#include "Console.h"
#include "Desktop.h"
#include "DesktopSession.h"
#include "MenuCommands.h"
#include "NameMatch.h"
#include "platform/NativeBackend.h"
#include "platform/NativeMenu.h"

#include <algorithm>
#include <sstream>

namespace {

const std::vector<std::string> kPadOperations = {
    "add",   "move",    "resize", "hide",    "show", "delete", "destroy", "select", "deselect",
    "group", "ungroup", "rename", "connect", "slot", "output", "protect", "paste"};
const std::vector<std::string> kDialogActions = {"set",  "check", "uncheck", "click", "select",
                                                 "spin", "key",   "rclick",  "help"};

HWND FrameOf(Console& console, const std::vector<std::string>& words, size_t index) {
    if (index >= words.size() || !IsNumberWord(words[index]))
        return nullptr;
    return console.Tracker().Frame(std::atoi(words[index].c_str()));
}

std::vector<std::string> Frames(Console& console) {
    std::vector<std::string> numbers;
    for (const auto& [number, frame] : console.Tracker().Frames())
        numbers.push_back(std::to_string(number));
    return numbers;
}

std::vector<std::string> Pads(Console& console) {
    Desktop& desktop = console.Session().GetDesktop();
    std::vector<std::string> paths;
    for (DesktopPad* pad : desktop.AllPads())
        paths.push_back(console.FromCodePage(desktop.PathOf(pad)));
    return paths;
}

std::vector<std::string> DialogControls(Console& console) {
    std::vector<std::string> names;
    HWND dialog = console.Tracker().Dialog();
    if (dialog == nullptr)
        return names;
    for (HWND control : native::ChildWindows(dialog)) {
        names.push_back(std::to_string(GetDlgCtrlID(control)));
        std::string caption = console.FromCodePage(native::GetWindowTextOf(control));
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        if (!caption.empty())
            names.push_back(caption);
    }
    return names;
}

// The candidates for argument `position` (0 the first after the command word) of a command
// whose usage names that argument `placeholder`.
std::vector<std::string> ForPlaceholder(Console& console, const std::string& placeholder,
                                        const std::vector<std::string>& words) {
    if (placeholder == "N")
        return Frames(console);
    if (placeholder == "PAD" || placeholder == "PARENT" || placeholder == "ONTO")
        return Pads(console);
    if (placeholder == "ROW" || placeholder == "FROM" || placeholder == "TO") {
        HWND frame = FrameOf(console, words, 1);
        return frame != nullptr ? console.RowLabels(frame) : std::vector<std::string>{};
    }
    if (placeholder == "PATH" || placeholder == "ID") {
        HWND frame = FrameOf(console, words, 1);
        std::vector<Leaf> leaves;
        if (frame != nullptr)
            CollectLeaves(console, native::ReadMenuBar(frame), "", leaves);
        std::vector<std::string> paths;
        for (Leaf& leaf : leaves)
            paths.push_back(std::move(leaf.path));
        return paths;
    }
    if (placeholder == "KEY")
        return KeyNameList();
    if (placeholder == "WORD")
        return console.CommandNames();
    return {};
}

} // namespace

std::vector<std::string> KeepPrefixed(const std::vector<std::string>& candidates,
                                      const std::string& word) {
    std::string wanted = FoldName(word.size() > 0 && word[0] == '"' ? word.substr(1) : word);
    std::vector<std::string> kept;
    for (std::string candidate : candidates) {
        if (candidate.find_first_of(" \t") != std::string::npos)
            candidate = "\"" + candidate + "\"";
        std::string bare = candidate[0] == '"' ? candidate.substr(1) : candidate;
        std::string folded = bare;
        for (char& c : folded)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        bool fits = folded.compare(0, wanted.size(), wanted) == 0;
        if (fits && std::find(kept.begin(), kept.end(), candidate) == kept.end())
            kept.push_back(candidate);
    }
    return kept;
}

std::vector<std::string> CompleteWord(Console& console, const std::string& before,
                                      const std::string& word) {
    std::vector<std::string> words = SplitWords(before);
    if (words.empty())
        return KeepPrefixed(console.CommandNames(), word);
    const std::string& command = words.front();
    size_t position = words.size() - 1;
    if (command == "pad")
        return KeepPrefixed(position == 0 ? kPadOperations : Pads(console), word);
    if (command == "dlg") {
        if (position == 0)
            return KeepPrefixed(kDialogActions, word);
        if (position == 1 && words[1] == "key")
            return KeepPrefixed(KeyNameList(), word);
        return position == 1 ? KeepPrefixed(DialogControls(console), word)
                             : std::vector<std::string>{};
    }
    if (command == "help")
        return KeepPrefixed(console.CommandNames(), word);
    // The usage names the arguments: "click N ROW [ctrl] [shift]"; a trailing "..." repeats.
    std::istringstream usage(console.Usage(command));
    std::vector<std::string> placeholders;
    for (std::string token; usage >> token;) {
        if (token == "|")
            break;
        placeholders.push_back(token);
    }
    if (placeholders.size() < 2)
        return {};
    std::string placeholder =
        position + 1 < placeholders.size() ? placeholders[position + 1] : placeholders.back();
    bool repeats = placeholder.size() > 3 && placeholder.substr(placeholder.size() - 3) == "...";
    if (position + 1 >= placeholders.size() && !repeats)
        return {};
    if (repeats)
        placeholder.resize(placeholder.size() - 3);
    placeholder.erase(std::remove(placeholder.begin(), placeholder.end(), '['), placeholder.end());
    placeholder.erase(std::remove(placeholder.begin(), placeholder.end(), ']'), placeholder.end());
    if (placeholder == "ctrl" || placeholder == "shift")
        return KeepPrefixed({"ctrl", "shift"}, word);
    return KeepPrefixed(ForPlaceholder(console, placeholder, words), word);
}
