#include "SceneLoader.h"
#include "DemoScene.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "PadLimits.h"
#include "RecordingModule.h"
#include "SceneError.h"
#include "SceneReader.h"
#include "host/MvBasicObject.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SceneLoading : public ::testing::Test {
protected:
    void SetUp() override { native::Reset(); }

    Desktop desktop;
};

struct ErrorCase {
    const char* name;
    const char* text;
    int line; // 0: the error names a JSON pointer
    int column;
    const char* pointer;
    const char* problem; // a part of the message
};

const ErrorCase kErrors[] = {
    {"Syntax", "{\n  \"pads\": [\n    { \"name\": \"A\",, }\n  ]\n}", 3, 19, "", "syntax error"},
    {"SyntaxAfterWideCharacters", "{ \"pads\": [ { \"name\": \"ボタン\" ] }", 1, 29, "",
     "syntax error"},
    {"BadUtf8", "{ \"pads\": [], \"description\": \"\xFF\" }", 1, 31, "", "UTF-8"},
    {"TopLevelNotObject", "[]", 0, 0, "/", "expected an object, got array"},
    {"PadsMissing", "{ \"models\": {} }", 0, 0, "/", "missing required key \"pads\""},
    {"UnknownTopLevelKey", "{ \"pads\": [], \"pad\": [] }", 0, 0, "/pad", "unknown key \"pad\""},
    {"UnknownPadKey",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "colour": "red" } ] })",
     0, 0, "/pads/0/colour", "unknown key \"colour\""},
    {"MissingHeight",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1 } ] })", 0, 0,
     "/pads/0", "missing required key \"height\""},
    {"WidthIsText",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": "wide",
                      "height": 1 } ] })",
     0, 0, "/pads/0/width", "expected an integer, got string"},
    {"NestedNegativeWidth",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
        "children": [ { "name": "B", "class": "C", "x": 0, "y": 0, "width": -3,
                        "height": 1 } ] } ] })",
     0, 0, "/pads/0/children/0/width", "must be between 0 and"},
    {"VisibleIsNumber",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "visible": 1 } ] })",
     0, 0, "/pads/0/visible", "expected true or false"},
    {"UnknownModel",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "model": "clock" } ] })",
     0, 0, "/pads/0/model", "no model named \"clock\""},
    {"UnknownOutputSlot",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "slots": [ { "name": "v", "type": "number" } ], "output": "w" } ] })",
     0, 0, "/pads/0/output", "no slot \"w\""},
    {"ConnectWithoutParent",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "connect": "v" } ] })",
     0, 0, "/pads/0/connect", "no parent"},
    {"ConnectToMissingSlot",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
        "children": [ { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                        "connect": "v" } ] } ] })",
     0, 0, "/pads/0/children/0/connect", "no slot \"v\""},
    {"StandsForNobody",
     R"({ "pads": [ { "name": "I", "class": "MvIconPad", "x": 0, "y": 0, "width": 1,
                      "height": 1, "standsFor": "Nobody/Here" } ] })",
     0, 0, "/pads/0/standsFor", "no pad at path \"Nobody/Here\""},
    {"StandsForOnPlainPad",
     R"({ "pads": [ { "name": "A", "class": "MvPanelPad", "x": 0, "y": 0, "width": 1,
                      "height": 1, "standsFor": "A" } ] })",
     0, 0, "/pads/0/standsFor", "only an MvIconPad"},
    {"DuplicateId",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "id": 5 },
                    { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "id": 5 } ] })",
     0, 0, "/pads/1/id", "already used by /pads/0"},
    {"IdBeyondEvery64BitInteger",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "id": 18446744073709551617 } ] })",
     0, 0, "/pads/0/id", "must be between 1 and 4294967295"},
    {"DuplicateKey",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1 },
                    { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1, "name": "D",
                      "height": 1 } ] })",
     0, 0, "/pads/1", "duplicate key \"name\""},
    {"DuplicateTopLevelKey", R"({ "pads": [], "pads": [] })", 0, 0, "/", "duplicate key \"pads\""},
    {"DuplicateKeyAfterAChildsObject",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "children": [ { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1,
                                      "height": 1, "memo": "m" } ],
                      "memo": "n", "padName": "p", "padName": "q" } ] })",
     0, 0, "/pads/0", "duplicate key \"padName\""},
    {"DuplicateKeyInAChild",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "children": [ { "name": "B", "class": "C", "x": 0, "y": 0,
                                      "width": 1, "height": 1, "x": 2 } ] } ] })",
     0, 0, "/pads/0/children/0", "duplicate key \"x\""},
    {"DuplicateKeyAmongManyKeys",
     R"({ "k1": 0, "k2": 0, "k3": 0, "k4": 0, "k5": 0, "k6": 0, "k7": 0, "k8": 0, "k9": 0,
          "k10": 0, "k11": 0, "k12": 0, "k13": 0, "k14": 0, "k15": 0, "k16": 0, "k17": 0,
          "k18": 0, "k3": 1 })",
     0, 0, "/", "duplicate key \"k3\""},
    {"UnknownSlotType",
     R"({ "models": { "m": { "slots": [ { "name": "s", "type": "text" } ] } }, "pads": [] })", 0, 0,
     "/models/m/slots/0/type", "unknown slot type \"text\""},
    {"CommandWithValue",
     R"({ "models": { "m": { "slots": [ { "name": "go", "type": "command", "value": 1 } ] } },
          "pads": [] })",
     0, 0, "/models/m/slots/0/value", "a command slot has no value"},
    {"DictionaryEntryWrongType",
     R"({ "models": { "m": { "slots": [ { "name": "d", "type": "dictionary",
          "value": [ { "key": "k", "type": "boolean", "value": "yes" } ] } ] } },
          "pads": [] })",
     0, 0, "/models/m/slots/0/value/0/value", "expected true or false, got string"},
    {"NumberTooLargeForADouble", "1e999", 1, 1, "", "number overflow parsing '1e999'"},
    {"SlotNumberTooLargeForADouble",
     R"({ "models": { "m": { "slots": [ { "name": "n", "type": "number", "value": -1e400 } ] } },
          "pads": [] })",
     1, 75, "", "number overflow"},
    {"NoIdLeftAboveTheHighest",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "id": 4294967295 },
                    { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1 },
                    { "name": "D", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "id": 1 } ] })",
     0, 0, "/pads/1", "no ID is left"},
    {"PositionOffTheDesktop",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 2147483647, "y": 0, "width": 1,
                      "height": 1 } ] })",
     0, 0, "/pads/0/x", "must be between -32768 and 32767"},
    {"ChildPlacedOffTheDesktop",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 30000, "width": 1, "height": 1,
        "children": [ { "name": "B", "class": "C", "x": 0, "y": 5000, "width": 1,
                        "height": 1 } ] } ] })",
     0, 0, "/pads/0/children/0/y", "places the pad at 35000 on the desktop"},
    {"WidthAboveTheLimit",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 32768,
                      "height": 1 } ] })",
     0, 0, "/pads/0/width", "must be between 0 and 32767"},
    {"GroupedTooDeep",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "groupDepth": 256 } ] })",
     0, 0, "/pads/0/groupDepth", "must be between 0 and 255"},
    {"UnknownProtection",
     R"({ "pads": [ { "name": "A", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                      "protection": ["move"] } ] })",
     0, 0, "/pads/0/protection/0", "unknown protection \"move\""},
};

TEST_F(SceneLoading, MalformedScenesGiveOneErrorNamingFilePlaceAndProblem) {
    for (const ErrorCase& error : kErrors) {
        SCOPED_TRACE(error.name);
        try {
            SceneLoader::LoadText(desktop, error.text, "broken.json");
            ADD_FAILURE() << "no error";
        } catch (const SceneError& caught) {
            std::string what = caught.what();
            EXPECT_EQ(caught.File(), "broken.json");
            EXPECT_EQ(caught.Line(), error.line) << what;
            EXPECT_EQ(caught.Column(), error.column) << what;
            EXPECT_EQ(caught.Pointer(), error.pointer) << what;
            EXPECT_NE(what.find(error.problem), std::string::npos) << what;
            std::string place = error.line > 0
                                    ? "broken.json:" + std::to_string(error.line) + ":" +
                                          std::to_string(error.column) + ": "
                                    : "broken.json: " + std::string(error.pointer) + ": ";
            EXPECT_EQ(what.rfind(place, 0), 0u) << what;
        }
    }
}

// The loader reads a scene without a document only when its reader vouches for it.
TEST_F(SceneLoading, TheReaderVouchesForNoMalformedScene) {
    for (const ErrorCase& error : kErrors) {
        SCOPED_TRACE(error.name);
        ScenePlan plan;
        EXPECT_FALSE(SceneReader(desktop.CodePage()).Read(error.text, plan));
    }
}

TEST_F(SceneLoading, AFailedLoadLeavesTheDesktopAsItWas) {
    desktop.AddPad(nullptr, "Kept", 0, 0, 10, 10);
    EXPECT_THROW(SceneLoader::LoadText(desktop, R"({ "pads": [ { "name": "A" } ] })", "x.json"),
                 SceneError);
    ASSERT_EQ(desktop.TopLevelPads().size(), 1u);
    EXPECT_STREQ(desktop.TopLevelPads()[0]->get_own_name(), "Kept");
}

TEST_F(SceneLoading, FileErrorsNameTheFile) {
    std::string path = ::testing::TempDir() + "scene_error_test.json";
    std::ofstream(path) << "{\n  \"pads\": 3\n}\n";
    try {
        SceneLoader::LoadFile(desktop, path);
        ADD_FAILURE() << "no error";
    } catch (const SceneError& caught) {
        EXPECT_EQ(std::string(caught.what()), path + ": /pads: expected an array, got number");
    }
    std::remove(path.c_str());
    EXPECT_THROW(SceneLoader::LoadFile(desktop, path), SceneError);
}

TEST_F(SceneLoading, InputThatIsNoRegularFileOrTooLargeIsRefusedUnread) {
    std::string directory = ::testing::TempDir() + "scene_inputs_" + std::to_string(::getpid());
    std::filesystem::create_directories(directory);
    std::string fifo = directory + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string large = directory + "/large.json";
    std::ofstream(large).close();
    std::filesystem::resize_file(large, kSceneFileLimit + 1); // sparse: nothing is written
    const std::pair<std::string, const char*> cases[] = {
        {"/dev/zero", "not a regular file but a device"},
        {fifo, "not a regular file but a FIFO"},
        {directory, "not a regular file but a directory"},
        {large, "larger than the limit of 256 MiB"},
    };
    for (const auto& [path, problem] : cases) {
        try {
            SceneLoader::LoadFile(desktop, path);
            ADD_FAILURE() << path;
        } catch (const SceneError& caught) {
            EXPECT_EQ(std::string(caught.what()), path + ": " + problem);
        }
    }
    std::filesystem::remove_all(directory);
}

// A chain of pads and a dictionary nested far deeper than a stack allows a frame per level.
TEST_F(SceneLoading, DeepScenesLoadAndFree) {
    constexpr int kDepth = 100000;
    std::string text = R"({ "models": { "m": { "slots": [
        { "name": "d", "type": "dictionary", "value": )";
    for (int i = 0; i < kDepth; ++i)
        text += R"([ { "key": "k", "type": "dictionary", "value": )";
    text += "[]";
    for (int i = 0; i < kDepth; ++i)
        text += "} ]";
    text += R"( } ] } }, "pads": [)";
    for (int i = 0; i < kDepth; ++i)
        text += R"({ "name": "C", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1,
                     "model": "m", "children": [)";
    for (int i = 0; i < kDepth; ++i)
        text += "] }";
    text += "] }";
    Desktop deep;
    ASSERT_NO_THROW(SceneLoader::LoadText(deep, text, "deep.json"));
    int depth = 0;
    for (DesktopPad* pad = deep.FindById(kDepth); pad != nullptr; pad = pad->Parent())
        ++depth;
    EXPECT_EQ(depth, kDepth);
    auto* dictionary =
        *static_cast<MvDictionary**>(deep.FindModel("m")->get_slot_at(0)->get_value());
    for (int i = 0; i < kDepth && dictionary != nullptr; ++i) {
        ASSERT_EQ(dictionary->length(), 1) << i;
        dictionary = *static_cast<MvDictionary**>(dictionary->at(0)->get_value());
    }
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(dictionary->length(), 0);
}

TEST_F(SceneLoading, LoadingReplacesTheWorldAndReportsPadsOnTheDesktopAsPasted) {
    RecordingModule recorder;
    DesktopPad* old = desktop.AddPad(nullptr, "Old", 0, 0, 10, 10);
    desktop.SetModule(&recorder.module);
    SceneLoader::LoadText(desktop, R"({ "pads": [
        { "name": "A", "class": "C", "x": 1, "y": 2, "width": 3, "height": 4,
          "children": [ { "name": "A1", "class": "C", "x": 1, "y": 1, "width": 1, "height": 1 } ] },
        { "name": "B", "class": "C", "x": 0, "y": 0, "width": 1, "height": 1, "id": 40 } ] })",
                          "two.json");
    ASSERT_EQ(recorder.calls.size(), 3u);
    EXPECT_EQ(recorder.calls[0].entry, "Delete");
    EXPECT_EQ(recorder.calls[0].pad, old);
    EXPECT_EQ(recorder.calls[1].entry, "Paste");
    EXPECT_EQ(recorder.calls[1].ownName, "A");
    EXPECT_EQ(recorder.calls[1].childCount, 1) << "the subtree is complete when reported";
    EXPECT_EQ(recorder.calls[2].ownName, "B");
    EXPECT_EQ(desktop.FindById(40), desktop.FindByPath("B"));
    EXPECT_GT(desktop.FindByPath("A/A1")->GetCreatePadID(), 40u)
        << "free ids come after named ones";
}

TEST_F(SceneLoading, TheExampleOfTheFormatDescriptionLoads) {
    std::ifstream in(MV_SOURCE_DIR "/docs/scene-format.md");
    std::ostringstream text;
    text << in.rdbuf();
    std::string doc = text.str();
    size_t example = doc.find("## Example");
    ASSERT_NE(example, std::string::npos);
    size_t begin = doc.find("```json\n", example);
    ASSERT_NE(begin, std::string::npos);
    begin += 8;
    size_t end = doc.find("```", begin);
    ASSERT_NO_THROW(SceneLoader::LoadText(desktop, doc.substr(begin, end - begin), "example"));
    DesktopPad* clock = desktop.FindById(20);
    ASSERT_NE(clock, nullptr);
    EXPECT_FALSE(clock->Visible());
    EXPECT_EQ(clock->get_protection(), unsigned(kProtectPosition | kProtectDelete));
    EXPECT_EQ(desktop.FindByPath("ClockIcon")->get_pad(), clock);
    EXPECT_EQ(clock->get_icon(), desktop.FindByPath("ClockIcon"));
    EXPECT_EQ(desktop.FindByPath("Clock/ClockTimer")->get_horizon_pad(), clock);
}

class DemoScene : public SceneLoading {
protected:
    void Load(Language language) {
        native::SetLanguage(language);
        SceneLoader::LoadDemo(desktop);
    }

    DesktopPad* Pad(const char* path) {
        DesktopPad* pad = desktop.FindByPath(path);
        EXPECT_NE(pad, nullptr) << path;
        return pad;
    }

    void Walk(DesktopPad* pad, int depth, const std::function<void(DesktopPad*, int)>& visit) {
        visit(pad, depth);
        for (int i = 0; i < pad->ChildCount(); ++i)
            Walk(pad->Child(i), depth + 1, visit);
    }
};

TEST_F(DemoScene, IsTheSceneFileShippedNextToTheSources) {
    std::ifstream in(MV_SOURCE_DIR "/desktop/scenes/demo.json", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), DemoSceneText());
}

TEST_F(DemoScene, HoldsEveryKindOfPadTheInspectorShows) {
    Load(Language::English);
    int count = 0;
    int deepest = 0;
    std::set<std::string> classes;
    std::set<int> slotTypes;
    int connections = 0;
    for (DesktopPad* top : desktop.TopLevelPads()) {
        Walk(top, 0, [&](DesktopPad* pad, int depth) {
            ++count;
            deepest = std::max(deepest, depth);
            classes.insert(pad->get_class_name());
            for (int i = 0; i < pad->Model()->get_slotsize(); ++i)
                slotTypes.insert(pad->Model()->get_slot_at(i)->get_type());
            connections += pad->get_datalink_parent() != nullptr ? 1 : 0;
        });
    }
    EXPECT_GE(count, 30);
    EXPECT_GE(deepest, 3) << "at least four levels";
    for (const char* cls : {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"})
        EXPECT_EQ(classes.count(cls), 1u) << cls;
    EXPECT_EQ(slotTypes, (std::set<int>{1, 2, 3, 4, 9, 10}));
    EXPECT_GE(connections, 5);

    DesktopPad* calculator = Pad("Calculator");
    DesktopPad* icon = Pad("Calc");
    EXPECT_EQ(calculator->get_icon(), icon);
    EXPECT_EQ(icon->get_pad(), calculator);
    EXPECT_FALSE(calculator->Visible());
    EXPECT_TRUE(calculator->RefusesConnector());
    EXPECT_EQ(Pad("Loader")->get_pad(), Pad("Loader/Weather"));

    DesktopPad* toolbox = Pad("Toolbox");
    EXPECT_FALSE(toolbox->Visible());
    EXPECT_GT(toolbox->ChildCount(), 0);
    EXPECT_NE(Pad("Stage/Panel/Logo")->get_protection() & kProtectDelete, 0u);
    EXPECT_GT(Pad("Stage/Panel/Form/Labels")->get_groupDepth(), 0);

    DesktopPad* clock = Pad("Clock");
    DesktopPad* timer = Pad("Clock/ClockTimer");
    EXPECT_EQ(timer->get_real_view(), nullptr);
    EXPECT_EQ(timer->get_horizon_pad(), clock);
    EXPECT_EQ(timer->get_model(), clock->get_model());
    EXPECT_EQ(Pad("DigitalClock")->get_model(), clock->get_model());
    EXPECT_EQ(clock->Model()->get_dependents()->length(), 3);
    EXPECT_STREQ(Pad("Stage/Panel/OK")->get_slotname(), "submit");
    EXPECT_EQ(Pad("Stage/Panel/OK")->get_datalink_parent(), Pad("Stage/Panel"));
    EXPECT_TRUE(Pad("Stage/Panel/OK")->Selected());
    EXPECT_EQ(desktop.FindById(1001), Pad("Stage"));
}

TEST_F(DemoScene, SlotValuesHaveTheFrameworkRepresentation) {
    Load(Language::English);
    DesktopModel* order = Pad("Stage/Panel")->Model();
    auto value = [order](const char* name) {
        return order->get_slot_at(order->IndexOf(name))->get_value();
    };
    EXPECT_STREQ(*static_cast<const char**>(value("customer")), "Ada Lovelace");
    EXPECT_EQ(*static_cast<double*>(value("quantity")), 3.0);
    EXPECT_NE(*static_cast<unsigned char*>(value("express")), 0);
    EXPECT_EQ(value("submit"), nullptr);
    EXPECT_STREQ((*static_cast<MvBasicObject**>(value("receipt")))->print(),
                 "Receipt #1042 (3 items)");
    MvDictionary* options = *static_cast<MvDictionary**>(value("options"));
    ASSERT_EQ(options->length(), 3);
    EXPECT_STREQ(options->at(1)->get_key(), "discount");
    EXPECT_EQ(options->at(1)->get_type(), kSlotNumber);
    EXPECT_EQ(*static_cast<double*>(options->at(1)->get_value()), 0.05);
    EXPECT_EQ(options->at(3), nullptr);

    MvSlot* output = Pad("Stage/Panel")->get_output();
    ASSERT_NE(output, nullptr);
    EXPECT_STREQ(output->get_name(), "receipt");
    EXPECT_STREQ(Pad("Chart")->get_pad_memo(), "Sales per month.\nData comes from the order form.");
}

TEST_F(DemoScene, TextsAreConvertedToTheActiveCodePage) {
    Load(Language::Japanese);
    DesktopPad* button = Pad("Stage/Panel/ボタン");
    ASSERT_NE(button, nullptr);
    EXPECT_STREQ(button->get_own_name(), "\x83\x7B\x83\x5E\x83\x93");
    EXPECT_EQ(desktop.PathOf(button), "Stage/Panel/ボタン");

    Load(Language::English);
    button = Pad("Stage/Panel/???");
    ASSERT_NE(button, nullptr);
    EXPECT_STREQ(button->get_own_name(), "???");
}

} // namespace
