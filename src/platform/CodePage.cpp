#include "CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace codepage {

namespace {

const char* IconvName(int codePage) {
    return codePage == 932 ? "CP932" : "WINDOWS-1252";
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle Open(const char* to, const char* from) {
    iconv_t handle = iconv_open(to, from);
    if (handle == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(handle);
}

// Length of the UTF-8 sequence starting at `text`, 1 for a stray byte so that it is skipped
// on its own.
size_t Utf8SequenceLength(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xE  ? 3
                    : (lead >> 3) == 0x1E ? 4
                                          : 1;
    if (length > text.size())
        return 1;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

// Converts `in` through `handle`, replacing each input unit that fails with `replacement`;
// `unitLength` tells how long the failing unit at a position is.
template <typename UnitLength>
std::string Convert(void* handle, std::string_view in, std::string_view replacement,
                    UnitLength unitLength) {
    auto cd = static_cast<iconv_t>(handle);
    std::string out;
    char buffer[256];
    size_t pos = 0;
    while (pos < in.size()) {
        char* inPtr = const_cast<char*>(in.data() + pos);
        size_t inLeft = in.size() - pos;
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        pos = in.size() - inLeft;
        int error = errno;
        if (result != static_cast<size_t>(-1) || error == E2BIG)
            continue;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        out.append(replacement);
        if (error == EINVAL)
            break; // the text ends inside a character
        pos += unitLength(in.substr(pos));
    }
    return out;
}

} // namespace

std::string FromUtf8(std::string_view utf8, int codePage) {
    IconvHandle handle = Open(IconvName(codePage), "UTF-8");
    if (!handle) {
        std::string ascii;
        for (char c : utf8)
            ascii += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return ascii;
    }
    return Convert(handle.get(), utf8, "?", Utf8SequenceLength);
}

std::string ToUtf8(std::string_view text, int codePage) {
    IconvHandle handle = Open("UTF-8", IconvName(codePage));
    if (!handle)
        return std::string(text);
    auto unitLength = [codePage](std::string_view rest) -> size_t {
        return IsLeadByte(codePage, static_cast<unsigned char>(rest[0])) && rest.size() > 1 ? 2 : 1;
    };
    return Convert(handle.get(), text, "\xEF\xBF\xBD", unitLength);
}

bool IsLeadByte(int codePage, unsigned char byte) {
    if (codePage != 932)
        return false;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace codepage
