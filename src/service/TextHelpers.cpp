#include "TextHelpers.h"

#include "host/MvHostServices.h"

#include <cstring>

void inspTruncateMbcs(char* text, std::size_t n) {
    if (text == nullptr || std::strlen(text) < n)
        return;
    std::size_t i = 0;
    while (i < n) {
        if (MwIsMbyteLead(text + i)) {
            if (i + 1 == n)
                text[i] = ' ';
            i += 2;
        } else {
            i += 1;
        }
    }
    text[n] = '\0';
}

char* inspConvertNewlines(char* source, char* destination, int mode) {
    if (mode != 1) {
        char* out = destination;
        for (const char* in = source ? source : ""; *in != '\0'; ++in) {
            if (*in == '\n')
                *out++ = '\r';
            *out++ = *in;
        }
        *out = '\0';
        return destination;
    }
    if (source == nullptr)
        return nullptr;
    char* read = std::strstr(source, "\r\n");
    if (read == nullptr)
        return source;
    char* write = read;
    while (*read != '\0') {
        if (read[0] == '\r' && read[1] == '\n')
            ++read;
        *write++ = *read++;
    }
    *write = '\0';
    return source;
}
