#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Reads lines typed at a terminal with line editing, a history kept between runs and Tab
// completion. The build gives it a line-editing library where the system has one; without
// one there is no editor and the console reads its input plainly.
class LineEditor {
public:
    // The candidates for the word being typed, given the line before it.
    using Completer =
        std::function<std::vector<std::string>(const std::string& before, const std::string& word)>;

    // An editor for standard input, keeping at most kHistoryLines lines in `historyFile`;
    // null where the build has no line editing.
    static std::unique_ptr<LineEditor> ForTerminal(const std::string& historyFile);
    static constexpr int kHistoryLines = 1000;

    virtual ~LineEditor() = default;
    // The next line, or nothing at the end of input.
    virtual std::optional<std::string> ReadLine(const char* prompt) = 0;
    // Adds a line to the history and saves it.
    virtual void Remember(const std::string& line) = 0;
    virtual void SetCompleter(Completer completer) = 0;
};

// The history file in the user's data directory: $XDG_DATA_HOME, else ~/.local/share, then
// mosvane/mvdesk_history; empty when neither is known.
std::string DefaultHistoryFile();
