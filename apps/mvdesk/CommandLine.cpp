#include "CommandLine.h"

#include <cctype>
#include <charconv>

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string StripComment(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    for (size_t at = line.find('#'); at != std::string_view::npos; at = line.find('#', at + 1)) {
        bool startsWord = at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t';
        size_t digit =
            at + 1 < line.size() && (line[at + 1] == '-' || line[at + 1] == '+') ? at + 2 : at + 1;
        bool padId = digit < line.size() && IsDigit(line[digit]);
        if (startsWord && !padId) {
            line = line.substr(0, at);
            break;
        }
    }
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return "";
    size_t last = line.find_last_not_of(" \t");
    return std::string(line.substr(first, last - first + 1));
}

std::vector<std::string> SplitWords(std::string_view line, std::vector<bool>* quotedWords) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    bool hadQuotes = false;
    auto finish = [&]() {
        words.push_back(word);
        if (quotedWords != nullptr)
            quotedWords->push_back(hadQuotes);
    };
    if (quotedWords != nullptr)
        quotedWords->clear();
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
            hadQuotes = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                finish();
            word.clear();
            inWord = false;
            hadQuotes = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord)
        finish();
    return words;
}

ParsedNumber ParseInteger(std::string_view text, long long low, long long high, bool hex) {
    ParsedNumber parsed;
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int base = 10;
    if (hex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text.front())))
        return parsed;
    unsigned long long magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (end != text.data() + text.size())
        return parsed;
    parsed.result = ParsedNumber::OutOfRange;
    // Anything beyond the range of a long long is out of every range asked for.
    constexpr unsigned long long kLargest = 1ULL << 63;
    if (error == std::errc::result_out_of_range || magnitude > kLargest ||
        (!negative && magnitude == kLargest))
        return parsed;
    long long value =
        negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
    if (value < low || value > high)
        return parsed;
    parsed.result = ParsedNumber::Ok;
    parsed.value = value;
    return parsed;
}
