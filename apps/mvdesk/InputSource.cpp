#include "InputSource.h"

#include "CommandLine.h"
#include "LineReader.h"
#include "Terminal.h"
#include "platform/Win.h"

#include <cerrno>
#include <cstdio>

#ifndef _WIN32
#include <poll.h>
#include <unistd.h>
#endif

#ifdef _WIN32

// On Windows the lines are read on a thread of their own (LineReader): the user-interface
// thread waits for a line and for its messages at once, so that its windows stay live.

InputSource::InputSource() : ok_(true), interactive_(IsTerminal(fileno(stdin))) {
    reader_ = std::make_unique<LineReader>(GetStdHandle(STD_INPUT_HANDLE), false, kLineLimit);
}

InputSource::InputSource(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ok_ = file != INVALID_HANDLE_VALUE;
    if (ok_)
        reader_ = std::make_unique<LineReader>(file, true, kLineLimit);
}

InputSource::~InputSource() = default;

// What the reader has at hand: a line, or the end of the input; nothing while it reads on.
std::optional<InputSource::Input> InputSource::Take(const char* prompt) {
    if (!reader_)
        return Ended();
    LineReader::Entry entry;
    if (!reader_->TryTake(entry)) {
        Prompt(prompt);
        return std::nullopt;
    }
    prompted_ = false;
    if (entry.kind == LineReader::Entry::Line)
        return Input{Input::Line, std::move(entry.line)};
    overlong_ = overlong_ || entry.overlong;
    return Ended();
}

InputSource::Input InputSource::Await(const char* prompt) {
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            return Input{Input::Message, {}};
        if (std::optional<Input> input = Take(prompt))
            return std::move(*input);
        HANDLE ready = reader_->Ready();
        MsgWaitForMultipleObjectsEx(1, &ready, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

std::optional<InputSource::Input> InputSource::Poll(const char* prompt) {
    return Take(prompt);
}

std::optional<std::string> InputSource::Next(const char* prompt) {
    for (;;) {
        if (std::optional<Input> input = Take(prompt)) {
            if (input->kind == Input::Line)
                return std::move(input->line);
            return std::nullopt;
        }
        WaitForSingleObject(reader_->Ready(), INFINITE);
    }
}

// The reading thread tells the end of the input as a line of its own.
bool InputSource::Gone() const {
    return false;
}

#else

InputSource::InputSource() : file_(stdin), ok_(true), interactive_(IsTerminal(fileno(stdin))) {
    if (interactive_ && IsTerminal(fileno(stdout)))
        editor_ = LineEditor::ForTerminal(DefaultHistoryFile());
}

InputSource::InputSource(const std::string& path)
    : file_(std::fopen(path.c_str(), "r")), owned_(true), ok_(file_ != nullptr) {}

InputSource::~InputSource() {
    if (owned_ && file_ != nullptr)
        std::fclose(file_);
}

// The native window system is still while the console waits: no message can come first.
InputSource::Input InputSource::Await(const char* prompt) {
    auto line = Next(prompt);
    return line ? Input{Input::Line, std::move(*line)} : Input{Input::End, {}};
}

std::optional<InputSource::Input> InputSource::Poll(const char* prompt) {
    return Await(prompt);
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
        Prompt(prompt);
        prompted_ = false;
        std::string line;
        int c;
        while ((c = NextByte()) != EOF && c != '\n') {
            if (line.size() == kLineLimit) {
                overlong_ = true;
                if (owned_)
                    std::fclose(file_);
                file_ = nullptr;
                Ended();
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

int InputSource::NextByte() {
    if (taken_ == readAhead_.size()) {
        readAhead_.resize(64 * 1024);
        ssize_t got;
        do
            got = ::read(::fileno(file_), readAhead_.data(), readAhead_.size());
        while (got < 0 && errno == EINTR);
        readAhead_.resize(got > 0 ? static_cast<size_t>(got) : 0);
        taken_ = 0;
        if (readAhead_.empty())
            return EOF;
    }
    return static_cast<unsigned char>(readAhead_[taken_++]);
}

bool InputSource::Gone() const {
    if (file_ == nullptr || taken_ < readAhead_.size())
        return false;
    pollfd watched{::fileno(file_), POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 &&
           (watched.revents & POLLIN) == 0;
}

#endif

void InputSource::Prompt(const char* prompt) {
    if (interactive_ && !prompted_) {
        std::fputs(prompt, stdout);
        std::fflush(stdout);
        prompted_ = true;
    }
}

// The end of input, told once: an overlong line is reported where it stopped the input.
InputSource::Input InputSource::Ended() {
    if (overlong_ && !ended_) {
        std::printf("error: an input line is longer than %zu MiB; the rest of the input is "
                    "ignored\n",
                    kLineLimit >> 20);
        std::fflush(stdout);
    }
    ended_ = true;
    return Input{Input::End, {}};
}

void InputSource::SetCompleter(LineEditor::Completer completer) {
    if (editor_)
        editor_->SetCompleter(std::move(completer));
}
