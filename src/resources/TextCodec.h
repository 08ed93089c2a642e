#pragma once

#include "platform/ResourceModule.h"

#include <string>

// Converts UTF-8 text to a code page (932 or 1252); what the code page cannot hold
// becomes '?'.
std::string Utf8ToCodePage(const std::string& text, int codePage);

// Converts text in a code page (932 or 1252) to UTF-8; bytes that are no character of the
// code page become '?'.
std::string CodePageToUtf8(const std::string& text, int codePage);

// The code page a language's resources are handed out in: 1252 English, 932 Japanese.
int LanguageCodePage(Language language);
