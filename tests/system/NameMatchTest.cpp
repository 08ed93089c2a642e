#include "NameMatch.h"
#include "CommandLine.h"
#include "Completion.h"

#include <gtest/gtest.h>

namespace {

TEST(NameMatch, FoldingDropsWhatAPersonDoesNotType) {
    const struct {
        const char* name;
        const char* folded;
    } cases[] = {
        {"&Geometry...", "geometry"},
        {"Re&flect", "reflect"},
        {"Save && Quit", "save & quit"},
        {"&X:", "x"},
        {"  OK  ", "ok"},
        {"...", "..."},
        {":", ":"},
        {"Ctrl", "ctrl"},
        {"", ""},
        {"\xE3\x81\xAF\xE3\x81\x84(&Y)", "\xE3\x81\xAF\xE3\x81\x84(y)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldName(c.name), c.folded) << c.name;
}

TEST(NameMatch, EditDistanceCountsTyposOnce) {
    const struct {
        const char* a;
        const char* b;
        size_t distance;
    } cases[] = {
        {"geometry", "geometry", 0}, {"geomtry", "geometry", 1},
        {"opne", "open", 1},         {"", "abc", 3},
        {"ok", "cancel", 6},         {"pnel", "panel", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditDistance(c.a, c.b), c.distance) << c.a << " / " << c.b;
}

TEST(NameMatch, OnlyDigitsAreNumbers) {
    const struct {
        const char* word;
        bool number;
    } cases[] = {{"12", true}, {"-3", true}, {"+4", true},  {"0x10", false},
                 {"", false},  {"-", false}, {"OK", false}, {"1a", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsNumberWord(c.word), c.number) << c.word;
}

TEST(NameMatch, ExactBeatsFoldedAndSeveralAreNamed) {
    const std::vector<std::string> captions = {
        "OK", "Cancel", "&Delete Child Pads", "ok", "Geometry...", "Re&flect", "Geometry"};
    const struct {
        const char* wanted;
        std::vector<size_t> hits;
        std::vector<size_t> nearest;
    } cases[] = {
        {"OK", {0}, {}},                // spelled exactly: that one, though "ok" folds alike
        {"Ok", {0, 3}, {}},             // folded alike twice: both are named
        {"cancel", {1}, {}},            // any case
        {"delete child pads", {2}, {}}, // without '&'
        {"Geometry", {6}, {}},          // the exact spelling wins over "Geometry..."
        {"GEOMETRY", {4, 6}, {}},       // with and without "..." fold alike
        {"reflect", {5}, {}},           //
        {"Cancle", {}, {1}},            // a typo: did you mean
        {"Geomtry", {}, {4}},           // the nearest, once per folded name
        {"xyzzy", {}, {}},              // nothing near
        {"", {}, {}},                   //
    };
    for (const auto& c : cases) {
        NameMatch match = MatchName(c.wanted, captions);
        EXPECT_EQ(match.hits, c.hits) << c.wanted;
        EXPECT_EQ(match.nearest, c.nearest) << c.wanted;
    }
}

TEST(NameMatch, DidYouMeanNamesOneOrTwo) {
    const std::vector<std::string> keys = {"Down", "Home", "End", "Dawn"};
    EXPECT_EQ(DidYouMean(MatchName("dwn", keys), keys), "; did you mean 'Down' or 'Dawn'?");
    EXPECT_EQ(DidYouMean(MatchName("Hme", keys), keys), "; did you mean 'Home'?");
    EXPECT_EQ(DidYouMean(MatchName("PageDown", keys), keys), "");
}

TEST(NameMatch, QuotesMakeAWordAName) {
    std::vector<bool> quoted;
    std::vector<std::string> words =
        SplitWords("dlg click \"12\" 12 \"Delete Child Pads\"", &quoted);
    EXPECT_EQ(words, (std::vector<std::string>{"dlg", "click", "12", "12", "Delete Child Pads"}));
    EXPECT_EQ(quoted, (std::vector<bool>{false, false, true, false, true}));
}

TEST(NameMatch, CompletionKeepsWhatBeginsWithTheWord) {
    const std::vector<std::string> candidates = {"Edit/Geometry...", "Edit/Delete...", "echo",
                                                 "Delete Child Pads", "echo"};
    const struct {
        const char* word;
        std::vector<std::string> kept;
    } cases[] = {
        {"ec", {"echo"}},
        {"edit/g", {"Edit/Geometry..."}},
        {"E", {"Edit/Geometry...", "Edit/Delete...", "echo"}},
        {"Del", {"\"Delete Child Pads\""}},
        {"\"del", {"\"Delete Child Pads\""}},
        {"x", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepPrefixed(candidates, c.word), c.kept) << c.word;
}

} // namespace
