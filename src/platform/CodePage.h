#pragma once

#include <string>
#include <string_view>

// Text conversion between UTF-8 (scenes, the console) and the code page the pads hold their
// texts in: 932 (Shift-JIS as Windows extends it) or 1252.
namespace codepage {

// A character the code page cannot hold, or a byte that is not UTF-8, becomes '?'.
std::string FromUtf8(std::string_view utf8, int codePage);
// Bytes that do not decode in the code page become U+FFFD.
std::string ToUtf8(std::string_view text, int codePage);
// True when a double-byte character of the code page starts with this byte.
bool IsLeadByte(int codePage, unsigned char byte);

} // namespace codepage
