#include "../CodePage.h"

#include "Win32Api.h"

namespace codepage {

namespace {

std::wstring Wide(std::string_view text, UINT codePage) {
    int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    // UTF-8 takes neither flags nor a default character.
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    int length = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, fallback, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(),
                        length, fallback, nullptr);
    return text;
}

} // namespace

std::string FromUtf8(std::string_view utf8, int codePage) {
    return Narrow(Wide(utf8, CP_UTF8), static_cast<UINT>(codePage));
}

std::string ToUtf8(std::string_view text, int codePage) {
    return Narrow(Wide(text, static_cast<UINT>(codePage)), CP_UTF8);
}

bool IsLeadByte(int codePage, unsigned char byte) {
    return IsDBCSLeadByteEx(static_cast<UINT>(codePage), byte) != FALSE;
}

} // namespace codepage
