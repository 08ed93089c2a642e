#pragma once

#include <cstddef>

// Cuts a double-byte text to at most n bytes without leaving half a character: a lead
// byte that would be the last byte kept becomes a space. `text` must hold n + 1 bytes
// when it is at least n bytes long.
void inspTruncateMbcs(char* text, std::size_t n);

// Mode other than 1: copies `source` to `destination` writing each LF as CR LF;
// `destination` must hold twice the source length plus one. Mode 1: turns CR LF pairs
// back into LF in `source` itself and returns it.
char* inspConvertNewlines(char* source, char* destination, int mode);
