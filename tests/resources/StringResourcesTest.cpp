#include "ResourceTest.h"
#include "platform/Win.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <vector>

namespace {

// Every string the module shows, and those the framework looks up in it.
std::vector<UINT> RequiredStringIds() {
    std::vector<UINT> ids = {4,     5,     6,     7,     8,     101,   220,   32652, 32654, 32655,
                             32656, 32657, 32658, 32659, 32660, 32661, 32662, 32663, 32664, 32665,
                             32667, 32700, 32701, 32702, 32704, 32705, 32706, 32707, 32715, 32716,
                             32721, 32722, 32730, 32731, 32740, 32741, 32742, 32779, 32810, 32827,
                             57344, 57345, 57346, 57668, 61202, 61203};
    for (UINT id = 211; id <= 219; ++id) // "&1 " to "&9 " of the window list
        ids.push_back(id);
    for (UINT id = 32744; id <= 32755; ++id) // column headers and window titles
        ids.push_back(id);
    for (UINT id = 32811; id <= 32817; ++id)
        ids.push_back(id);
    for (UINT id = 61184; id <= 61190; ++id) // system commands
        ids.push_back(id);
    return ids;
}

class StringResourcesTest : public ResourceTest {};

TEST_F(StringResourcesTest, EveryStringLoadsInBothLanguages) {
    for (Language language : kLanguages) {
        native::SetLanguage(language);
        for (UINT id : RequiredStringIds()) {
            char buffer[255];
            EXPECT_GT(LoadStringA(module, id, buffer, sizeof buffer), 0)
                << "string " << id << " in " << LanguageName(language);
        }
    }
    char buffer[16] = "unchanged";
    EXPECT_EQ(LoadStringA(module, 9999, buffer, sizeof buffer), 0) << "an unknown id";
    EXPECT_EQ(inspResources().FindString(Language::Japanese, 9999), nullptr);
}

TEST_F(StringResourcesTest, TextsAreHandedOutInTheLanguagesCodePage) {
    const InspResources& resources = inspResources();
    for (const StringEntry& entry : StringEntries()) {
        SCOPED_TRACE(entry.id);
        std::string english = resources.FindString(Language::English, entry.id);
        EXPECT_TRUE(std::all_of(english.begin(), english.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        EXPECT_EQ(english, entry.english);
        // Valid code page 932 converts back to exactly the source text.
        std::string japanese = resources.FindString(Language::Japanese, entry.id);
        EXPECT_EQ(Utf8(japanese, Language::Japanese), entry.japanese);
        // LoadString hands out at most 254 characters into the buffers the module uses.
        EXPECT_LT(english.size(), 255u);
        EXPECT_LT(japanese.size(), 255u);
    }
}

} // namespace
