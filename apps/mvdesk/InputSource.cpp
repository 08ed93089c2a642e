#include "InputSource.h"

#include "CommandLine.h"
#include "Terminal.h"

#include <cstdio>

InputSource::InputSource() : file_(stdin), interactive_(IsTerminal(fileno(stdin))) {
    if (interactive_ && IsTerminal(fileno(stdout)))
        editor_ = LineEditor::ForTerminal(DefaultHistoryFile());
}

InputSource::InputSource(const std::string& path)
    : file_(std::fopen(path.c_str(), "r")), owned_(true) {}

void InputSource::SetCompleter(LineEditor::Completer completer) {
    if (editor_)
        editor_->SetCompleter(std::move(completer));
}

InputSource::~InputSource() {
    if (owned_ && file_ != nullptr)
        std::fclose(file_);
}

std::optional<std::string> InputSource::Next(const char* prompt) {
    if (file_ == nullptr)
        return std::nullopt;
    while (editor_) {
        std::optional<std::string> typed = editor_->ReadLine(prompt);
        if (!typed)
            return std::nullopt;
        std::string line = StripComment(*typed);
        if (line.empty())
            continue;
        editor_->Remember(*typed);
        return line;
    }
    for (;;) {
        if (interactive_) {
            std::fputs(prompt, stdout);
            std::fflush(stdout);
        }
        std::string line;
        int c;
        while ((c = std::fgetc(file_)) != EOF && c != '\n') {
            if (line.size() == kLineLimit) {
                std::printf("error: an input line is longer than %zu MiB; the rest of the "
                            "input is ignored\n",
                            kLineLimit >> 20);
                std::fflush(stdout);
                overlong_ = true;
                if (owned_)
                    std::fclose(file_);
                file_ = nullptr;
                return std::nullopt;
            }
            line.push_back(static_cast<char>(c));
        }
        if (c == EOF && line.empty())
            return std::nullopt;
        line = StripComment(line);
        if (!line.empty())
            return line;
    }
}
