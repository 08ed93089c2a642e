#pragma once

#include "LineEditor.h"

// The line editor over the system's editline library (its readline interface).
class EditLineEditor : public LineEditor {
public:
    explicit EditLineEditor(std::string historyFile);
    ~EditLineEditor() override;
    EditLineEditor(const EditLineEditor&) = delete;
    EditLineEditor& operator=(const EditLineEditor&) = delete;

    std::optional<std::string> ReadLine(const char* prompt) override;
    void Remember(const std::string& line) override;
    void SetCompleter(Completer completer) override;

private:
    static char** Attempt(const char* text, int start, int end);
    static char* Generate(const char* text, int state);

    std::string historyFile_;
    Completer completer_;
    std::vector<std::string> matches_;
    size_t next_ = 0;
};
