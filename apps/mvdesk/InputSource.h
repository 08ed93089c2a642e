#pragma once

#include "LineEditor.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// Where the console's lines come from: a script file or standard input. Blank lines and
// comments ('#' to the end of the line) are skipped. A terminal is read through the line
// editor, where the build has one.
class InputSource {
public:
    // Reads standard input; prompts only when it is a terminal, whose lines are kept in the
    // history file (DefaultHistoryFile()).
    InputSource();
    // Reads a script file; `ok()` is false when it cannot be opened.
    explicit InputSource(const std::string& path);
    ~InputSource();
    InputSource(const InputSource&) = delete;
    InputSource& operator=(const InputSource&) = delete;

    bool ok() const { return file_ != nullptr; }
    // A line longer than kLineLimit ended the input: it was no script.
    bool overlong() const { return overlong_; }
    static constexpr size_t kLineLimit = size_t{64} << 20;
    bool interactive() const { return interactive_; }
    // The stream read; null once it ended with an overlong line.
    std::FILE* stream() const { return file_; }
    // The next meaningful line, or nothing at end of input. `prompt` is shown on a terminal.
    std::optional<std::string> Next(const char* prompt = "mvdesk> ");
    // Completes words typed at a terminal; nothing elsewhere.
    void SetCompleter(LineEditor::Completer completer);

private:
    std::unique_ptr<LineEditor> editor_;
    std::FILE* file_ = nullptr;
    bool owned_ = false;
    bool interactive_ = false;
    bool overlong_ = false;
};
