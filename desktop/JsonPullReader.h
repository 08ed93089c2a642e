#pragma once

#include <string>
#include <string_view>

// Reads JSON text front to back, one value at a time, for a reader that knows the shape it
// expects; nothing is kept of what was read. It accepts only text the document parser
// (JsonText) accepts and reads each value as the parser would, but it does not say what is
// wrong: a syntax error, a value of another kind than asked for, or a number it does not read
// exactly as the parser does throws Unreadable, and the caller leaves the text to the parser,
// which tells where and why.
class JsonPullReader {
public:
    struct Unreadable {};

    explicit JsonPullReader(std::string_view text) : text_(text) {}

    // The first character of the next value, after white space; 0 at the end of the text.
    char Peek();
    void BeginObject();
    // The next key of the innermost open object, or false when the object ends there.
    bool NextKey(std::string_view& key);
    void BeginArray();
    // Whether the innermost open array has another element.
    bool NextElement();
    // UTF-8 with escapes decoded; valid until the next string or key is read.
    std::string_view String();
    // Whether every byte of the last string or key read is below 0x80.
    bool Ascii() const { return ascii_; }
    bool Boolean();
    // Reads null if it comes next.
    bool Null();
    // A number written without a fraction or an exponent that fits in 64 bits, signed.
    long long Integer();
    // Any number, as the parser keeps it and a double holds it.
    double Number();
    // Only white space is left.
    void End();

private:
    [[noreturn]] static void Fail() { throw Unreadable{}; }
    void SkipSpace();
    // Past the comma before the next member of the innermost open object or array, or past
    // its `close` (then false) when it has no more.
    bool NextMember(char close);
    void Expect(char c);
    void Literal(std::string_view word);
    std::string_view ReadString();
    // Decodes from an escape on, into `buffer_`.
    std::string_view DecodeString(std::size_t start);
    // A UTF-8 sequence as the parser accepts it; returns its length.
    std::size_t Utf8Length(std::size_t at) const;
    unsigned Hex4();
    // The number's text, and whether it has neither fraction nor exponent.
    std::string_view NumberText(bool& integral);

    std::string_view text_;
    std::size_t at_ = 0;
    // An object or array has just begun: its first member comes without a comma.
    bool first_ = false;
    bool ascii_ = true;
    std::string buffer_;
};
