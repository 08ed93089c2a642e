#include "CodePage.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <vector>

namespace codepage {

namespace {

const char* IconvName(int codePage) {
    return codePage == 932 ? "CP932" : "WINDOWS-1252";
}

constexpr char32_t kNone = 0xFFFFFFFF;
constexpr char32_t kLead = 0xFFFFFFFE;
constexpr uint32_t kUnmappable = 0xFFFFFFFF;
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
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

enum class Decoded { Character, Invalid, Cut };

// True when the text ends inside what its first byte announces, all continuation bytes so
// far: the system's converter reports that as a cut character, however the bytes would end.
bool EndsInsideSequence(std::string_view text) {
    auto lead = static_cast<unsigned char>(text[0]);
    size_t announced = lead >= 0xFC   ? 6
                       : lead >= 0xF8 ? 5
                       : lead >= 0xF0 ? 4
                       : lead >= 0xE0 ? 3
                       : lead >= 0xC0 ? 2
                                      : 1;
    if (lead >= 0xFE || text.size() >= announced)
        return false;
    for (size_t i = 1; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return false;
    }
    return true;
}

// One strict UTF-8 character: no overlong forms, surrogates or code points above U+10FFFF.
// Cut: the text ends inside a character.
Decoded DecodeUtf8(std::string_view text, char32_t& cp, size_t& length) {
    if (EndsInsideSequence(text))
        return Decoded::Cut;
    auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        cp = lead;
        length = 1;
        return Decoded::Character;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return Decoded::Invalid;
    }
    for (size_t i = 1; i < length; ++i) {
        if (i == text.size())
            return Decoded::Cut;
        unsigned char next = byte(i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return Decoded::Invalid;
        cp = cp << 6 | (next & 0x3F);
    }
    return Decoded::Character;
}

// A code page as tables built once from the system's converter, so that converting costs a
// lookup per character whatever the text holds: each byte (or lead byte) and each double-byte
// character to its code point, and each code point of the Basic Multilingual Plane to its
// bytes (length in bits 16 and up, bytes first byte high; kUnmappable for none).
struct Tables {
    bool ok = false;
    std::array<char32_t, 256> single{};
    std::vector<char32_t> pairs; // lead * 256 + trail
    std::vector<uint32_t> encode;
};

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

// Converts one unit; 0 on success with `out` filled, else EILSEQ or EINVAL.
int ConvertUnit(void* handle, std::string_view in, std::string& out) {
    auto cd = static_cast<iconv_t>(handle);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (result == static_cast<size_t>(-1))
        return errno == EINVAL ? EINVAL : EILSEQ;
    out.assign(buffer, static_cast<size_t>(outPtr - buffer));
    return inLeft == 0 ? 0 : EILSEQ;
}

char32_t OnlyCodePoint(const std::string& utf8) {
    char32_t cp = kNone;
    size_t length = 0;
    if (!utf8.empty() && DecodeUtf8(utf8, cp, length) == Decoded::Character &&
        length == utf8.size())
        return cp;
    return kNone;
}

Tables Build(int codePage) {
    Tables tables;
    IconvHandle decoder = Open("UTF-8", IconvName(codePage));
    IconvHandle encoder = Open(IconvName(codePage), "UTF-8");
    if (!decoder || !encoder)
        return tables;
    std::string out;
    bool leads = false;
    for (int b = 0; b < 256; ++b) {
        int result = ConvertUnit(decoder.get(), std::string(1, static_cast<char>(b)), out);
        tables.single[static_cast<size_t>(b)] = result == 0        ? OnlyCodePoint(out)
                                                : result == EINVAL ? kLead
                                                                   : kNone;
        leads = leads || result == EINVAL;
    }
    if (leads) {
        tables.pairs.assign(256 * 256, kNone);
        for (int lead = 0; lead < 256; ++lead) {
            if (tables.single[static_cast<size_t>(lead)] != kLead)
                continue;
            for (int trail = 0; trail < 256; ++trail) {
                char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (ConvertUnit(decoder.get(), std::string_view(pair, 2), out) == 0)
                    tables.pairs[static_cast<size_t>(lead * 256 + trail)] = OnlyCodePoint(out);
            }
        }
    }
    tables.encode.assign(0x10000, kUnmappable);
    std::string utf8;
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp < 0xE000)
            continue;
        utf8.clear();
        AppendUtf8(utf8, cp);
        if (ConvertUnit(encoder.get(), utf8, out) != 0 || out.size() > 2)
            continue;
        uint32_t bytes = 0;
        for (char c : out)
            bytes = bytes << 8 | static_cast<unsigned char>(c);
        tables.encode[cp] = static_cast<uint32_t>(out.size()) << 16 | bytes;
    }
    tables.ok = true;
    return tables;
}

const Tables& TablesOf(int codePage) {
    if (codePage == 932) {
        static const Tables japanese = Build(932);
        return japanese;
    }
    static const Tables western = Build(1252);
    return western;
}

void AppendEncoded(std::string& out, const Tables& tables, char32_t cp) {
    if (cp >= 0x10000) {
        // Tag characters vanish in the system's converter; nothing else there is held.
        if (cp < 0xE0000 || cp > 0xE007F)
            out += '?';
        return;
    }
    uint32_t entry = tables.encode[cp];
    if (entry == kUnmappable) {
        out += '?';
        return;
    }
    uint32_t length = entry >> 16;
    if (length == 2)
        out += static_cast<char>((entry >> 8) & 0xFF);
    if (length >= 1)
        out += static_cast<char>(entry & 0xFF);
}

} // namespace

std::string FromUtf8(std::string_view utf8, int codePage) {
    const Tables& tables = TablesOf(codePage);
    std::string out;
    out.reserve(utf8.size());
    if (!tables.ok) {
        for (char c : utf8)
            out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    size_t pos = 0;
    while (pos < utf8.size()) {
        std::string_view rest = utf8.substr(pos);
        char32_t cp = 0;
        size_t length = 0;
        switch (DecodeUtf8(rest, cp, length)) {
        case Decoded::Character:
            AppendEncoded(out, tables, cp);
            pos += length;
            break;
        case Decoded::Invalid:
            out += '?';
            pos += Utf8SequenceLength(rest);
            break;
        case Decoded::Cut:
            out += '?';
            return out;
        }
    }
    return out;
}

std::string ToUtf8(std::string_view text, int codePage) {
    const Tables& tables = TablesOf(codePage);
    if (!tables.ok)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    size_t pos = 0;
    while (pos < text.size()) {
        auto byte = static_cast<unsigned char>(text[pos]);
        char32_t cp = tables.single[byte];
        size_t length = 1;
        if (cp == kLead) {
            if (pos + 1 == text.size()) {
                AppendUtf8(out, kReplacement); // the text ends inside a character
                break;
            }
            auto trail = static_cast<unsigned char>(text[pos + 1]);
            cp = tables.pairs[static_cast<size_t>(byte) * 256 + trail];
            length = 2;
        }
        AppendUtf8(out, cp == kNone ? kReplacement : cp);
        pos += length;
    }
    return out;
}

bool IsLeadByte(int codePage, unsigned char byte) {
    if (codePage != 932)
        return false;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace codepage
