#pragma once

#include <string>
#include <vector>

class Console;

// What Tab offers for the word being typed, given the line before it: command words, frame
// numbers, menu paths, pad paths, row labels, key names, dialog actions and control ids and
// captions, as the command's usage names its arguments. Words with blanks come quoted.
std::vector<std::string> CompleteWord(Console& console, const std::string& before,
                                      const std::string& word);

// The candidates that begin with `word` (in any case; a quoted candidate also without its
// opening quote), in their order, each once.
std::vector<std::string> KeepPrefixed(const std::vector<std::string>& candidates,
                                      const std::string& word);
