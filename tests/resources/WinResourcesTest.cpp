#include "ResourceTest.h"

namespace {

// A module with strings only, as modules written before menus and dialogs existed.
class StringsOnly : public ResourceModule {
public:
    const char* FindString(Language, UINT id) const override { return id == 1 ? "one" : nullptr; }
    bool HasIcon(UINT) const override { return false; }
};

class WinResourcesTest : public ResourceTest {};

TEST_F(WinResourcesTest, LookupsFollowTheActiveLanguage) {
    native::SetLanguage(Language::English);
    const MenuTemplate* english = FindMenuResource(module, 2);
    const DialogTemplate* englishDialog = FindDialogResource(module, 201);
    native::SetLanguage(Language::Japanese);
    const MenuTemplate* japanese = FindMenuResource(module, 2);
    ASSERT_NE(english, nullptr);
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(english->items[0].text, "&Edit");
    EXPECT_EQ(Utf8(japanese->items[0].text, Language::Japanese), "編集(&E)");
    EXPECT_EQ(Utf8(FindDialogResource(module, 201)->caption, Language::Japanese), "削除");
    EXPECT_EQ(englishDialog->caption, "Delete");
    // Converted once: a second lookup hands out the same object.
    EXPECT_EQ(FindMenuResource(module, 2), japanese);
}

TEST_F(WinResourcesTest, NothingIsFoundOutsideAModuleWithTemplates) {
    StringsOnly strings;
    HINSTANCE registered = native::RegisterModule("strings", &strings);
    HINSTANCE stranger = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7777));
    for (HINSTANCE other : {stranger, registered}) {
        SCOPED_TRACE(other == stranger ? "unregistered" : "strings only");
        EXPECT_EQ(FindMenuResource(other, 2), nullptr);
        EXPECT_EQ(FindAcceleratorResource(other, 2), nullptr);
        EXPECT_EQ(FindDialogResource(other, 201), nullptr);
        EXPECT_EQ(FindToolbarResource(other, 2), nullptr);
        EXPECT_EQ(FindImageResource(other, 2, true), nullptr);
        EXPECT_EQ(FindImageResource(other, 2, false), nullptr);
    }
    native::UnregisterModule(registered);
}

} // namespace
