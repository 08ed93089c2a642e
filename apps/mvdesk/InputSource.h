#pragma once

#include "LineEditor.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

class LineReader;

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

    bool ok() const { return ok_; }
    // A line longer than kLineLimit ended the input: it was no script.
    bool overlong() const { return overlong_; }
    static constexpr size_t kLineLimit = size_t{64} << 20;
    bool interactive() const { return interactive_; }
    // Whether the input has nothing left to give, now or later: a pipe or terminal whose
    // writer is gone, with nothing of it still unread. A file or a live writer has not ended;
    // Windows reads on a thread of its own and answers false.
    bool Gone() const;

    struct Input {
        enum Kind { Line, Message, End } kind = End;
        std::string line;
    };
    // The next meaningful line, or the end of input. Where the windows stay live while the
    // console waits (Windows), a message queued for the thread comes first: `Message` tells
    // the caller to let its message loop take it. `prompt` is shown on a terminal, once for
    // each line.
    Input Await(const char* prompt);
    // The next line or the end if either is at hand already; nothing otherwise (Windows: the
    // native window system has no other thread to read its input).
    std::optional<Input> Poll(const char* prompt);
    // The next meaningful line, or nothing at end of input, whatever the window system has
    // queued meanwhile.
    std::optional<std::string> Next(const char* prompt = "mvdesk> ");
    // Completes words typed at a terminal; nothing elsewhere.
    void SetCompleter(LineEditor::Completer completer);

private:
    std::unique_ptr<LineEditor> editor_;
    Input Ended();
    void Prompt(const char* prompt);
    // Windows: the reading thread's next line or end, if it has one.
    std::optional<Input> Take(const char* prompt);

    // Where the lines come from; null once the input ended with an overlong line.
    std::FILE* file_ = nullptr;
    // Bytes read from file_'s descriptor and not yet taken (not on Windows). The stream's
    // own buffer stays empty, so this is all that is read ahead.
    std::string readAhead_;
    size_t taken_ = 0;
    // The next byte of the input, or EOF.
    int NextByte();
    bool owned_ = false;
    bool ok_ = false;
    bool interactive_ = false;
    bool overlong_ = false;
    bool ended_ = false;
    bool prompted_ = false;
    std::unique_ptr<LineReader> reader_;
};
