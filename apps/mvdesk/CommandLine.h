#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the console reads a line: comments, words and numbers. Plain functions, so that they
// are checked, and fuzzed, without a desktop.

// The line without its comment and without blanks around it. A '#' that starts a word begins
// a comment, unless a digit, or a sign and a digit, follow it: "#12" names a pad by ID and
// "#-1" is a wrong one, not a comment.
std::string StripComment(std::string_view line);

// Splits a command line into words; double quotes group words and are removed. `quoted`, when
// given, tells per word whether quotes were part of it: a quoted word is always a name.
std::vector<std::string> SplitWords(std::string_view line, std::vector<bool>* quoted = nullptr);

// Why a line cannot be a command, naming the place (the column, counted in bytes from 1):
// a NUL byte, which would cut the line short, or bytes that are not UTF-8. Empty when the
// line is sound.
std::string LineFault(std::string_view line);

// A whole decimal integer with an optional sign, or with `hex` also 0x and hex digits.
struct ParsedNumber {
    enum Result { Ok, NotANumber, OutOfRange } result = NotANumber;
    long long value = 0;
};
ParsedNumber ParseInteger(std::string_view text, long long low, long long high, bool hex = false);
