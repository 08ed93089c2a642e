#include "MenuTable.h"

#include "CommandIds.h"
#include "ResourceIds.h"
#include "platform/ResourceTypes.h"

#include <algorithm>

namespace {

MenuSource Command(unsigned id, const char* english, const char* japanese) {
    return {id, english, japanese, MF_STRING, {}};
}

MenuSource Separator() {
    return {0, "", "", MF_SEPARATOR, {}};
}

MenuSource Popup(const char* english, const char* japanese, std::vector<MenuSource> items,
                 unsigned extraFlags = 0) {
    return {0, english, japanese, MF_POPUP | extraFlags, std::move(items)};
}

// A text that occurs in several menus is written once, so it is translated alike everywhere.
std::vector<MenuResourceSource> BuildMenus() {
    const MenuSource select = Command(ID_EDIT_SELECT, "S&elect", "選択(&E)");
    const MenuSource deselect = Command(ID_EDIT_DESELECT, "Deselec&t", "選択解除(&T)");
    const MenuSource geometry =
        Command(ID_EDIT_GEOMETRY, "&Geometry...", "位置、ｻｲｽﾞの指定(&G)...");
    const MenuSource insertReplace =
        Command(ID_EDIT_INSERT_REPLACE, "&Insert/Replace...", "挿入/置換(&I)...");
    const MenuSource remove = Command(ID_EDIT_DELETE, "&Delete...", "削除(&D)...");
    const MenuSource search = Command(ID_EDIT_SEARCH, "&Search...", "検索(&S)...");
    const MenuSource properties =
        Command(ID_EDIT_PROPERTIES, "Pad P&roperties", "ﾊﾟｯﾄﾞﾌﾟﾛﾊﾟﾃｨ(&R)");
    const MenuSource connectionEditor =
        Command(ID_TOOLS_CONNECTION_EDITOR, "&Connection Editor", "結合情報(&C)");
    const std::vector<MenuSource> inspectors = {
        Command(ID_INSPECTOR_SELECTED_PAD, "Selec&ted Pad", "選択ﾊﾟｯﾄﾞ(&T)"),
        Command(ID_INSPECTOR_PARENT_OF_TOP, "&Parent of Top Pad", "先頭の親ﾊﾟｯﾄﾞ(&P)"),
        Command(ID_INSPECTOR_DESKTOP, "&Desktop", "ﾃﾞｽｸﾄｯﾌﾟ(&D)"),
    };
    const MenuSource toolsInspector = Popup("&Inspector", "階層情報(&I)", inspectors);
    const MenuSource contextInspector = Popup("Ins&pector", "階層情報(&P)", inspectors);
    const MenuSource documentGenerator =
        Command(ID_TOOLS_DOCUMENT_GENERATOR, "&Document Generator...", "情報出力(&D)...");
    const MenuSource contextDocumentGenerator =
        Command(ID_TOOLS_DOCUMENT_GENERATOR, "D&ocument Generator...", "情報出力(&O)...");
    const MenuSource help = Popup(
        "&Help", "ﾍﾙﾌﾟ(&H)", {Command(ID_HELP_TOPICS, "&Help Topics", "ﾄﾋﾟｯｸの検索(&H)")}, MF_HELP);

    MenuResourceSource inspector{
        IDR_MAINFRAME,
        {
            Popup("&Edit", "編集(&E)",
                  {select, deselect, Separator(), geometry, insertReplace, Separator(), remove,
                   Separator(), search, Separator(), properties}),
            Popup(
                "&Tools", "ﾂｰﾙ(&T)",
                {toolsInspector, connectionEditor, documentGenerator, Separator(),
                 Popup("&Option", "ｵﾌﾟｼｮﾝ(&O)",
                       {Command(ID_OPTION_UPDATE, "&Update", "更新(&U)"),
                        Command(ID_OPTION_AUTO_UPDATE, "&Auto Update", "自動更新(&A)"), Separator(),
                        Command(ID_OPTION_NESTED_LABEL, "Nested &Label", "ﾗﾍﾞﾙ名の階層(&L)")}),
                 Separator(), Command(ID_TOOLS_CUSTOMIZE, "C&ustomize...", "ｶｽﾀﾏｲｽﾞ(&U)...")}),
            // The window list is appended after the last separator.
            Popup("&Window", "ｳｨﾝﾄﾞｳ(&W)",
                  {Command(ID_WINDOW_DESKTOP, "&Desktop", "ﾃﾞｽｸﾄｯﾌﾟ(&D)"), Separator(),
                   Command(ID_WINDOW_ALL_CLOSE, "&All Close", "すべてｸﾛｰｽﾞ(&A)"), Separator()}),
            help,
        }};

    MenuResourceSource context{
        IDR_CONTEXTMENU,
        {
            Popup("&Main", "ﾒｲﾝ(&M)",
                  {select, deselect, Separator(), geometry, insertReplace, Separator(), remove,
                   Separator(), search, Separator(), contextInspector, connectionEditor,
                   contextDocumentGenerator, Separator(),
                   Command(ID_CONTEXT_HELP_TOPIC, "&Help", "ﾍﾙﾌﾟ(&H)"), Separator(), properties}),
            Popup("&Dialog", "ﾀﾞｲｱﾛｸﾞ(&D)",
                  {Command(ID_WHATS_THIS, "&What's This?", "この項目の説明(&W)")}),
            // Unused; it keeps the search-results menu at its position.
            Popup("&Unused", "未使用(&U)", {Separator()}),
            Popup("&Search", "検索(&S)",
                  {select, deselect, Separator(), geometry, Separator(), remove, Separator(),
                   contextInspector, connectionEditor, contextDocumentGenerator, Separator(),
                   properties}),
        }};

    MenuResourceSource searchResults{
        IDR_SEARCHFRAME,
        {
            Popup("&Edit", "編集(&E)",
                  {select, deselect, Separator(), geometry, Separator(), remove, Separator(),
                   properties}),
            Popup("&Tools", "ﾂｰﾙ(&T)", {toolsInspector, connectionEditor, documentGenerator}),
            help,
        }};

    return {inspector, context, searchResults};
}

} // namespace

std::span<const MenuResourceSource> MenuSources() {
    static const std::vector<MenuResourceSource> menus = BuildMenus();
    return menus;
}

const MenuResourceSource* FindMenuSource(unsigned id) {
    auto menus = MenuSources();
    auto it = std::find_if(menus.begin(), menus.end(),
                           [id](const MenuResourceSource& menu) { return menu.id == id; });
    return it != menus.end() ? &*it : nullptr;
}
