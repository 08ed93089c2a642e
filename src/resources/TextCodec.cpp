#include "TextCodec.h"

int LanguageCodePage(Language language) {
    return language == Language::Japanese ? 932 : 1252;
}
