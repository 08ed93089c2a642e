#include "DialogTable.h"

#include "ControlIds.h"
#include "ResourceIds.h"
#include "platform/ResourceTypes.h"

#include <algorithm>

const unsigned long kDialogStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

namespace {

constexpr unsigned long kChild = WS_CHILD | WS_VISIBLE;

struct Box {
    short x, y, cx, cy;
};

DialogItemSource Item(const char* className, unsigned id, const char* english, const char* japanese,
                      unsigned long style, Box box) {
    return {className, id, english, japanese, kChild | style, box.x, box.y, box.cx, box.cy};
}

DialogItemSource Label(unsigned id, const char* english, const char* japanese, Box box,
                       unsigned long extra = 0) {
    return Item(WC_STATIC, id, english, japanese, SS_LEFT | extra, box);
}

DialogItemSource Edit(unsigned id, Box box, unsigned long extra = ES_AUTOHSCROLL) {
    return Item(WC_EDIT, id, "", "", WS_BORDER | WS_TABSTOP | extra, box);
}

// Sets its buddy, the control before it, to integers without thousands separators.
DialogItemSource Spin(unsigned id, Box box) {
    return Item(UPDOWN_CLASS, id, "", "",
                UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                box);
}

DialogItemSource Group(unsigned id, const char* english, const char* japanese, Box box,
                       unsigned long extra = 0) {
    return Item(WC_BUTTON, id, english, japanese, BS_GROUPBOX | extra, box);
}

DialogItemSource Button(unsigned id, const char* english, const char* japanese, Box box,
                        unsigned long extra = 0) {
    return Item(WC_BUTTON, id, english, japanese, BS_PUSHBUTTON | WS_TABSTOP | extra, box);
}

DialogItemSource DefaultButton(unsigned id, const char* english, const char* japanese, Box box) {
    return Item(WC_BUTTON, id, english, japanese, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, box);
}

DialogItemSource Check(unsigned id, const char* english, const char* japanese, Box box,
                       unsigned long kind = BS_AUTOCHECKBOX, unsigned long extra = 0) {
    return Item(WC_BUTTON, id, english, japanese, kind | WS_TABSTOP | extra, box);
}

DialogItemSource Radio(unsigned id, const char* english, const char* japanese, Box box,
                       unsigned long extra = 0) {
    return Item(WC_BUTTON, id, english, japanese, BS_AUTORADIOBUTTON | extra, box);
}

DialogItemSource ListBox(unsigned id, Box box) {
    return Item(WC_LISTBOX, id, "", "",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, box);
}

DialogItemSource DropDownList(unsigned id, Box box) {
    return Item(WC_COMBOBOX, id, "", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, box);
}

DialogSource InsertReplace() {
    return {
        IDD_INSERT_REPLACE,
        "Insert/Replace",
        "挿入/置換",
        250,
        203,
        {
            Group(IDC_KIND_GROUP, "Insert/Replace", "挿入/置換", {7, 4, 236, 28}),
            Radio(IDC_INSERT_AS_PARENT, "Insert(&Parent)", "親として挿入(&P)", {15, 15, 70, 10},
                  WS_GROUP | WS_TABSTOP),
            Radio(IDC_INSERT_AS_CHILD, "Insert(&Child)", "子として挿入(&C)", {90, 15, 70, 10}),
            Radio(IDC_REPLACE, "&Replace", "置換(&R)", {165, 15, 70, 10}),
            Label(IDC_FROM_CAPTION, "From:", "元ﾊﾟｯﾄﾞ:", {12, 40, 28, 8}, WS_GROUP),
            Edit(IDC_FROM_LABEL, {42, 38, 201, 12}, ES_AUTOHSCROLL | ES_READONLY),
            Label(IDC_TO_CAPTION, "To:", "先ﾊﾟｯﾄﾞ:", {12, 56, 28, 8}),
            Edit(IDC_TO_LABEL, {42, 54, 201, 12}, ES_AUTOHSCROLL | ES_READONLY),
            Group(IDC_KIND_DESCRIPTION, "Insert under/over the 'To' Pad",
                  "先ﾊﾟｯﾄﾞの親/子として挿入", {7, 72, 236, 104}),
            Group(IDC_POSITION_GROUP, "P&osition", "位置(&O)", {14, 84, 108, 86}, WS_GROUP),
            Radio(IDC_PARENT_POSITION, "Parent Position", "親の位置", {20, 96, 96, 10}, WS_TABSTOP),
            Radio(IDC_CHILD_POSITION, "Child Position", "子の位置", {20, 107, 96, 10}),
            Radio(IDC_NOT_MOVE, "Not Move", "移動しない", {20, 118, 96, 10}),
            Radio(IDC_MOVE_TO, "Move to", "位置指定", {20, 129, 96, 10}),
            Label(IDC_MOVE_X_LABEL, "&X:", "&X:", {22, 144, 22, 8}, WS_GROUP),
            Edit(IDC_MOVE_X, {46, 142, 62, 12}),
            Spin(IDC_MOVE_X_SPIN, {108, 142, 10, 12}),
            Label(IDC_MOVE_Y_LABEL, "&Y:", "&Y:", {22, 158, 22, 8}),
            Edit(IDC_MOVE_Y, {46, 156, 62, 12}),
            Spin(IDC_MOVE_Y_SPIN, {108, 156, 10, 12}),
            Group(IDC_SIZE_GROUP, "&Size", "ｻｲｽﾞ(&S)", {128, 84, 108, 86}, WS_GROUP),
            Radio(IDC_PARENT_SIZE, "Parent Size", "親のｻｲｽﾞ", {134, 96, 96, 10}, WS_TABSTOP),
            Radio(IDC_CHILD_SIZE, "Child Size", "子のｻｲｽﾞ", {134, 107, 96, 10}),
            Radio(IDC_NOT_RESIZE, "Not Resize", "ｻｲｽﾞ変更なし", {134, 118, 96, 10}),
            Radio(IDC_RESIZE_TO, "Resize to", "ｻｲｽﾞ指定", {134, 129, 96, 10}),
            Label(IDC_RESIZE_WIDTH_LABEL, "&Width:", "幅(&W):", {136, 144, 30, 8}, WS_GROUP),
            Edit(IDC_RESIZE_WIDTH, {168, 142, 54, 12}),
            Spin(IDC_RESIZE_WIDTH_SPIN, {222, 142, 10, 12}),
            Label(IDC_RESIZE_HEIGHT_LABEL, "&Height:", "高さ(&H):", {136, 158, 30, 8}),
            Edit(IDC_RESIZE_HEIGHT, {168, 156, 54, 12}),
            Spin(IDC_RESIZE_HEIGHT_SPIN, {222, 156, 10, 12}),
            DefaultButton(IDC_INSERT_OK, "OK", "OK", {139, 182, 50, 14}),
            Button(IDC_INSERT_CANCEL, "Cancel", "ｷｬﾝｾﾙ", {193, 182, 50, 14}),
        }};
}

DialogSource Customize() {
    return {IDD_CUSTOMIZE,
            "Customize",
            "ｶｽﾀﾏｲｽﾞ",
            266,
            147,
            {
                Group(IDC_ITEMS_GROUP, "List of items", "項目一覧", {7, 7, 96, 112}),
                ListBox(IDC_ITEMS, {14, 19, 82, 94}),
                Group(IDC_DISPLAYED_GROUP, "List of displayed items", "表示項目一覧",
                      {163, 7, 96, 112}),
                ListBox(IDC_DISPLAYED, {170, 19, 82, 94}),
                Button(IDC_CUSTOMIZE_ADD, "&Add >>", "追加(&A) >>", {110, 24, 46, 14}),
                Button(IDC_CUSTOMIZE_DELETE, "D&elete", "削除(&E)", {110, 42, 46, 14}),
                Button(IDC_CUSTOMIZE_UP, "&Up", "上へ(&U)", {110, 66, 46, 14}),
                Button(IDC_CUSTOMIZE_DOWN, "&Down", "下へ(&D)", {110, 84, 46, 14}),
                Button(IDC_CUSTOMIZE_CLEAR, "&Clear", "ｸﾘｱ(&C)", {7, 126, 46, 14}),
                Button(IDC_CUSTOMIZE_RESET, "&Reset", "ﾘｾｯﾄ(&R)", {57, 126, 46, 14}),
                DefaultButton(IDC_CUSTOMIZE_OK, "OK", "OK", {163, 126, 46, 14}),
                Button(IDC_CUSTOMIZE_CANCEL, "Cancel", "ｷｬﾝｾﾙ", {213, 126, 46, 14}),
            }};
}

DialogSource Delete() {
    return {
        IDD_DELETE,
        "Delete",
        "削除",
        192,
        71,
        {
            Label(IDC_DELETE_LABEL_CAPTION, "Label :", "ﾗﾍﾞﾙ名 :", {7, 9, 34, 8}),
            Edit(IDC_DELETE_LABEL, {43, 7, 142, 12}, ES_AUTOHSCROLL | ES_READONLY),
            Check(IDC_DELETE_CHILDREN, "&Delete Child Pads", "子ﾊﾟｯﾄﾞも削除(&D)", {7, 27, 120, 10}),
            DefaultButton(IDC_DELETE_ONE, "Delete", "削除", {7, 50, 43, 14}),
            Button(IDC_DELETE_ALL, "DeleteAll", "全て削除", {52, 50, 43, 14}),
            Button(IDC_DELETE_NEXT, "Next", "次へ", {97, 50, 43, 14}),
            Button(IDC_DELETE_CANCEL, "Cancel", "ｷｬﾝｾﾙ", {142, 50, 43, 14}),
        }};
}

DialogSource Geometry() {
    return {IDD_GEOMETRY,
            "Geometry",
            "位置、ｻｲｽﾞの指定",
            236,
            116,
            {
                Label(IDC_GEOMETRY_X_LABEL, "&X:", "&X:", {15, 18, 28, 8}, WS_GROUP),
                Edit(IDC_GEOMETRY_X, {45, 16, 56, 12}),
                Spin(IDC_GEOMETRY_X_SPIN, {101, 16, 10, 12}),
                Label(IDC_GEOMETRY_Y_LABEL, "&Y:", "&Y:", {15, 34, 28, 8}),
                Edit(IDC_GEOMETRY_Y, {45, 32, 56, 12}),
                Spin(IDC_GEOMETRY_Y_SPIN, {101, 32, 10, 12}),
                Group(IDC_GEOMETRY_POSITION_GROUP, "Position", "位置", {7, 4, 110, 46}),
                Label(IDC_GEOMETRY_WIDTH_LABEL, "&Width:", "幅(&W):", {15, 66, 28, 8}, WS_GROUP),
                Edit(IDC_GEOMETRY_WIDTH, {45, 64, 56, 12}),
                Spin(IDC_GEOMETRY_WIDTH_SPIN, {101, 64, 10, 12}),
                Label(IDC_GEOMETRY_HEIGHT_LABEL, "&Height:", "高さ(&H):", {15, 82, 28, 8}),
                Edit(IDC_GEOMETRY_HEIGHT, {45, 80, 56, 12}),
                Spin(IDC_GEOMETRY_HEIGHT_SPIN, {101, 80, 10, 12}),
                Group(IDC_GEOMETRY_SIZE_GROUP, "Size", "ｻｲｽﾞ", {7, 52, 110, 46}),
                // The Arrange boxes are toggled by the dialog, which validates first.
                Check(IDC_ARRANGE_X, "&X", "&X", {132, 16, 42, 10}, BS_CHECKBOX, WS_GROUP),
                Check(IDC_ARRANGE_Y, "&Y", "&Y", {132, 28, 42, 10}, BS_CHECKBOX),
                Check(IDC_ARRANGE_WIDTH, "&Width", "幅(&W)", {132, 40, 42, 10}, BS_CHECKBOX),
                Check(IDC_ARRANGE_HEIGHT, "&Height", "高さ(&H)", {132, 52, 42, 10}, BS_CHECKBOX),
                Group(IDC_ARRANGE_GROUP, "Arrange", "揃える", {124, 4, 56, 62}),
                Radio(IDC_GEOMETRY_ABSOLUTE, "&Absolute", "絶対(&A)", {132, 79, 44, 10},
                      WS_GROUP | WS_TABSTOP),
                Radio(IDC_GEOMETRY_RELATIVE, "&Relative", "相対(&R)", {132, 91, 44, 10}),
                Group(IDC_GEOMETRY_MODE_GROUP, "Co-ordinate", "座標", {124, 68, 56, 36}, WS_GROUP),
                DefaultButton(IDC_GEOMETRY_OK, "OK", "OK", {186, 7, 43, 14}),
                Button(IDC_GEOMETRY_REFLECT, "Re&flect", "反映(&F)", {186, 25, 43, 14}),
                Button(IDC_GEOMETRY_CANCEL, "Cancel", "ｷｬﾝｾﾙ", {186, 43, 43, 14}),
            }};
}

// Each condition: its caption, a check box that switches it on, and its field(s).
DialogSource Search() {
    std::vector<DialogItemSource> items = {
        Label(IDC_SEARCH_LABEL_CAPTION, "&Label", "ﾗﾍﾞﾙ名(&L)", {7, 9, 44, 8}),
        Check(IDC_SEARCH_LABEL_CHECK, ":", ":", {52, 8, 16, 10}),
        Edit(IDC_SEARCH_LABEL, {70, 7, 180, 12}),
        Label(IDC_SEARCH_PAD_NAME_CAPTION, "Pad &Name", "ﾊﾟｯﾄﾞ名(&N)", {7, 25, 44, 8}),
        Check(IDC_SEARCH_PAD_NAME_CHECK, ":", ":", {52, 24, 16, 10}),
        Edit(IDC_SEARCH_PAD_NAME, {70, 23, 180, 12}),
        Label(IDC_SEARCH_PAD_ID_CAPTION, "&Pad ID", "ﾊﾟｯﾄﾞID(&P)", {7, 41, 44, 8}),
        Check(IDC_SEARCH_PAD_ID_CHECK, ":", ":", {52, 40, 16, 10}),
        Edit(IDC_SEARCH_PAD_ID, {70, 39, 180, 12}),
        Label(IDC_SEARCH_MEMO_CAPTION, "&Memo", "ﾒﾓ(&M)", {7, 57, 44, 8}),
        Check(IDC_SEARCH_MEMO_CHECK, ":", ":", {52, 56, 16, 10}),
        Edit(IDC_SEARCH_MEMO, {70, 55, 180, 36},
             ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL),
        Label(IDC_SEARCH_SLOT_CAPTION, "&Slot", "ｽﾛｯﾄ(&S)", {7, 110, 44, 8}),
        Label(IDC_SEARCH_SLOT_NAME_HEADING, "Slot Name", "ｽﾛｯﾄ名", {70, 98, 60, 8}),
        Label(IDC_SEARCH_SLOT_TYPE_HEADING, "Slot Type", "ｽﾛｯﾄ型", {134, 98, 50, 8}),
        Label(IDC_SEARCH_SLOT_VALUE_HEADING, "Slot Value", "ｽﾛｯﾄ値", {188, 98, 62, 8}),
    };
    const unsigned slotRows[] = {IDC_SEARCH_SLOT1_CHECK, IDC_SEARCH_SLOT2_CHECK,
                                 IDC_SEARCH_SLOT3_CHECK};
    short y = 109;
    for (unsigned check : slotRows) {
        items.push_back(Check(check, ":", ":", {52, static_cast<short>(y + 1), 16, 10}));
        items.push_back(Edit(check + 1, {70, y, 60, 12}));
        items.push_back(DropDownList(check + 2, {134, y, 50, 80}));
        items.push_back(Edit(check + 3, {188, y, 62, 12}));
        y += 16;
    }
    items.push_back(DefaultButton(IDC_SEARCH_OK, "Search", "検索", {146, 160, 50, 14}));
    items.push_back(Button(IDC_SEARCH_CANCEL, "Cancel", "ｷｬﾝｾﾙ", {200, 160, 50, 14}));
    return {IDD_SEARCH, "Search", "検索", 257, 181, std::move(items)};
}

} // namespace

std::span<const DialogSource> DialogSources() {
    static const std::vector<DialogSource> dialogs = {InsertReplace(), Customize(), Delete(),
                                                      Geometry(), Search()};
    return dialogs;
}

const DialogSource* FindDialogSource(unsigned id) {
    auto dialogs = DialogSources();
    auto it = std::find_if(dialogs.begin(), dialogs.end(),
                           [id](const DialogSource& dialog) { return dialog.id == id; });
    return it != dialogs.end() ? &*it : nullptr;
}
