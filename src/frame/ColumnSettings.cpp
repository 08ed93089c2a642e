#include "ColumnSettings.h"

#include "host/CRegistryKey.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kReadBuffer = 256;
// The widest column a stored value may ask for. The list control takes a column width in the
// low word of its message (LVM_SETCOLUMNWIDTH), so nothing wider can be shown; with this
// bound three columns and the frame add up far below the range of int.
constexpr long kMaxStoredWidth = 32767;

// Tokens between commas; adjacent commas count as one.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        std::size_t end = comma == std::string::npos ? text.size() : comma;
        if (end > start)
            tokens.push_back(text.substr(start, end - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return tokens;
}

// The decimal value of the token's leading part; 0 without digits. None when the number
// does not fit an int: such a value is malformed, never wrapped into range.
std::optional<int> LeadingInt(const std::string& token) {
    errno = 0;
    long value = std::strtol(token.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

ColumnSet ParseColumnSettings(const std::string& stored) {
    const ColumnSet defaults;
    // The value is a string: whatever follows its first NUL byte is not part of it.
    const std::string text = stored.substr(0, stored.find('\0'));
    if (text.empty() || text.size() >= kReadBuffer)
        return defaults;
    std::vector<std::string> tokens = Tokens(text);
    if (tokens.empty())
        return defaults;
    std::optional<int> count = LeadingInt(tokens[0]);
    if (!count || *count < 1 || *count > kMaxColumns)
        return defaults;
    ColumnSet set;
    set.columnCount = *count;
    std::size_t next = 1;
    for (int i = 0; i < *count; ++i) {
        if (next >= tokens.size())
            return defaults;
        std::optional<int> id = LeadingInt(tokens[next++]);
        bool valid = id && (i == 0 ? *id == 0 : *id >= 1 && *id <= kMaxStoredColumnId);
        if (!valid || next >= tokens.size())
            return defaults;
        std::optional<int> width = LeadingInt(tokens[next++]);
        // Negative widths all stand for the automatic width.
        if (!width || *width > kMaxStoredWidth)
            return defaults;
        set.columnIds[i] = *id;
        set.columnWidths[i] = *width;
    }
    return set;
}

std::string FormatColumnSettings(int count, const int ids[], const int widths[]) {
    std::string text = std::to_string(count);
    for (int i = 0; i < count && i < kMaxColumns; ++i) {
        if (ids[i] < 0 || ids[i] > kMaxStoredColumnId)
            continue;
        text += "," + std::to_string(ids[i]) + "," + std::to_string(widths[i]);
    }
    return text;
}

ColumnSet LoadColumnSettings() {
    std::string text;
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) == 0) {
        std::string value;
        if (key.Read(kSettingsValue, value) == 0 && !value.empty())
            text = value;
        key.Close();
    }
    return ParseColumnSettings(text);
}

bool SaveColumnSettings(const std::string& text) {
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) != 0)
        return false;
    bool written = key.Write(kSettingsValue, text.c_str()) == 0;
    key.Close();
    return written;
}
