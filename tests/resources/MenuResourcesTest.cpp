#include "ResourceTest.h"
#include "resources/MenuTable.h"

#include <cctype>
#include <map>
#include <set>

namespace {

// The ids of a menu's items: "|" a separator, a popup's items in brackets.
std::string Layout(const std::vector<MenuItemTemplate>& items) {
    std::string out;
    for (const MenuItemTemplate& item : items) {
        if (!out.empty())
            out += ' ';
        if (item.IsSeparator())
            out += '|';
        else if (item.IsPopup())
            out += '[' + Layout(item.children) + ']';
        else
            out += std::to_string(item.id);
    }
    return out;
}

// The mnemonic letter of a menu text, lower case; 0 when it has none.
char Mnemonic(const std::string& text) {
    size_t at = text.find('&');
    return at != std::string::npos && at + 1 < text.size()
               ? static_cast<char>(std::tolower(static_cast<unsigned char>(text[at + 1])))
               : '\0';
}

template <typename Visit>
void ForEachItem(const std::vector<MenuItemTemplate>& items, Visit visit) {
    for (const MenuItemTemplate& item : items) {
        visit(item);
        ForEachItem(item.children, visit);
    }
}

class MenuResourcesTest : public ResourceTest {
protected:
    const MenuTemplate& Menu(Language language, UINT id) {
        native::SetLanguage(language);
        const MenuTemplate* menu = FindMenuResource(module, id);
        EXPECT_NE(menu, nullptr) << "menu " << id;
        static const MenuTemplate empty;
        return menu != nullptr ? *menu : empty;
    }
};

// A search-results window may change the geometry of its hits and delete them, but neither
// inserts nor searches.
TEST_F(MenuResourcesTest, TheResultsMenuOffersNeitherInsertReplaceNorSearch) {
    const std::vector<MenuItemTemplate>& results = Menu(Language::English, 125).items;
    EXPECT_NE(FindMenuItem(results, 32702), nullptr);
    EXPECT_NE(FindMenuItem(results, 32700), nullptr);
    EXPECT_EQ(FindMenuItem(results, 32779), nullptr);
    EXPECT_EQ(FindMenuItem(results, 32704), nullptr);
}

TEST_F(MenuResourcesTest, OnlyTheLastPopupOfAMenuBarIsRightJustified) {
    for (UINT id : {2u, 125u}) {
        for (Language language : kLanguages) {
            const std::vector<MenuItemTemplate>& items = Menu(language, id).items;
            for (size_t i = 0; i < items.size(); ++i)
                EXPECT_EQ((items[i].flags & MFT_RIGHTJUSTIFY) != 0, i + 1 == items.size())
                    << "menu " << id << " popup " << i;
        }
    }
}

TEST_F(MenuResourcesTest, BothLanguagesHaveTheSameLayoutAndFlags) {
    for (const MenuResourceSource& source : MenuSources()) {
        std::vector<UINT> flags[2];
        std::string layouts[2];
        for (Language language : kLanguages) {
            const MenuTemplate& menu = Menu(language, source.id);
            auto index = static_cast<size_t>(language);
            layouts[index] = Layout(menu.items);
            ForEachItem(menu.items,
                        [&](const MenuItemTemplate& item) { flags[index].push_back(item.flags); });
        }
        EXPECT_EQ(layouts[0], layouts[1]) << "menu " << source.id;
        EXPECT_EQ(flags[0], flags[1]) << "menu " << source.id;
    }
}

TEST_F(MenuResourcesTest, EachTextHasOneTranslationAndTheSameMnemonic) {
    std::map<std::string, std::string> translations;
    for (const MenuResourceSource& source : MenuSources()) {
        const MenuTemplate& english = Menu(Language::English, source.id);
        const MenuTemplate& japanese = Menu(Language::Japanese, source.id);
        std::vector<const MenuItemTemplate*> englishItems, japaneseItems;
        ForEachItem(english.items,
                    [&](const MenuItemTemplate& item) { englishItems.push_back(&item); });
        ForEachItem(japanese.items,
                    [&](const MenuItemTemplate& item) { japaneseItems.push_back(&item); });
        ASSERT_EQ(englishItems.size(), japaneseItems.size());
        for (size_t i = 0; i < englishItems.size(); ++i) {
            if (englishItems[i]->IsSeparator())
                continue;
            const std::string& text = englishItems[i]->text;
            std::string translation = Utf8(japaneseItems[i]->text, Language::Japanese);
            auto [it, added] = translations.emplace(text, translation);
            EXPECT_EQ(it->second, translation) << text;
            EXPECT_NE(Mnemonic(text), '\0') << text;
            EXPECT_EQ(Mnemonic(translation), Mnemonic(text)) << text;
        }
    }
}

TEST_F(MenuResourcesTest, MnemonicsAreUniqueWithinEachPopup) {
    for (const MenuResourceSource& source : MenuSources()) {
        for (Language language : kLanguages) {
            ForEachItem(Menu(language, source.id).items, [&](const MenuItemTemplate& popup) {
                std::set<char> seen;
                for (const MenuItemTemplate& item : popup.children) {
                    if (!item.IsSeparator()) {
                        EXPECT_TRUE(seen.insert(Mnemonic(item.text)).second)
                            << item.text << " in menu " << source.id;
                    }
                }
            });
        }
    }
}

// A tooltip names its command as the menu does.
TEST_F(MenuResourcesTest, TooltipsMatchTheMenuTexts) {
    for (Language language : kLanguages) {
        ForEachItem(Menu(language, 2).items, [&](const MenuItemTemplate& item) {
            const char* prompt = inspResources().FindString(language, item.id);
            if (item.id == 0 || prompt == nullptr)
                return;
            std::string text = Utf8(prompt, language);
            size_t at = text.find('\n');
            if (at != std::string::npos) {
                EXPECT_EQ(text.substr(at + 1), Plain(Utf8(item.text, language))) << item.id;
            }
        });
    }
}

} // namespace
