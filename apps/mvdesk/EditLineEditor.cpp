#include "EditLineEditor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <editline/readline.h>
#include <filesystem>

namespace {

// The library calls back through plain functions; only one editor reads the terminal.
EditLineEditor* active = nullptr;

} // namespace

std::unique_ptr<LineEditor> LineEditor::ForTerminal(const std::string& historyFile) {
    if (active != nullptr)
        return nullptr;
    return std::make_unique<EditLineEditor>(historyFile);
}

EditLineEditor::EditLineEditor(std::string historyFile) : historyFile_(std::move(historyFile)) {
    active = this;
    rl_readline_name = "mvdesk";
    // Words break at blanks only: menu and pad paths complete as one word.
    static char breaks[] = " \t";
    rl_completer_word_break_characters = breaks;
    rl_attempted_completion_function = &EditLineEditor::Attempt;
    using_history();
    stifle_history(kHistoryLines);
    if (!historyFile_.empty())
        read_history(historyFile_.c_str());
}

EditLineEditor::~EditLineEditor() {
    rl_attempted_completion_function = nullptr;
    active = nullptr;
}

std::optional<std::string> EditLineEditor::ReadLine(const char* prompt) {
    char* line = readline(prompt);
    if (line == nullptr) {
        // The end of input leaves the terminal's next prompt on a line of its own.
        std::fputc('\n', stdout);
        std::fflush(stdout);
        return std::nullopt;
    }
    std::string text = line;
    std::free(line);
    return text;
}

void EditLineEditor::Remember(const std::string& line) {
    add_history(line.c_str());
    if (historyFile_.empty())
        return;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(historyFile_).parent_path(), error);
    write_history(historyFile_.c_str());
}

void EditLineEditor::SetCompleter(Completer completer) {
    completer_ = std::move(completer);
}

char** EditLineEditor::Attempt(const char* text, int start, int) {
    rl_attempted_completion_over = 1;
    if (active == nullptr || !active->completer_)
        return nullptr;
    std::string before(rl_line_buffer, static_cast<size_t>(std::max(start, 0)));
    active->matches_ = active->completer_(before, text);
    if (active->matches_.empty())
        return nullptr;
    return rl_completion_matches(text, &EditLineEditor::Generate);
}

char* EditLineEditor::Generate(const char*, int state) {
    if (active == nullptr)
        return nullptr;
    if (state == 0)
        active->next_ = 0;
    if (active->next_ >= active->matches_.size())
        return nullptr;
    return strdup(active->matches_[active->next_++].c_str());
}
