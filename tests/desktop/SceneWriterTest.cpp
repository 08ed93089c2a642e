#include "SceneWriter.h"
#include "Desktop.h"
#include "DesktopDictionary.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "SceneError.h"
#include "SceneLoader.h"
#include "host/MvBasicObject.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

// Everything the loader builds, written out by other means than the writer, so that two
// desktops that describe alike hold the same world.
std::string DescribeValue(SlotValue& value) {
    std::string text = std::to_string(value.Type()) + ":";
    switch (value.Type()) {
    case kSlotBoolean:
        return text + (value.Boolean() ? "true" : "false");
    case kSlotNumber: {
        std::ostringstream number;
        number.precision(17);
        number << value.Number();
        return text + number.str();
    }
    case kSlotString:
        return text + (value.String() ? "'" + std::string(value.String()) + "'" : "null");
    case kSlotObject:
        return text + (value.Object() ? "'" + std::string(value.Object()->print()) + "'" : "null");
    case kSlotDictionary: {
        DesktopDictionary* dictionary = value.Dictionary();
        text += "[";
        for (int i = 0; dictionary != nullptr && i < dictionary->length(); ++i) {
            DesktopDictionaryValue& entry = dictionary->Entry(i);
            text += std::string(entry.get_key()) + "=" + DescribeValue(entry.Value()) + ";";
        }
        return text + "]";
    }
    case kSlotCommand:
        break;
    }
    return text;
}

std::string DescribeModel(DesktopModel& model) {
    std::string text = "{" + model.Name() + "|";
    for (int i = 0; i < model.get_slotsize(); ++i)
        text += model.Slot(i)->Name() + "=" + DescribeValue(model.Slot(i)->Value()) + ";";
    return text + "}";
}

std::string Optional(const char* text) {
    return text ? "'" + std::string(text) + "'" : "null";
}

std::string DescribeDesktop(Desktop& desktop) {
    std::string text;
    for (DesktopModel* model : desktop.NamedModels())
        text += "model " + DescribeModel(*model) + "\n";
    std::function<void(DesktopPad*, int)> walk = [&](DesktopPad* pad, int depth) {
        text +=
            std::to_string(depth) + " #" + std::to_string(pad->GetCreatePadID()) + " " +
            Optional(pad->get_own_name()) + " " + pad->get_class_name() + " " +
            std::to_string(pad->RelX()) + "," + std::to_string(pad->RelY()) + " " +
            std::to_string(pad->Width()) + "x" + std::to_string(pad->Height()) +
            " visible=" + std::to_string(pad->Visible()) +
            " ownView=" + std::to_string(pad->HasOwnView()) +
            " selected=" + std::to_string(pad->Selected()) +
            " padName=" + Optional(pad->get_pad_name()) + " memo=" + Optional(pad->get_pad_memo()) +
            " protection=" + std::to_string(pad->get_protection()) +
            " group=" + std::to_string(pad->get_groupDepth()) +
            " refuses=" + std::to_string(pad->RefusesConnector()) +
            " model=" + DescribeModel(*pad->Model()) +
            " output=" + std::to_string(pad->OutputIndex()) +
            " connect=" + (pad->SlotName() ? *pad->SlotName() : "-") + " standsFor=" +
            (pad->StandsFor() ? std::to_string(pad->StandsFor()->GetCreatePadID()) : "-") +
            " icon=" + (pad->Icon() ? std::to_string(pad->Icon()->GetCreatePadID()) : "-") + "\n";
        for (int i = 0; i < pad->ChildCount(); ++i)
            walk(pad->Child(i), depth + 1);
    };
    for (DesktopPad* pad : desktop.TopLevelPads())
        walk(pad, 0);
    return text;
}

// A scene of `count` pads made up from `seed`: random trees, shared and private models with
// every slot type and nested dictionaries, connections, outputs, icons, and texts with
// characters beyond ASCII.
std::string GeneratedScene(unsigned seed, int count, int chain, bool japanese) {
    std::mt19937 random(seed);
    auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::vector<std::string> words =
        japanese ? std::vector<std::string>{"ボタン", "表示", "名前", "ｶﾅ", "Ａ"}
                 : std::vector<std::string>{"Knöpf", "Café", "naïve", "€uro", "plain"};
    auto word = [&]() { return words[static_cast<size_t>(pick(0, int(words.size()) - 1))]; };
    std::function<json(int)> value = [&](int depth) {
        json slot;
        int type = pick(0, depth < 3 ? 5 : 4);
        static const char* kTypes[] = {"boolean", "number", "string",
                                       "command", "object", "dictionary"};
        slot["type"] = kTypes[type];
        if (type == 0 && chance(70))
            slot["value"] = chance(50);
        if (type == 1 && chance(80))
            slot["value"] = chance(50)
                                ? json(pick(-100000, 100000))
                                : json(std::uniform_real_distribution<double>(-1e6, 1e6)(random));
        if (type == 2 && chance(80))
            slot["value"] = chance(20) ? json(nullptr) : json(word() + "\n" + word());
        if (type == 4 && chance(70))
            slot["value"] = word();
        if (type == 5 && chance(80)) {
            json entries = json::array();
            for (int i = pick(0, 3); i > 0; --i) {
                json entry = value(depth + 1);
                entry["key"] = word() + std::to_string(i);
                entries.push_back(entry);
            }
            slot["value"] = entries;
        }
        return slot;
    };
    auto slots = [&]() {
        json list = json::array();
        for (int i = pick(0, 4); i > 0; --i) {
            json slot = value(0);
            slot["name"] = (chance(50) ? word() : std::string("slot")) + std::to_string(i);
            list.push_back(slot);
        }
        return list;
    };
    json scene;
    scene["models"] = {{"shared", {{"slots", slots()}}}, {"other", {{"slots", slots()}}}};
    std::vector<json> pads;
    std::vector<int> parents;
    std::vector<bool> hasIcon;
    for (int i = 0; i < count; ++i) {
        int parent = i == 0 ? -1 : i < chain ? i - 1 : chance(30) ? -1 : pick(0, i - 1);
        json pad;
        pad["name"] = chance(10) ? json(nullptr) : json(word() + std::to_string(i));
        pad["class"] = chance(15) ? "MvIconPad" : "MvPad" + std::to_string(pick(0, 3));
        pad["id"] = 7 + i * 5;
        pad["x"] = pick(-20, 100);
        pad["y"] = pick(-20, 100);
        pad["width"] = pick(0, 300);
        pad["height"] = pick(0, 300);
        if (chance(20))
            pad["visible"] = false;
        if (chance(15))
            pad["ownView"] = false;
        if (chance(30))
            pad["padName"] = chance(20) ? json(nullptr) : json(word());
        if (chance(30))
            pad["memo"] = word() + "\n" + word();
        if (chance(25))
            pad["protection"] = pick(0, 0x30453);
        if (chance(20))
            pad["groupDepth"] = pick(0, 255);
        if (chance(20))
            pad["selected"] = true;
        if (chance(10))
            pad["refusesConnector"] = true;
        json own = chance(40) ? json() : slots();
        std::string model = own.is_null() ? (chance(50) ? "shared" : "other") : "";
        if (model.empty())
            pad["slots"] = own;
        else
            pad["model"] = model;
        const json& modelSlots = model.empty() ? own : scene["models"][model]["slots"];
        if (!modelSlots.empty() && chance(50))
            pad["output"] =
                modelSlots[static_cast<size_t>(pick(0, int(modelSlots.size()) - 1))]["name"];
        if (parent >= 0) {
            const json& parentPad = pads[static_cast<size_t>(parent)];
            const json& parentSlots =
                parentPad.contains("model")
                    ? scene["models"][parentPad["model"].get<std::string>()]["slots"]
                    : parentPad["slots"];
            if (!parentSlots.empty() && chance(50))
                pad["connect"] =
                    parentSlots[static_cast<size_t>(pick(0, int(parentSlots.size()) - 1))]["name"];
        }
        if (pad["class"] == "MvIconPad" && i > 0) {
            int target = pick(0, i - 1);
            if (!hasIcon[static_cast<size_t>(target)]) {
                hasIcon[static_cast<size_t>(target)] = true;
                pad["standsFor"] = pads[static_cast<size_t>(target)]["id"];
            }
        }
        pads.push_back(pad);
        parents.push_back(parent);
        hasIcon.push_back(false);
    }
    // Children are complete before their parent takes them: each comes after its parent.
    // Lists are filled from the last pad back, so each is reversed when taken.
    std::vector<std::vector<json>> children(pads.size());
    std::vector<json> top;
    auto inOrder = [](const std::vector<json>& list) {
        return json(std::vector<json>(list.rbegin(), list.rend()));
    };
    for (int i = count - 1; i >= 0; --i) {
        json& pad = pads[static_cast<size_t>(i)];
        if (!children[static_cast<size_t>(i)].empty())
            pad["children"] = inOrder(children[static_cast<size_t>(i)]);
        int parent = parents[static_cast<size_t>(i)];
        (parent < 0 ? top : children[static_cast<size_t>(parent)]).push_back(std::move(pad));
    }
    scene["pads"] = inOrder(top);
    return scene.dump(2);
}

struct RoundTrip {
    const char* name;
    Language language;
    std::function<std::string()> scene;   // empty text: the demo scene
    std::function<void(Desktop&)> change; // what a person did before saving
};

void PrintTo(const RoundTrip& trip, std::ostream* out) {
    *out << trip.name;
}

class SceneSaving : public ::testing::TestWithParam<RoundTrip> {
protected:
    void SetUp() override {
        native::Reset();
        native::SetLanguage(GetParam().language);
    }
    void TearDown() override { native::SetLanguage(Language::English); }
};

TEST_P(SceneSaving, LoadsBackToTheSameWorld) {
    const RoundTrip& trip = GetParam();
    Desktop original;
    std::string text = trip.scene ? trip.scene() : "";
    if (text.empty())
        SceneLoader::LoadDemo(original);
    else
        ASSERT_NO_THROW(SceneLoader::LoadText(original, text, "generated"));
    if (trip.change)
        trip.change(original);

    std::string saved = SceneWriter::Text(original);
    Desktop reloaded;
    ASSERT_NO_THROW(SceneLoader::LoadText(reloaded, saved, "saved")) << saved.substr(0, 4000);
    EXPECT_EQ(DescribeDesktop(reloaded), DescribeDesktop(original));
    // Saving what was loaded gives the same text again: nothing drifts from save to save.
    EXPECT_EQ(SceneWriter::Text(reloaded), saved);
}

void ChangeLikeAPerson(Desktop& desktop) {
    DesktopPad* ok = desktop.FindByPath("Stage/Panel/OK");
    ASSERT_TRUE(desktop.MovePad(ok, 12, -7));
    ASSERT_TRUE(desktop.ResizePad(desktop.FindByPath("Chart"), 333, 111));
    ASSERT_TRUE(desktop.SelectPad(desktop.FindByPath("Notes")));
    ASSERT_TRUE(desktop.RenamePad(desktop.FindByPath("Anchor"), "Anker ä"));
    ASSERT_TRUE(desktop.SetSlotValue(desktop.FindByPath("Stage"), "title", "Bestellung"));
    ASSERT_TRUE(desktop.SetSlotValue(desktop.FindByPath("Stage/Panel"), "quantity", "0.1"));
    ASSERT_TRUE(desktop.RepastePad(desktop.FindByPath("Notes"), desktop.FindByPath("Chart"), 5, 6));
    ASSERT_TRUE(desktop.GroupPad(desktop.FindByPath("Chart/Legend")));
    ASSERT_TRUE(desktop.HidePad(desktop.FindByPath("Stage/StatusBar")));
    DesktopPad* added =
        desktop.AddPad(desktop.FindByPath("Stage"), "Neu", 3, 4, 50, 60, "MvNewPad");
    ASSERT_NE(added, nullptr);
}

const RoundTrip kRoundTrips[] = {
    {"Demo", Language::English, {}, {}},
    {"DemoInJapanese", Language::Japanese, {}, {}},
    {"DemoChangedByAPerson", Language::English, {}, ChangeLikeAPerson},
    {"Generated1", Language::English, [] { return GeneratedScene(1, 40, 1, false); }, {}},
    {"Generated2", Language::English, [] { return GeneratedScene(2, 120, 1, false); }, {}},
    {"Generated3", Language::English, [] { return GeneratedScene(3, 60, 1, false); }, {}},
    {"GeneratedJapanese", Language::Japanese, [] { return GeneratedScene(4, 80, 1, true); }, {}},
    {"GeneratedDeep", Language::English, [] { return GeneratedScene(5, 300, 250, false); }, {}},
    {"Empty", Language::English, [] { return std::string(R"({ "pads": [] })"); }, {}},
};

INSTANTIATE_TEST_SUITE_P(Scenes, SceneSaving, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

class SceneFiles : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        SceneLoader::LoadDemo(desktop);
        directory = fs::temp_directory_path() /
                    ("scene-writer-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Files in the directory besides those named: a temporary file left behind.
    size_t Entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(directory), {}));
    }

    Desktop desktop;
    fs::path directory;
};

TEST_F(SceneFiles, ReplaceAnOldFileWhollyAndLoadBack) {
    fs::path file = directory / "scene.json";
    std::ofstream(file) << std::string(SceneWriter::Text(desktop).size() * 2, 'x');
    desktop.MovePad(desktop.FindByPath("Stage"), 77, 88);
    SceneWriter::SaveFile(desktop, file.string());
    EXPECT_EQ(Read(file), SceneWriter::Text(desktop));
    EXPECT_EQ(Entries(), 1u);
    Desktop reloaded;
    SceneLoader::LoadFile(reloaded, file.string());
    EXPECT_EQ(reloaded.FindByPath("Stage")->RelX(), 77);
}

TEST_F(SceneFiles, KeepASymbolicLinkAndReplaceWhatItLeadsTo) {
    fs::path target = directory / "real.json";
    fs::path link = directory / "link.json";
    std::ofstream(target) << "old";
    fs::create_symlink(target.filename(), link);
    SceneWriter::SaveFile(desktop, link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), SceneWriter::Text(desktop));
}

struct Refusal {
    const char* name;
    const char* file; // inside the test's directory
    const char* problem;
};

const Refusal kRefusals[] = {
    {"MissingDirectory", "missing/scene.json", "cannot be written (No such file or directory)"},
    {"Directory", "sub", "cannot be written (not a regular file)"},
};

TEST_F(SceneFiles, ReportWhyAFileCannotBeWrittenAndLeaveNothingBehind) {
    fs::create_directories(directory / "sub");
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        std::string path = (directory / refusal.file).string();
        try {
            SceneWriter::SaveFile(desktop, path);
            ADD_FAILURE() << "saved";
        } catch (const SceneError& e) {
            EXPECT_EQ(std::string(e.what()), path + ": " + refusal.problem);
        }
        EXPECT_EQ(Entries(), 1u);
    }
}

TEST_F(SceneFiles, RefuseANumberNoSceneCanHold) {
    EXPECT_FALSE(desktop.SetSlotValue(desktop.FindByPath("Stage/Panel"), "quantity", "inf"));
    EXPECT_FALSE(desktop.SetSlotValue(desktop.FindByPath("Stage/Panel"), "quantity", "nan"));
}

TEST_F(SceneFiles, LeaveOutUndoablyDeletedPadsAndLinksToThem) {
    DesktopPad* calculator = desktop.FindByPath("Calculator");
    DesktopPad* icon = desktop.FindByPath("Calc");
    ASSERT_EQ(icon->StandsFor(), calculator);
    ASSERT_TRUE(desktop.DeletePad(calculator));
    Desktop reloaded;
    ASSERT_NO_THROW(SceneLoader::LoadText(reloaded, SceneWriter::Text(desktop), "saved"));
    EXPECT_EQ(reloaded.FindByPath("Calculator"), nullptr);
    EXPECT_EQ(reloaded.FindByPath("Calc")->StandsFor(), nullptr);
}

} // namespace
