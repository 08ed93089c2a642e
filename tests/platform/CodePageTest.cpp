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

// The conversion is the system's: the same bytes on every window system, down to what it does
// with characters a code page lacks and with bytes that are not UTF-8.
TEST(CodePage, WhatTheCodePageLacksConvertsAsTheSystemConvertsIt) {
    struct LossCase {
        const char* utf8;
        int codePage;
        std::string bytes;
        const char* why;
    };
    const LossCase fromUtf8[] = {
        {"ボタン!", 1252,
         "???"
         "!",
         "characters the code page lacks"},
        {"a😀b", 932, "a??b", "a character beyond 16 bits: each half of its pair"},
        {"a\U000E0041b", 932, "a??b", "a tag character is no exception"},
        {"¥ ‾ ⅰ", 932, "? ? \xFA\x40", "no best fit; of two codes the system's choice"},
        {"\u0081\u008D", 1252, "\x81\x8D", "the control characters 1252 keeps"},
        {"\u0080\uF8F0\uF8F3", 932, "\x80\xA0\xFF", "the single bytes 932 keeps"},
        {"x\xFFy", 1252, "x?y", "a stray byte"},
        {"\xE3\x83", 932, "?", "a cut sequence"},
        {"\xE3\x41", 932, "?", "cut: the rest of the text goes with it"},
        {"\xE3\x83\x41.", 932, "?A.", "a byte that does not continue is kept"},
        {"\xED\xA0\x80.", 932, "??.", "a surrogate: known at its second byte"},
        {"\xE0\x80\x80\xC0\x80.", 1252, "????.", "overlong forms"},
        {"\xF4\x90\x80\x80.", 1252, "???.", "above U+10FFFF"},
    };
    for (const LossCase& loss : fromUtf8) {
        SCOPED_TRACE(loss.why);
        EXPECT_EQ(codepage::FromUtf8(loss.utf8, loss.codePage), loss.bytes);
    }
    const LossCase toUtf8[] = {
        {"\u30FB\u30FB", 932, "\x81\x0A\x82", "a bad pair and a cut one: the middle dot"},
        {"\u30FB", 932, std::string("\x81\0", 2), "a NUL is never a trail byte"},
        {"ⅰ", 932, "\xEE\xEF", "the other code of the same character"},
        {"\u0081\u008D", 1252, "\x81\x8D", "the bytes 1252 leaves unassigned"},
        {"\u0080\uF8F0\uF8F1", 932, "\x80\xA0\xFD", "the single bytes 932 keeps"},
    };
    for (const LossCase& loss : toUtf8) {
        SCOPED_TRACE(loss.why);
        std::string expected = loss.utf8;
        if (loss.bytes.back() == '\0')
            expected += '\0';
        EXPECT_EQ(codepage::ToUtf8(loss.bytes, loss.codePage), expected);
    }
    std::string japanese;
    for (int i = 0; i < 20000; ++i)
        japanese += "ボ";
    EXPECT_EQ(codepage::FromUtf8(japanese, 1252), std::string(20000, '?'));
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
