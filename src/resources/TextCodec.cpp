#include "TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

const char* CodePageName(int codePage) {
    return codePage == 932 ? "CP932" : "CP1252";
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Converts with iconv. Input it cannot convert becomes '?' and is skipped: one byte, with
// the bytes that isContinuation (when given) says belong to the same character.
std::string Convert(const std::string& text, const char* to, const char* from,
                    bool (*isContinuation)(char)) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return text;
    std::string out;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out.push_back('?');
            ++in;
            --inLeft;
            while (isContinuation != nullptr && inLeft > 0 && isContinuation(*in)) {
                ++in;
                --inLeft;
            }
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string Utf8ToCodePage(const std::string& text, int codePage) {
    return Convert(text, CodePageName(codePage), "UTF-8", IsUtf8Continuation);
}

std::string CodePageToUtf8(const std::string& text, int codePage) {
    return Convert(text, "UTF-8", CodePageName(codePage), nullptr);
}

int LanguageCodePage(Language language) {
    return language == Language::Japanese ? 932 : 1252;
}
