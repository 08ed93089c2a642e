#pragma once

#include <string_view>
#include <vector>

// What `help WORD` tells beyond a command's usage and summary: its group in `help`, what it
// prints and an example.
struct CommandHelp {
    const char* word;
    const char* group;
    const char* prints;
    const char* example;
};

// The help of a command word; null for a word without any (it goes under "other").
const CommandHelp* FindCommandHelp(std::string_view word);

// The groups in the order `help` lists them.
const std::vector<const char*>& HelpGroups();
