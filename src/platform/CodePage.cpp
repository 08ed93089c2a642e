#include "CodePage.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <span>
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

enum class Decoded { Character, Invalid };

// One UTF-8 character as the system's converter reads it, with the bytes it takes (`length`).
// A lead byte announces how many continuation bytes follow; when the text ends before them,
// the rest of the text is one bad character. Otherwise continuation bytes are taken one by one
// until the character cannot be valid (an overlong form, a surrogate, above U+10FFFF): the byte
// that shows it is taken with the bad character, a byte that is no continuation is not.
Decoded DecodeUtf8(std::string_view text, char32_t& cp, size_t& length) {
    auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    length = 1;
    if (lead < 0x80) {
        cp = lead;
        return Decoded::Character;
    }
    size_t following = lead >= 0xC2 && lead <= 0xDF   ? 1
                       : lead >= 0xE0 && lead <= 0xEF ? 2
                       : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                      : 0;
    if (following == 0)
        return Decoded::Invalid;
    if (following >= text.size()) {
        length = text.size();
        return Decoded::Invalid;
    }
    cp = lead & (0x7F >> (following + 1));
    for (size_t i = 1; i <= following; ++i) {
        unsigned char next = byte(i);
        if ((next & 0xC0) != 0x80)
            return Decoded::Invalid;
        cp = cp << 6 | (next & 0x3F);
        length = i + 1;
        // After the second byte of a longer character the value already tells an overlong
        // form, a surrogate or a code point above U+10FFFF.
        size_t shift = 6 * (following - i);
        if (i == 1 && following > 1 &&
            (cp < (following == 2 ? 0x800u : 0x10000u) >> shift ||
             (following == 2 && cp >= 0xD800u >> shift && cp <= 0xDFFFu >> shift) ||
             cp >= 0x110000u >> shift))
            return Decoded::Invalid;
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
    // What a byte or pair the code page does not define becomes.
    char32_t unknown = kReplacement;
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
    // Bytes the system's tables give a code point of their own and the library's lack: the
    // unassigned bytes of 1252 stand for the control characters of the same number, those of
    // 932 for U+0080 and private-use characters.
    struct Extra {
        unsigned char byte;
        char32_t cp;
    };
    static constexpr Extra western[] = {
        {0x81, 0x81}, {0x8D, 0x8D}, {0x8F, 0x8F}, {0x90, 0x90}, {0x9D, 0x9D}};
    static constexpr Extra japanese[] = {
        {0x80, 0x80}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};
    for (const Extra& extra : codePage == 932 ? std::span(japanese) : std::span(western)) {
        if (tables.single[extra.byte] == kNone)
            tables.single[extra.byte] = extra.cp;
    }
    if (codePage == 932)
        tables.unknown = 0x30FB; // the katakana middle dot, as the system's converter gives
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
    // No best fit: a character is written only as bytes that read back as that character
    // (U+00A5 YEN SIGN does not become the backslash byte).
    for (char32_t cp = 0; cp < 0x10000; ++cp) {
        uint32_t entry = tables.encode[cp];
        if (entry == kUnmappable)
            continue;
        uint32_t bytes = entry & 0xFFFF;
        char32_t back = (entry >> 16) == 2 ? tables.pairs[bytes] : tables.single[bytes];
        if (back != cp)
            tables.encode[cp] = kUnmappable;
    }
    for (int b = 0; b < 256; ++b) {
        char32_t cp = tables.single[static_cast<size_t>(b)];
        if (cp < 0x10000 && tables.encode[cp] == kUnmappable)
            tables.encode[cp] = 1u << 16 | static_cast<uint32_t>(b);
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
        // Neither half of the surrogate pair that stands for it is held.
        out += "??";
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
            pos += length;
            break;
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
                AppendUtf8(out, tables.unknown); // the text ends inside a character
                break;
            }
            auto trail = static_cast<unsigned char>(text[pos + 1]);
            cp = tables.pairs[static_cast<size_t>(byte) * 256 + trail];
            // A NUL after a lead byte is never taken as its trail byte.
            length = trail == 0 ? 1 : 2;
        }
        AppendUtf8(out, cp == kNone ? tables.unknown : cp);
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
