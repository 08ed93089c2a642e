#include "DecimalText.h"

#include <cstdint>
#include <limits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The digits as a magnitude no larger than `limit`; none for no digits, another character
// or a larger value.
std::optional<std::uint64_t> Magnitude(std::string_view digits, std::uint64_t limit) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int32_t> ParseSignedDecimal(std::string_view text) {
    text = Trimmed(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::optional<std::uint64_t> magnitude = Magnitude(text, negative ? kMax + 1 : kMax);
    if (!magnitude)
        return std::nullopt;
    const std::int64_t value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::uint32_t> ParseUnsignedDecimal(std::string_view text) {
    std::optional<std::uint64_t> magnitude =
        Magnitude(Trimmed(text), std::numeric_limits<std::uint32_t>::max());
    if (!magnitude)
        return std::nullopt;
    return static_cast<std::uint32_t>(*magnitude);
}
