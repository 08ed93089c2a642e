#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodePage, ConvertsUtf8IntoTheCodePageAndBack) {
    struct ConversionCase {
        const char* utf8;
        int codePage;
        const char* bytes;
    };
    const ConversionCase cases[] = {
        {"ボタン", 932, "\x83\x7B\x83\x5E\x83\x93"},
        {"OK ｶﾅ", 932, "OK \xB6\xC5"},
        {"café €", 1252, "caf\xE9 \x80"},
        {"plain", 1252, "plain"},
    };
    for (const ConversionCase& conversion : cases) {
        SCOPED_TRACE(conversion.utf8);
        EXPECT_EQ(codepage::FromUtf8(conversion.utf8, conversion.codePage), conversion.bytes);
        EXPECT_EQ(codepage::ToUtf8(conversion.bytes, conversion.codePage), conversion.utf8);
    }
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(codepage::FromUtf8("ボタン!", 1252), "???"
                                                   "!");
    EXPECT_EQ(codepage::FromUtf8("a😀b", 932), "a?b");
    EXPECT_EQ(codepage::FromUtf8("x\xFFy", 1252), "x?y") << "a stray byte is not UTF-8";
    EXPECT_EQ(codepage::FromUtf8("\xE3\x83", 932), "?") << "a cut sequence";
    EXPECT_EQ(codepage::FromUtf8("a\xF0\x80", 1252), "a?") << "cut, however it would end";
    EXPECT_EQ(codepage::FromUtf8("\xED\xA0\x80.", 932), "?.") << "a surrogate";
    EXPECT_EQ(codepage::ToUtf8("\x81\x0A\x82", 932), "\uFFFD\uFFFD") << "a bad pair, a cut one";
    std::string japanese;
    for (int i = 0; i < 20000; ++i)
        japanese += "ボ";
    EXPECT_EQ(codepage::FromUtf8(japanese, 1252), std::string(20000, '?'));
}

// Where several code page characters stand for one, or none does, the conversion keeps to
// what the system's converter chooses.
TEST(CodePage, ChoicesOfTheSystemConverterAreKept) {
    EXPECT_EQ(codepage::FromUtf8("¥ ‾ ⅰ", 932), "\x5C \x7E \xFA\x40");
    EXPECT_EQ(codepage::ToUtf8("\xEE\xEF", 932), "ⅰ");
    EXPECT_EQ(codepage::FromUtf8("a\U000E0041b", 932), "ab") << "a tag character vanishes";
    EXPECT_EQ(codepage::ToUtf8("\x81\x8D", 1252), "\uFFFD\uFFFD");
}

TEST(CodePage, LeadBytesExistOnlyInCodePage932) {
    struct LeadCase {
        unsigned char byte;
        bool lead932;
    };
    const LeadCase cases[] = {
        {0x41, false}, {0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
        {0xA1, false}, {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false},
    };
    for (const LeadCase& lead : cases) {
        SCOPED_TRACE(static_cast<int>(lead.byte));
        EXPECT_EQ(codepage::IsLeadByte(932, lead.byte), lead.lead932);
        EXPECT_FALSE(codepage::IsLeadByte(1252, lead.byte));
    }
}

} // namespace
