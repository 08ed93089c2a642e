#pragma once

#include <string>
#include <string_view>

// Text conversion between UTF-8 (scenes, the console) and the code page the pads hold their
// texts in: 932 (Shift-JIS as Windows extends it) or 1252.
namespace codepage {

// A character the code page cannot hold becomes '?' (one for each half of a character beyond
// 16 bits), and so do bytes that are not UTF-8, taken as the system takes them.
std::string FromUtf8(std::string_view utf8, int codePage);
// Bytes that do not decode in the code page become its default character (U+30FB in 932).
std::string ToUtf8(std::string_view text, int codePage);
// True when a double-byte character of the code page starts with this byte.
bool IsLeadByte(int codePage, unsigned char byte);

} // namespace codepage
