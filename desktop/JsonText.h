#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// Where and why a text is not the JSON wanted: a line and column (in characters, from 1), or
// line 0 and the JSON pointer of the value at fault, or neither when no place applies.
struct JsonProblem {
    int line = 0;
    int column = 0;
    std::string message;
    std::string pointer;
};

// Parses a JSON document without recursion. Numbers too large for a double fail with their
// place, as syntax errors do; nesting deeper than `maxDepth` fails too, and so does an object
// that gives a key twice (with the JSON pointer of the object).
bool ParseJson(std::string_view text, nlohmann::json& root, JsonProblem& problem,
               std::size_t maxDepth = std::numeric_limits<std::size_t>::max());
