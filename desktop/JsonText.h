#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// Where and why a text is not the JSON wanted: a line and column (in characters, from 1),
// or line 0 when no place applies.
struct JsonProblem {
    int line = 0;
    int column = 0;
    std::string message;
};

// Parses a JSON document without recursion. Numbers too large for a double fail with their
// place, as syntax errors do; nesting deeper than `maxDepth` fails too.
bool ParseJson(std::string_view text, nlohmann::json& root, JsonProblem& problem,
               std::size_t maxDepth = std::numeric_limits<std::size_t>::max());
