#include "JsonPullReader.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

void JsonPullReader::SkipSpace() {
    while (at_ < text_.size()) {
        char c = text_[at_];
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            return;
        ++at_;
    }
}

char JsonPullReader::Peek() {
    SkipSpace();
    return at_ < text_.size() ? text_[at_] : '\0';
}

void JsonPullReader::Expect(char c) {
    if (Peek() != c)
        Fail();
    ++at_;
}

void JsonPullReader::BeginObject() {
    Expect('{');
    first_ = true;
}

bool JsonPullReader::NextMember(char close) {
    char c = Peek();
    if (c == close) {
        ++at_;
        first_ = false;
        return false;
    }
    if (!first_) {
        if (c != ',')
            Fail();
        ++at_;
    }
    first_ = false;
    return true;
}

bool JsonPullReader::NextKey(std::string_view& key) {
    if (!NextMember('}'))
        return false;
    if (Peek() != '"')
        Fail();
    key = ReadString();
    Expect(':');
    return true;
}

void JsonPullReader::BeginArray() {
    Expect('[');
    first_ = true;
}

bool JsonPullReader::NextElement() {
    return NextMember(']');
}

std::string_view JsonPullReader::String() {
    if (Peek() != '"')
        Fail();
    return ReadString();
}

bool JsonPullReader::Boolean() {
    char c = Peek();
    if (c == 't') {
        Literal("true");
        return true;
    }
    if (c != 'f')
        Fail();
    Literal("false");
    return false;
}

bool JsonPullReader::Null() {
    if (Peek() != 'n')
        return false;
    Literal("null");
    return true;
}

void JsonPullReader::Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word)
        Fail();
    at_ += word.size();
}

long long JsonPullReader::Integer() {
    bool integral = false;
    std::string_view number = NumberText(integral);
    long long value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!integral || error != std::errc() || end != number.data() + number.size())
        Fail();
    return value;
}

double JsonPullReader::Number() {
    bool integral = false;
    std::string_view number = NumberText(integral);
    const char* end = number.data() + number.size();
    // As the parser: whole numbers as 64-bit integers, unsigned unless negative, and only
    // those that do not fit, or have a fraction or an exponent, as the C library reads them.
    if (integral && number.front() != '-') {
        unsigned long long value = 0;
        auto [stop, error] = std::from_chars(number.data(), end, value);
        if (error == std::errc() && stop == end)
            return static_cast<double>(value);
    } else if (integral) {
        long long value = 0;
        auto [stop, error] = std::from_chars(number.data(), end, value);
        if (error == std::errc() && stop == end)
            return static_cast<double>(value);
    }
    std::string digits(number);
    const std::lconv* locale = std::localeconv();
    char point = locale->decimal_point == nullptr ? '.' : *locale->decimal_point;
    for (char& c : digits) {
        if (c == '.')
            c = point;
    }
    char* stop = nullptr;
    double value = std::strtod(digits.c_str(), &stop);
    if (stop != digits.c_str() + digits.size() || !std::isfinite(value))
        Fail();
    return value;
}

void JsonPullReader::End() {
    if (Peek() != '\0' || at_ != text_.size())
        Fail();
}

std::string_view JsonPullReader::NumberText(bool& integral) {
    SkipSpace();
    size_t start = at_;
    auto digitAt = [this](size_t at) { return at < text_.size() && IsDigit(text_[at]); };
    auto digits = [this, &digitAt]() {
        if (!digitAt(at_))
            Fail();
        while (digitAt(at_))
            ++at_;
    };
    if (at_ < text_.size() && text_[at_] == '-')
        ++at_;
    if (at_ < text_.size() && text_[at_] == '0')
        ++at_;
    else
        digits();
    integral = true;
    if (at_ < text_.size() && text_[at_] == '.') {
        ++at_;
        digits();
        integral = false;
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
        ++at_;
        if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
            ++at_;
        digits();
        integral = false;
    }
    return text_.substr(start, at_ - start);
}

std::string_view JsonPullReader::ReadString() {
    size_t start = ++at_;
    ascii_ = true;
    while (at_ < text_.size()) {
        auto byte = static_cast<unsigned char>(text_[at_]);
        if (byte == '"')
            return text_.substr(start, at_++ - start);
        if (byte == '\\')
            return DecodeString(start);
        if (byte < 0x20)
            Fail();
        if (byte < 0x80) {
            ++at_;
        } else {
            ascii_ = false;
            at_ += Utf8Length(at_);
        }
    }
    Fail();
}

std::string_view JsonPullReader::DecodeString(size_t start) {
    buffer_.assign(text_.substr(start, at_ - start));
    while (at_ < text_.size()) {
        auto byte = static_cast<unsigned char>(text_[at_]);
        if (byte == '"') {
            ++at_;
            return buffer_;
        }
        if (byte < 0x20)
            Fail();
        if (byte >= 0x80) {
            ascii_ = false;
            size_t length = Utf8Length(at_);
            buffer_ += text_.substr(at_, length);
            at_ += length;
            continue;
        }
        ++at_;
        if (byte != '\\') {
            buffer_ += static_cast<char>(byte);
            continue;
        }
        if (at_ == text_.size())
            Fail();
        char escape = text_[at_++];
        switch (escape) {
        case '"':
        case '\\':
        case '/':
            buffer_ += escape;
            break;
        case 'b':
            buffer_ += '\b';
            break;
        case 'f':
            buffer_ += '\f';
            break;
        case 'n':
            buffer_ += '\n';
            break;
        case 'r':
            buffer_ += '\r';
            break;
        case 't':
            buffer_ += '\t';
            break;
        case 'u': {
            unsigned codePoint = Hex4();
            if (codePoint >= 0xDC00 && codePoint <= 0xDFFF)
                Fail();
            if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
                if (text_.substr(at_, 2) != "\\u")
                    Fail();
                at_ += 2;
                unsigned low = Hex4();
                if (low < 0xDC00 || low > 0xDFFF)
                    Fail();
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            }
            if (codePoint >= 0x80)
                ascii_ = false;
            AppendUtf8(buffer_, codePoint);
            break;
        }
        default:
            Fail();
        }
    }
    Fail();
}

unsigned JsonPullReader::Hex4() {
    if (text_.size() - at_ < 4)
        Fail();
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
        char c = text_[at_++];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            Fail();
        value = value * 16 + digit;
    }
    return value;
}

// Well-formed UTF-8 only: no overlong forms, no surrogates, nothing above U+10FFFF.
size_t JsonPullReader::Utf8Length(size_t at) const {
    auto byteAt = [this](size_t i) {
        return i < text_.size() ? static_cast<unsigned char>(text_[i]) : 0u;
    };
    unsigned lead = byteAt(at);
    unsigned low = 0x80;
    unsigned high = 0xBF;
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        Fail();
    }
    unsigned second = byteAt(at + 1);
    if (second < low || second > high)
        Fail();
    for (size_t i = 2; i < length; ++i) {
        unsigned next = byteAt(at + i);
        if (next < 0x80 || next > 0xBF)
            Fail();
    }
    return length;
}
