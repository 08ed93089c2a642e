#pragma once

#include <string>

// Converts UTF-8 text to a code page (932 or 1252); what the code page cannot hold
// becomes '?'.
std::string Utf8ToCodePage(const std::string& text, int codePage);
