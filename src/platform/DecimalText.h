#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reading a dialog field's text as a number, as the dialog manager's GetDlgItemInt does:
// blanks before the number are skipped; anything else that is not a decimal digit (a blank
// after the digits too), an empty text, or a value that does not fit in 32 bits makes the
// text unreadable.

// An optional '-' or '+' before the digits.
std::optional<std::int32_t> ParseSignedDecimal(std::string_view text);
// Digits only: a sign makes the text unreadable.
std::optional<std::uint32_t> ParseUnsignedDecimal(std::string_view text);
