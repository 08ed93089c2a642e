#include "JsonPullReader.h"
#include "JsonText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Reads any value the way a scene reader asks for values, building the document it read.
nlohmann::json Walk(JsonPullReader& reader) {
    switch (reader.Peek()) {
    case '{': {
        nlohmann::json object = nlohmann::json::object();
        reader.BeginObject();
        std::string_view key;
        while (reader.NextKey(key)) {
            std::string name(key);
            object[name] = Walk(reader);
        }
        return object;
    }
    case '[': {
        nlohmann::json array = nlohmann::json::array();
        reader.BeginArray();
        while (reader.NextElement())
            array.push_back(Walk(reader));
        return array;
    }
    case '"':
        return std::string(reader.String());
    case 't':
    case 'f':
        return reader.Boolean();
    case 'n':
        if (!reader.Null())
            throw JsonPullReader::Unreadable{};
        return nullptr;
    default:
        return reader.Number();
    }
}

// Each text is read by the document parser too, which says whether it is JSON and what it
// holds; the pull reader must agree on both.
const char* const kTexts[] = {
    // Strings: escapes, surrogate pairs, UTF-8 of every length, and what the parser refuses.
    R"("plain")",
    R"("\"\\\/\b\f\n\r\t")",
    R"("\u00e9\u3042\uD83D\uDE00\u0000")",
    "\"\x7F \xC3\xA9 \xE3\x81\x82 \xEF\xBF\xBF \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\"",
    R"("\ud800")",
    R"("\udc00")",
    R"("\ud800\u0041")",
    R"("\x")",
    R"("\u12G4")",
    "\"\xC0\xAF\"",
    "\"\xC2\"",
    "\"\xE0\x80\x80\"",
    "\"\xED\xA0\x80\"",
    "\"\xF4\x90\x80\x80\"",
    "\"\xF5\x80\x80\x80\"",
    "\"\x80\"",
    "\"a\tb\"",
    "\"open",
    // Numbers: as 64-bit integers where they fit, otherwise as doubles.
    "0",
    "-0",
    "-0.0",
    "1.5",
    "1E+2",
    "-12.5e-3",
    "18446744073709551615",
    "18446744073709551616",
    "-9223372036854775808",
    "-9223372036854775809",
    "9007199254740993",
    "1e-400",
    "01",
    "-",
    "+1",
    ".5",
    "1.",
    "1e",
    "1e+",
    "1e999",
    "-1e400",
    "0x10",
    // Structure.
    R"({ "a": [1, true, false, null, {}, []], "b": { "c": "d" } })",
    " \t\r\n[ ] \n",
    "[1,]",
    "[,1]",
    R"({"a":1,})",
    R"({"a" 1})",
    R"({"a":1])",
    "[1 2]",
    "[",
    "",
    "nul",
    "truex",
    "{} {}",
    "\xEF\xBB\xBF{}",
};

TEST(JsonPullReading, AcceptsAndReadsWhatTheDocumentParserDoes) {
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        nlohmann::json document;
        JsonProblem problem;
        bool parsed = ParseJson(text, document, problem);
        nlohmann::json read;
        bool readThrough = true;
        try {
            JsonPullReader reader(text);
            read = Walk(reader);
            reader.End();
        } catch (const JsonPullReader::Unreadable&) {
            readThrough = false;
        }
        // A byte order mark is the parser's to accept.
        if (std::strncmp(text, "\xEF\xBB\xBF", 3) == 0) {
            EXPECT_FALSE(readThrough);
            continue;
        }
        ASSERT_EQ(readThrough, parsed) << problem.message;
        if (!parsed)
            continue;
        if (document.is_number()) {
            // Bit for bit: the sign of a zero counts.
            double expected = document.get<double>();
            double got = read.get<double>();
            EXPECT_EQ(std::memcmp(&expected, &got, sizeof got), 0) << expected << " " << got;
        } else {
            EXPECT_EQ(read, document);
        }
    }
}

} // namespace
