#include "RecordingHost.h"
#include "frame/CMainFrame.h"
#include "platform/Afx.h"
#include "platform/NativeBackend.h"
#include "service/ModuleEntry.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"
#include "service/TextHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Truncated(std::string text, size_t n) {
    text.resize(std::max(text.size(), n) + 1, '\0');
    inspTruncateMbcs(text.data(), n);
    return text.c_str();
}

TEST(TruncateMbcs, CutsWithoutLeavingHalfACharacter) {
    RecordingHost host;
    const std::string kanji = "\x88\x9f"; // one double-byte character
    struct Case {
        std::string text;
        size_t n;
        std::string expected;
        bool japanese = true;
    };
    const std::vector<Case> cases = {
        {"abcdef", 3, "abc"},
        {"abc", 3, "abc"},
        {"ab", 3, "ab"},
        {"ab" + kanji, 3, "ab "},
        {"a" + kanji + "b", 3, "a" + kanji},
        {kanji + kanji, 3, kanji + " "},
        {"\xb1\xb2\xb3", 2, "\xb1\xb2"},    // half-width katakana are single bytes
        {"ab" + kanji, 3, "ab\x88", false}, // in the English code page every byte is one
    };
    for (const Case& c : cases) {
        host.japanese = c.japanese;
        EXPECT_EQ(Truncated(c.text, c.n), c.expected) << c.text << " / " << c.n;
    }
}

TEST(ConvertNewlines, BothDirections) {
    struct Case {
        std::string source;
        int mode;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a\nb", 0, "a\r\nb"},       {"a\r\nb", 0, "a\r\r\nb"},   {"", 0, ""},
        {"\n\n", 2, "\r\n\r\n"},     {"a\r\nb\rc", 1, "a\nb\rc"}, {"abc", 1, "abc"},
        {"\r\n\r\n\r", 1, "\n\n\r"},
    };
    for (const Case& c : cases) {
        std::string source = c.source;
        std::vector<char> destination(source.size() * 2 + 1);
        const char* result = inspConvertNewlines(source.data(), destination.data(), c.mode);
        EXPECT_EQ(std::string(result), c.expected) << c.mode;
    }
    EXPECT_EQ(inspConvertNewlines(nullptr, nullptr, 1), nullptr);
}

class ResourceHelpersTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        AfxSetResourceHandle(hostResources);
        native::SetMessageBoxHandler([this](const native::MessageBoxRequest& r) {
            host.calls.push_back("MessageBox " + std::to_string(r.stringId) + " " + r.text);
            return IDOK;
        });
    }
    void TearDown() override { native::Reset(); }

    HINSTANCE hostResources = reinterpret_cast<HINSTANCE>(0x4000);
    RecordingHost host;
};

TEST_F(ResourceHelpersTest, EveryHelperPutsTheHostsResourcesBack) {
    std::string text = "unchanged";
    EXPECT_TRUE(inspLoadString(text, 32741));
    EXPECT_EQ(text, "Cannot open the Inspector.");
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);

    text = "unchanged";
    EXPECT_FALSE(inspLoadString(text, 1));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);

    EXPECT_NE(inspLoadIcon(106), nullptr);
    EXPECT_EQ(inspLoadIcon(99), nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);

    inspMessageBox(nullptr, 32741);
    inspMessageBox(nullptr, 1); // no such text: no box
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"MessageBox 32741 Cannot open the Inspector."}));
}

TEST_F(ResourceHelpersTest, WarningsStopTimersAndOpenTheModalBracket) {
    CMainFrame frame; // no window: the box has no owner
    host.timerStop = 0;
    frame.ShowWarning(32741);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"MwSetTimerStop(1)", "SetModalOpen(1)",
                                                    "MessageBox 32741 Cannot open the Inspector.",
                                                    "SetModalOpen(0)", "MwSetTimerStop(0)"}));
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);
}

} // namespace
