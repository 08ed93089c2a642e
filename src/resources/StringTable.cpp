#include "StringTable.h"

#include <algorithm>
#include <iterator>

namespace {

// Sorted by identifier. A command's string is its status-bar prompt, then after a line
// break its tooltip.
const StringEntry kStrings[] = {
    {4, "Insert under/over the 'To' Pad", "先ﾊﾟｯﾄﾞの親/子として挿入"},
    {5, "Replace 'To' Pad by 'From' Pad", "先ﾊﾟｯﾄﾞを元ﾊﾟｯﾄﾞで置換"},
    {6, "Desktop", "デスクトップ"},
    {7, "No", "□"},
    {8, "Yes", "■"},
    {101, "0/0", "0/0"},
    {211, "&1 ", "&1 "},
    {212, "&2 ", "&2 "},
    {213, "&3 ", "&3 "},
    {214, "&4 ", "&4 "},
    {215, "&5 ", "&5 "},
    {216, "&6 ", "&6 "},
    {217, "&7 ", "&7 "},
    {218, "&8 ", "&8 "},
    {219, "&9 ", "&9 "},
    {220, "&Other windows...", "その他のｳｨﾝﾄﾞｳ(&O)..."},
    {32652, "Position specified is out of range. Please enter an integer between -16383 and 16383.",
     "-16383 から 16383 までの整数を指定してください。"},
    {32654, "Size specified is out of range. Please enter an integer between 1 and 8192.",
     "1 から 8192 までの整数を指定してください。"},
    {32655, "No condition specified for search. Please enter valid search conditions.",
     "検索条件が不適当です。正しい検索条件を指定してください。"},
    {32656, "Pad not found.", "ﾊﾟｯﾄﾞが見つかりませんでした。"},
    {32657, "All the selected pads will be deleted.\n\nDo you wish to delete all pads?",
     "選択されたﾊﾟｯﾄﾞが全て削除されます。\n\n削除を実行しますか？"},
    // The Japanese questions below end after their first sentence.
    {32658, "Some pads cannot change size or position.\n\nDo you wish to continue?",
     "位置またはｻｲｽﾞが変更できないﾊﾟｯﾄﾞがあります。"},
    {32659, "Some pads cannot be deleted.", "削除できないﾊﾟｯﾄﾞがあります。"},
    {32660, "Some pads cannot change position.\n\nDo you wish to continue?",
     "位置が変更できないﾊﾟｯﾄﾞがあります。"},
    {32661, "Some pads cannot change size.\n\nDo you wish to continue?",
     "ｻｲｽﾞが変更できないﾊﾟｯﾄﾞがあります。"},
    {32662, "Pad cannot move out of parent pad.",
     "親ﾊﾟｯﾄﾞ外への移動が禁止されているﾊﾟｯﾄﾞがあります。"},
    {32663,
     "The \"From\" pad cannot be moved out of the area where its parent is displayed on the "
     "screen. The position of the \"From\" pad will be adjusted automatically within the area.",
     "元ﾊﾟｯﾄﾞは親ﾊﾟｯﾄﾞ外への移動が禁止されています。元ﾊﾟｯﾄﾞの位置は自動的に修正されます。"},
    {32664,
     "The \"To\" pad cannot be moved out of the area where its parent is displayed on the "
     "screen. The position and size of the \"From\" pad will be adjusted as the position and "
     "size of the \"To\" pad.",
     "先ﾊﾟｯﾄﾞは親ﾊﾟｯﾄﾞ外への移動が禁止されています。元ﾊﾟｯﾄﾞの位置とｻｲｽﾞを先ﾊﾟｯﾄﾞに合わせます。"},
    {32665,
     "The \"From\" pad cannot be moved out of the area where its parent is displayed on the "
     "screen. The position of the \"From\" pad will be adjusted automatically within the area.",
     "元ﾊﾟｯﾄﾞは親ﾊﾟｯﾄﾞ外への移動が禁止されています。元ﾊﾟｯﾄﾞの位置は自動的に修正されます。"},
    {32667, "This paste will create a loop.", "結合によって、ﾙｰﾌﾟが発生します。"},
    {32700, "Delete selected pads\nDelete", "選択したﾊﾟｯﾄﾞを削除します\n削除"},
    {32701, "Editing pad properties\nPad Properties", "ﾊﾟｯﾄﾞのﾌﾟﾛﾊﾟﾃｨを編集します\nﾊﾟｯﾄﾞﾌﾟﾛﾊﾟﾃｨ"},
    {32702, "Edit the size and position of selected pads\nGeometry",
     "選択したﾊﾟｯﾄﾞの位置とｻｲｽﾞを指定します\n位置、ｻｲｽﾞの指定"},
    {32704, "Search for pads with memo, label or slots\nSearch",
     "ﾒﾓ、ﾗﾍﾞﾙ名またはｽﾛｯﾄでﾊﾟｯﾄﾞを検索します\n検索"},
    {32705, "Reflect the selection in this window on the MV desktop\nSelect",
     "このｳｨﾝﾄﾞｳでの選択をMVﾃﾞｽｸﾄｯﾌﾟに反映します\n選択"},
    {32706, "Exit Inspector\nExit", "階層情報を終了します\n終了"},
    {32707,
     "On the MV desktop, deselect all the pads that you have selected in this window\nDeselect",
     "このｳｨﾝﾄﾞｳで選択したﾊﾟｯﾄﾞのMVﾃﾞｽｸﾄｯﾌﾟ上での選択をすべて解除します\n選択解除"},
    {32715, "Display Connection Editor for the pad\nConnection Editor",
     "ﾊﾟｯﾄﾞの結合情報を表示します\n結合情報"},
    {32716, "Generate documentation of a selected pad\nDocument Generator",
     "選択したﾊﾟｯﾄﾞの情報を出力します\n情報出力"},
    {32721, "Set or unset automatic retrieval of current pad\nAuto Update",
     "ﾊﾟｯﾄﾞの状態を自動的に取得するかどうかを切り替えます\n自動更新"},
    {32722, "Retrieve current pad states\nUpdate", "現在のﾊﾟｯﾄﾞの状態を取得します\n更新"},
    {32730, "Lists Help topics\nHelp Topics", "ﾍﾙﾌﾟ ﾄﾋﾟｯｸの一覧を表示します\nﾄﾋﾟｯｸの検索"},
    {32731, "Search for a Help topic by typing or selecting a keyword",
     "ｷｰﾜｰﾄﾞを入力または選択してﾍﾙﾌﾟ ﾄﾋﾟｯｸを検索します"},
    {32740, " pads has been found", "枚のﾊﾟｯﾄﾞが検索されました"},
    {32741, "Cannot open the Inspector.", "階層情報を表示することができません"},
    {32742, "Inspector", "階層情報"},
    {32744, "Label", "ﾗﾍﾞﾙ名"},
    {32745, "Position", "位置"},
    {32746, "Size", "ｻｲｽﾞ"},
    {32747, "Output Slot", "主ｽﾛｯﾄ"},
    {32748, "Output Value", "主ｽﾛｯﾄ値"},
    {32749, "Search", "検索"},
    {32750, "Position(Rel.)", "位置(相対)"},
    {32751, "Pad Name", "ﾊﾟｯﾄﾞ名"},
    {32752, "Connection", "結合"},
    {32753, "Group Depth", "ｸﾞﾙｰﾌﾟ化"},
    {32754, "Pad ID", "ﾊﾟｯﾄﾞID"},
    {32755, "Inspector [Search]", "階層情報 [検索]"},
    {32779, "Insert or Replace selected pads\nInsert/Replace",
     "選択したﾊﾟｯﾄﾞを挿入または置換します\n挿入/置換"},
    {32810, "Change to the parent pad of top pad", "先頭のﾊﾟｯﾄﾞの親ﾊﾟｯﾄﾞに切り替えます"},
    {32811, "Changes the items shown In the Inspector", "階層情報に表示する項目を変更します"},
    {32812, "Shows the pad hierarchy with pad labels", "ﾊﾟｯﾄﾞの階層をﾗﾍﾞﾙ名で表示します"},
    {32813, "Opens a new Inspector", "新しい階層情報を開きます"},
    {32814, "Opens a new Inspector for parent pad", "親ﾊﾟｯﾄﾞの階層情報を開きます"},
    {32815, "Opens a new Inspector for the MV desktop", "MVﾃﾞｽｸﾄｯﾌﾟの階層情報を開きます"},
    {32816, "Closes all the Connection Editors and the Inspectors",
     "すべての結合情報と階層情報を閉じます"},
    {32817, "Activates the MV desktop window", "MVﾃﾞｽｸﾄｯﾌﾟのｳｨﾝﾄﾞｳをｱｸﾃｨﾌﾞにします"},
    {32827, "Activates specified window", "指定したｳｨﾝﾄﾞｳをｱｸﾃｨﾌﾞにします"},
    {57344, "Inspector", "階層情報"},
    {57345, "Ready", "ﾚﾃﾞｨ"},
    {57346, "Help Mode", "ﾍﾙﾌﾟ ﾓｰﾄﾞ"},
    {57668, "Using Help", "ﾍﾙﾌﾟの使い方"},
    {57669, "Show help for the button, menu or window clicked next\nContext Help",
     "次にｸﾘｯｸしたﾎﾞﾀﾝ、ﾒﾆｭｰ、ｳｨﾝﾄﾞｳのﾍﾙﾌﾟを表示します\nﾍﾙﾌﾟ"},
    {61184, "Change the window size", "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更します"},
    {61185, "Change the window position", "ｳｨﾝﾄﾞｳの位置を変更します"},
    {61186, "Reduce the window to an icon", "ｳｨﾝﾄﾞｳをｱｲｺﾝ化します"},
    {61187, "Enlarge the window to full size", "ｳｨﾝﾄﾞｳを最大表示にします"},
    {61188, "Switch to the next document window", "次のｳｨﾝﾄﾞｳに切り替えます"},
    {61189, "Switch to the previous document window", "前のｳｨﾝﾄﾞｳに切り替えます"},
    {61190, "Close the Inspector.", "階層情報を閉じます。"},
    {61202, "Restore the window to normal size", "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻します"},
    {61203, "Activate Task List", "ﾀｽｸ ﾘｽﾄをｱｸﾃｨﾌﾞにします"},
};

} // namespace

const StringEntry* FindStringEntry(unsigned id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringEntry& e, unsigned key) { return e.id < key; });
    return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

std::span<const StringEntry> StringEntries() {
    return kStrings;
}
