// Any input as console lines: faults, comments, words and numbers are read without failing,
// a line with a NUL byte is refused, and a number read is within the range asked for and
// reads the same again.

#include "CommandLine.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void CheckNumber(const std::string& word, long long low, long long high, bool hex) {
    ParsedNumber number = ParseInteger(word, low, high, hex);
    if (number.result != ParsedNumber::Ok)
        return;
    if (number.value < low || number.value > high)
        std::abort();
    ParsedNumber again = ParseInteger(std::to_string(number.value), low, high);
    if (again.result != ParsedNumber::Ok || again.value != number.value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        size_t end = input.find('\n');
        std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        // A line taken as a command holds no NUL byte, which would cut it short.
        if (LineFault(line).empty() && line.find('\0') != std::string_view::npos)
            std::abort();
        std::string stripped = StripComment(line);
        if (stripped.size() > line.size())
            std::abort();
        for (const std::string& word : SplitWords(stripped)) {
            CheckNumber(word, INT_MIN, INT_MAX, false);
            CheckNumber(word, 1, 0xFFFFFFFFLL, false);
            CheckNumber(word, 0, 0xFFFFFFFFLL, true);
            if (word.size() > 1 && word[0] == '#')
                CheckNumber(word.substr(1), 1, 0xFFFFFFFFLL, false);
        }
    }
    return 0;
}
