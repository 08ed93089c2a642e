#include "InputSource.h"

#include <cctype>
#include <unistd.h>

InputSource::InputSource() : file_(stdin), interactive_(isatty(STDIN_FILENO) != 0) {}

InputSource::InputSource(const std::string& path)
    : file_(std::fopen(path.c_str(), "r")), owned_(true) {}

InputSource::~InputSource() {
    if (owned_ && file_ != nullptr)
        std::fclose(file_);
}

std::optional<std::string> InputSource::Next(const char* prompt) {
    if (file_ == nullptr)
        return std::nullopt;
    for (;;) {
        if (interactive_) {
            std::fputs(prompt, stdout);
            std::fflush(stdout);
        }
        std::string line;
        int c;
        while ((c = std::fgetc(file_)) != EOF && c != '\n')
            line.push_back(static_cast<char>(c));
        if (c == EOF && line.empty())
            return std::nullopt;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto comment = line.find('#');
        // A '#' that starts a word begins a comment; "#12" names a pad by ID.
        while (comment != std::string::npos) {
            bool startsWord = comment == 0 || line[comment - 1] == ' ' || line[comment - 1] == '\t';
            bool padId = comment + 1 < line.size() &&
                         std::isdigit(static_cast<unsigned char>(line[comment + 1]));
            if (startsWord && !padId)
                break;
            comment = line.find('#', comment + 1);
        }
        if (comment != std::string::npos)
            line.erase(comment);
        auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        auto last = line.find_last_not_of(" \t");
        return line.substr(first, last - first + 1);
    }
}
