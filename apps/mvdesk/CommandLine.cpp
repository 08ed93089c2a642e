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

namespace {

// The length of the UTF-8 sequence starting at `at`, or 0 when it is malformed, overlong, a
// surrogate or beyond U+10FFFF.
size_t Utf8Length(std::string_view text, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (size_t i = at + 1; i < at + length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    unsigned char second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

} // namespace

std::string LineFault(std::string_view line) {
    for (size_t at = 0; at < line.size();) {
        std::string column = std::to_string(at + 1);
        if (line[at] == '\0')
            return "a NUL byte at column " + column + " of the line";
        size_t length = Utf8Length(line, at);
        if (length == 0)
            return "the line is not UTF-8 at column " + column;
        at += length;
    }
    return {};
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
