#include "ResourceTest.h"
#include "resources/DialogTable.h"

#include <cstring>

namespace {

const DialogItemTemplate* Control(const DialogTemplate& dialog, UINT id) {
    for (const DialogItemTemplate& item : dialog.items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

class DialogResourcesTest : public ResourceTest {
protected:
    const DialogTemplate& Dialog(Language language, UINT id) {
        native::SetLanguage(language);
        const DialogTemplate* dialog = FindDialogResource(module, id);
        EXPECT_NE(dialog, nullptr) << "dialog " << id;
        static const DialogTemplate empty;
        return dialog != nullptr ? *dialog : empty;
    }
};

// A radio group runs from a control with WS_GROUP to the next one.
TEST_F(DialogResourcesTest, RadioButtonsFormTheirGroups) {
    struct Case {
        UINT dialog;
        std::vector<std::vector<UINT>> groups;
    };
    const Case cases[] = {
        {102, {{1070, 1071, 1072}, {1082, 1081, 1080, 1083}, {1089, 1090, 1088, 1091}}},
        {202, {{1015, 1016}}},
    };
    for (const Case& c : cases) {
        std::vector<std::vector<UINT>> groups;
        std::vector<UINT> current;
        for (const DialogItemTemplate& item : Dialog(Language::English, c.dialog).items) {
            if ((item.style & WS_GROUP) && !current.empty()) {
                groups.push_back(current);
                current.clear();
            }
            if (item.className == WC_BUTTON && (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                current.push_back(item.id);
        }
        if (!current.empty())
            groups.push_back(current);
        EXPECT_EQ(groups, c.groups) << "dialog " << c.dialog;
    }
}

// An up-down control takes the control before it as its buddy.
TEST_F(DialogResourcesTest, EveryUpDownFollowsItsEditField) {
    for (const DialogSource& source : DialogSources()) {
        const DialogTemplate& dialog = Dialog(Language::English, source.id);
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            if (dialog.items[i].className == UPDOWN_CLASS) {
                ASSERT_GT(i, 0u);
                EXPECT_EQ(dialog.items[i - 1].className, WC_EDIT) << dialog.items[i].id;
            }
        }
    }
}

TEST_F(DialogResourcesTest, LanguagesDifferOnlyInTextsAndFont) {
    for (const DialogSource& source : DialogSources()) {
        const DialogTemplate& english = Dialog(Language::English, source.id);
        const DialogTemplate& japanese = Dialog(Language::Japanese, source.id);
        ASSERT_EQ(english.items.size(), japanese.items.size());
        EXPECT_EQ(english.style, japanese.style);
        for (size_t i = 0; i < english.items.size(); ++i) {
            const DialogItemTemplate& e = english.items[i];
            const DialogItemTemplate& j = japanese.items[i];
            EXPECT_EQ(std::tie(e.id, e.className, e.style, e.x, e.y, e.cx, e.cy),
                      std::tie(j.id, j.className, j.style, j.x, j.y, j.cx, j.cy));
            EXPECT_EQ(e.text.empty(), j.text.empty()) << e.id;
            EXPECT_LE(e.x + e.cx, english.cx) << e.id;
            // A drop-down list's height includes its list, which may reach beyond the dialog.
            int height = e.className == WC_COMBOBOX ? 12 : e.cy;
            EXPECT_LE(e.y + height, english.cy) << e.id;
        }
        EXPECT_EQ(english.fontName, "MS Sans Serif");
        EXPECT_EQ(Utf8(japanese.fontName, Language::Japanese), "ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(FindDialogResource(module, 203), nullptr);
}

// Texts shown elsewhere too read the same in the dialogs: the description of an insert, and
// each caption with the command that opens the dialog.
TEST_F(DialogResourcesTest, TextsAgreeWithStringsAndMenus) {
    struct Case {
        UINT dialog;
        UINT command;
    };
    const Case cases[] = {{102, 32779}, {124, 32811}, {201, 32700}, {202, 32702}, {204, 32704}};
    for (Language language : kLanguages) {
        EXPECT_STREQ(Control(Dialog(language, 102), 1077)->text.c_str(),
                     inspResources().FindString(language, 4));
        for (const Case& c : cases) {
            std::string caption = Utf8(Dialog(language, c.dialog).caption, language);
            const MenuItemTemplate* item =
                FindMenuItem(FindMenuResource(module, 2)->items, c.command);
            ASSERT_NE(item, nullptr) << c.command;
            EXPECT_EQ(caption, Plain(Utf8(item->text, language)));
        }
    }
}

} // namespace
