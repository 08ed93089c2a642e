#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the console finds what a person names instead of numbering: a dialog control by its
// caption, a row by its label, a menu item by its text, a key, a pad. Plain functions over
// UTF-8 texts, so that the rules are checked without windows.

// A name as it is compared: without '&' (a doubled "&&" keeps one), without a trailing "..."
// or ':' and blanks around it, ASCII letters in lower case.
std::string FoldName(std::string_view name);

// The number of single-byte insertions, deletions, substitutions and swaps of neighbours
// between two texts.
size_t EditDistance(std::string_view a, std::string_view b);

// A word of digits, with an optional sign: a number, as before names were taken.
bool IsNumberWord(std::string_view word);

// What a name matched among candidates (indices into them). Candidates spelled exactly as
// the name win over those equal only once folded; `nearest` holds, when nothing matched,
// the one or two candidates closest to the name.
struct NameMatch {
    std::vector<size_t> hits;
    std::vector<size_t> nearest;
};
NameMatch MatchName(std::string_view wanted, const std::vector<std::string>& candidates);

// "; did you mean 'A'?" or "; did you mean 'A' or 'B'?" for the nearest candidates, or "".
std::string DidYouMean(const NameMatch& match, const std::vector<std::string>& candidates);
