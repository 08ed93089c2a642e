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

TEST_F(DialogResourcesTest, ControlsComeInTabOrder) {
    struct Case {
        UINT dialog;
        std::vector<UINT> ids;
    };
    const Case cases[] = {
        {102, {1119, 1070, 1071, 1072, 1113, 1075, 1114, 1076, 1077, 1120, 1082,
               1081, 1080, 1083, 1115, 1084, 1085, 1116, 1086, 1087, 1121, 1089,
               1090, 1088, 1091, 1117, 1092, 1093, 1118, 1094, 1095, 1124, 1129}},
        {124, {1135, 1132, 1136, 1133, 1137, 1138, 1142, 1141, 1139, 1140, 1143, 1144}},
        {201, {1112, 1000, 1063, 1122, 1060, 1062, 1123}},
        {202, {1105, 1010, 1001, 1106, 1011, 1002, 1008, 1107, 1012, 1003, 1108, 1013, 1004,
               1007, 1019, 1020, 1018, 1021, 1099, 1015, 1016, 1101, 1126, 1014, 1127}},
        {204, {1096, 1040, 1041, 1100, 1056, 1057, 1102, 1058, 1059, 1097,
               1042, 1043, 1098, 1109, 1110, 1111, 1044, 1045, 1046, 1047,
               1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1125, 1128}},
    };
    for (const Case& c : cases) {
        for (Language language : kLanguages) {
            std::vector<UINT> ids;
            for (const DialogItemTemplate& item : Dialog(language, c.dialog).items)
                ids.push_back(item.id);
            EXPECT_EQ(ids, c.ids) << "dialog " << c.dialog << " in " << LanguageName(language);
        }
    }
}

TEST_F(DialogResourcesTest, ControlsHaveTheirKindAndStyle) {
    struct Case {
        UINT dialog, id;
        const char* className;
        DWORD required;
        DWORD kindMask; // the bits that make up the control's kind, compared with required
    };
    const DWORD udsAll =
        UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    const Case cases[] = {
        {201, 1000, WC_EDIT, ES_READONLY | ES_AUTOHSCROLL, ES_READONLY | ES_AUTOHSCROLL},
        {201, 1063, WC_BUTTON, BS_AUTOCHECKBOX, BS_TYPEMASK},
        {201, 1122, WC_BUTTON, BS_DEFPUSHBUTTON, BS_TYPEMASK},
        {201, 1060, WC_BUTTON, BS_PUSHBUTTON, BS_TYPEMASK},
        {202, 1019, WC_BUTTON, BS_CHECKBOX, BS_TYPEMASK},
        {202, 1021, WC_BUTTON, BS_CHECKBOX, BS_TYPEMASK},
        {202, 1015, WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, BS_TYPEMASK | WS_GROUP},
        {202, 1016, WC_BUTTON, BS_AUTORADIOBUTTON, BS_TYPEMASK | WS_GROUP},
        {202, 1126, WC_BUTTON, BS_DEFPUSHBUTTON, BS_TYPEMASK},
        {202, 1099, WC_BUTTON, BS_GROUPBOX, BS_TYPEMASK},
        {202, 1003, UPDOWN_CLASS, udsAll, udsAll},
        {102, 1075, WC_EDIT, ES_READONLY, ES_READONLY},
        {102, 1084, WC_EDIT, 0, ES_READONLY},
        {102, 1077, WC_BUTTON, BS_GROUPBOX, BS_TYPEMASK},
        {102, 1120, WC_BUTTON, BS_GROUPBOX | WS_GROUP, BS_TYPEMASK | WS_GROUP},
        {102, 1082, WC_BUTTON, BS_AUTORADIOBUTTON, BS_TYPEMASK | WS_GROUP},
        {102, 1095, UPDOWN_CLASS, udsAll, udsAll},
        {124, 1132, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL, LBS_NOTIFY | LBS_SORT | WS_VSCROLL},
        {124, 1133, WC_LISTBOX, LBS_NOTIFY | WS_VSCROLL, LBS_NOTIFY | LBS_SORT | WS_VSCROLL},
        {204, 1043, WC_EDIT, ES_MULTILINE | ES_WANTRETURN, ES_MULTILINE | ES_WANTRETURN},
        {204, 1041, WC_EDIT, 0, ES_MULTILINE},
        {204, 1054, WC_COMBOBOX, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_SORT},
        {204, 1048, WC_BUTTON, BS_AUTOCHECKBOX, BS_TYPEMASK},
        {204, 1125, WC_BUTTON, BS_DEFPUSHBUTTON, BS_TYPEMASK},
    };
    for (const Case& c : cases) {
        const DialogItemTemplate* item = Control(Dialog(Language::English, c.dialog), c.id);
        ASSERT_NE(item, nullptr) << c.id;
        EXPECT_EQ(item->className, c.className) << c.id;
        EXPECT_EQ(item->style & c.kindMask, c.required) << c.id;
        EXPECT_EQ(item->style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE) << c.id;
    }
}

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

TEST_F(DialogResourcesTest, LanguagesDifferOnlyInTexts) {
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
    }
}

TEST_F(DialogResourcesTest, SelectedTextsAreExact) {
    struct Case {
        UINT dialog, id;
        const char* english;
        const char* japanese;
    };
    const Case cases[] = {
        {202, 1014, "Re&flect", "反映(&F)"},
        {202, 1101, "Co-ordinate", "座標"},
        {201, 1063, "&Delete Child Pads", "子ﾊﾟｯﾄﾞも削除(&D)"},
        {201, 1060, "DeleteAll", "全て削除"},
        {124, 1137, "&Add >>", "追加(&A) >>"},
        {102, 1070, "Insert(&Parent)", "親として挿入(&P)"},
        {204, 1052, ":", ":"},
        {204, 1110, "Slot Type", "ｽﾛｯﾄ型"},
    };
    for (const Case& c : cases) {
        for (Language language : kLanguages) {
            const DialogItemTemplate* item = Control(Dialog(language, c.dialog), c.id);
            ASSERT_NE(item, nullptr) << c.id;
            EXPECT_EQ(Utf8(item->text, language),
                      language == Language::English ? c.english : c.japanese)
                << c.id;
        }
    }
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

TEST_F(DialogResourcesTest, FontFollowsTheLanguage) {
    EXPECT_EQ(Dialog(Language::English, 202).fontName, "MS Sans Serif");
    EXPECT_EQ(Utf8(Dialog(Language::Japanese, 202).fontName, Language::Japanese),
              "ＭＳ Ｐゴシック");
    EXPECT_EQ(Dialog(Language::English, 202).cx, 236);
    EXPECT_EQ(Dialog(Language::English, 202).cy, 116);
    EXPECT_EQ(Dialog(Language::English, 201).cx, 192);
    EXPECT_EQ(Dialog(Language::English, 201).cy, 71);
    EXPECT_EQ(FindDialogResource(module, 203), nullptr);
}

} // namespace
