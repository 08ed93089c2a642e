#include "SceneReader.h"
#include "DemoScene.h"
#include "Desktop.h"
#include "JsonText.h"
#include "PlanDifference.h"
#include "SceneChecker.h"
#include "SceneLoader.h"
#include "SceneWriter.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kWestern = 1252;
constexpr int kJapanese = 932;

ScenePlan Checked(const std::string& text, int codePage) {
    nlohmann::json root;
    JsonProblem problem;
    EXPECT_TRUE(ParseJson(text, root, problem)) << problem.message;
    return SceneChecker("checked.json", codePage).Check(root);
}

struct ReadCase {
    const char* name;
    std::string text;
    int codePage;
    // Whether the reader vouches for the scene; when it does not, the loader falls back on
    // the document, and only time is lost.
    bool vouched;
};

std::string Pad(const std::string& name, const std::string& more = "", int x = 1) {
    return R"({ "name": )" + name + R"(, "class": "C", "x": )" + std::to_string(x) +
           R"(, "y": 2, "width": 3, "height": 4)" + more + " }";
}

std::string Scene(const std::string& pads, const std::string& models = "") {
    return "{ " + (models.empty() ? "" : R"("models": {)" + models + "}, ") + R"("pads": [)" +
           pads + "] }";
}

std::string Deep(int depth) {
    std::string text = R"({ "pads": [)";
    for (int i = 0; i < depth; ++i)
        text += R"({ "name": "P", "class": "C", "x": 1, "y": -1, "width": 1, "height": 1,
                     "children": [)";
    for (int i = 0; i < depth; ++i)
        text += "] }";
    return text + "] }";
}

const std::string kNumbers = R"("n": { "slots": [
    { "name": "a", "type": "number", "value": -0 },
    { "name": "b", "type": "number", "value": 0.1 },
    { "name": "c", "type": "number", "value": 1E+2 },
    { "name": "d", "type": "number", "value": 18446744073709551615 },
    { "name": "e", "type": "number", "value": -9223372036854775809 },
    { "name": "f", "type": "number", "value": 123456789012345678901234567890 },
    { "name": "g", "type": "number", "value": 2.2250738585072014e-308 },
    { "name": "h", "type": "number", "value": -0.0 },
    { "name": "i", "type": "number", "value": 9007199254740993 },
    { "name": "j", "type": "number", "value": 1e-400 } ] })";

const std::string kDictionaries = R"("d": { "slots": [
    { "name": "x", "type": "dictionary", "value": [
        { "key": "k", "type": "string", "value": null },
        { "type": "boolean", "value": true, "key": "t" },
        { "key": "in", "type": "dictionary", "value": [
            { "key": "deeper", "type": "dictionary", "value": [] },
            { "key": "o", "type": "object", "value": "thing" } ] },
        { "key": "last", "type": "dictionary" } ] },
    { "name": "go", "type": "command" },
    { "type": "string", "value": "text", "name": "s" } ] })";

const ReadCase kCases[] = {
    {"Demo", std::string(DemoSceneText()), kWestern, true},
    {"DemoInJapanese", std::string(DemoSceneText()), kJapanese, true},
    {"Empty", Scene(""), kWestern, true},
    {"EscapesAndWideCharacters",
     Scene(Pad(R"("a\"b\\c\/d\b\f\n\r\t\u00e9\u3042\ud83d\ude00")",
               R"(, "padName": "ボタン\u0000", "memo": "one\r\ntwo\rthree")")),
     kJapanese, true},
    {"WideCharactersInTheWesternCodePage", Scene(Pad(R"("ボタン é")")), kWestern, true},
    {"NumbersAsTheParserReadsThem", Scene("", kNumbers), kWestern, true},
    {"NestedDictionaries", Scene(Pad(R"("A")", R"(, "model": "d", "output": "s")"), kDictionaries),
     kWestern, true},
    {"EveryPadKey",
     Scene(Pad(R"("A")", R"(, "id": 7, "visible": false, "ownView": false, "padName": null,
                 "memo": null, "protection": ["position", "tools", "size"], "groupDepth": 255,
                 "selected": true, "refusesConnector": true, "slots": [
                 { "name": "v", "type": "boolean", "value": true } ], "output": "v",
                 "children": [)" +
                             Pad(R"("B")", R"(, "connect": "v", "protection": 4294967295)") + "]") +
           R"(, { "name": null, "class": "C", "x": -32768, "y": 32767, "width": 0,
                  "height": 32767 })"),
     kWestern, true},
    {"IdsGivenAndFree",
     Scene(Pad(R"("A")") + ", " + Pad(R"("B")", R"(, "id": 4294967290)") + ", " +
           Pad(R"("C")", R"(, "id": 3)") + ", " + Pad(R"("D")")),
     kWestern, true},
    {"StandsForByPathAndId",
     Scene(Pad(R"("Stage")", R"(, "children": [)" + Pad(R"("Stage")") + ", " +
                                 Pad(R"("Panel")", R"(, "children": [)" + Pad(R"("OK")") + "]") +
                                 "]") +
           ", " + Pad(R"("Stage")") + ", " +
           R"({ "name": "I", "class": "MvIconPad", "x": 0, "y": 0, "width": 1, "height": 1,
                "standsFor": "Stage/Panel/OK" },
              { "name": "L", "class": "MvDynamicLoadPad", "x": 0, "y": 0, "width": 1,
                "height": 1, "standsFor": 20 },
              { "name": "J", "class": "MvIconPad", "x": 0, "y": 0, "width": 1, "height": 1,
                "standsFor": "Stage/Stage", "id": 20 },
              { "name": "\u00e9", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1 },
              { "name": "K", "class": "MvIconPad", "x": 0, "y": 0, "width": 1, "height": 1,
                "standsFor": "\u00e9" })"),
     kJapanese, true},
    {"ChildPlacedFarFromItsParent",
     Scene(Pad(R"("A")", R"(, "children": [)" + Pad(R"("B")", "", -65535) + "]", 32767)), kWestern,
     true},
    {"WhiteSpaceEverywhere", " \t\r\n{ \"pads\" :\n[ ] , \"description\"\t: \"d\" }\r\n ", kWestern,
     true},
    {"DeepChain", Deep(20000), kWestern, true},
    // Laid out otherwise than the writer lays scenes out: left to the document.
    {"ModelsAfterPads", R"({ "pads": [], "models": {} })", kWestern, false},
    {"ChildrenFirst",
     R"({ "pads": [ { "children": [], "name": "A", "class": "C", "x": 1, "y": 2, "width": 3,
                      "height": 4 } ] })",
     kWestern, false},
    {"ValueBeforeType",
     R"({ "models": { "m": { "slots": [ { "name": "v", "value": 1, "type": "number" } ] } },
          "pads": [] })",
     kWestern, false},
    {"DictionaryEntryEndsAfterItsEntries",
     R"({ "models": { "m": { "slots": [ { "name": "v", "type": "dictionary", "value": [
          { "type": "dictionary", "value": [], "key": "k" } ] } ] } }, "pads": [] })",
     kWestern, false},
    {"ByteOrderMark", "\xEF\xBB\xBF{ \"pads\": [] }", kWestern, false},
};

class SceneReading : public ::testing::Test {
protected:
    void SetUp() override { native::Reset(); }
};

TEST_F(SceneReading, GivesTheDocumentCheckersPlanOrLeavesTheSceneToIt) {
    for (const ReadCase& scene : kCases) {
        SCOPED_TRACE(scene.name);
        ScenePlan checked = Checked(scene.text, scene.codePage);
        ScenePlan read;
        bool vouched = SceneReader(scene.codePage).Read(scene.text, read);
        EXPECT_EQ(vouched, scene.vouched);
        if (vouched) {
            EXPECT_EQ(PlanDifference(read, checked), "");
        }
    }
}

TEST_F(SceneReading, ReadsWhatTheWriterWrites) {
    for (Language language : {Language::English, Language::Japanese}) {
        native::SetLanguage(language);
        Desktop desktop;
        SceneLoader::LoadDemo(desktop);
        std::string saved = SceneWriter::Text(desktop);
        ScenePlan read;
        ASSERT_TRUE(SceneReader(desktop.CodePage()).Read(saved, read));
        EXPECT_EQ(PlanDifference(read, Checked(saved, desktop.CodePage())), "");
    }
}

} // namespace
