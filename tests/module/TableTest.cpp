#include "DesktopModel.h"
#include "InspectorFixture.h"
#include "frame/ColumnSettings.h"

namespace {

class TableTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 10, 20, 300, 200);
        panel = desktop.AddPad(stage, "Panel", 5, 5, 100, 50);
        ok = desktop.AddPad(panel, "OK", 12, -40, 30, 10);
    }

    void Store(const std::string& value) {
        ASSERT_TRUE(host->Registry().OpenKey(kSettingsKey));
        ASSERT_TRUE(host->Registry().Write(kSettingsKey, kSettingsValue, value));
    }

    std::string Stored() {
        std::string value;
        host->Registry().Read(kSettingsKey, kSettingsValue, value);
        return value;
    }

    DesktopPad* stage = nullptr;
    DesktopPad* panel = nullptr;
    DesktopPad* ok = nullptr;
};

TEST_F(TableTest, RowsAreWrittenInTreeOrderWithPrefixesAndDefaultColumns) {
    CMainFrame* frame = Open(stage);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(Items(frame), (std::vector<std::string>{"Stage|(   10,   20)|(  300,  200)||",
                                                      "  -Panel|(   15,   25)|(  100,   50)||",
                                                      "     -OK|(   27,  -15)|(   30,   10)||"}));
    CListCtrl& list = View(frame).List();
    EXPECT_EQ(list.GetItemData(2),
              reinterpret_cast<LPARAM>(View(frame).rootRow->children.head->children.head));
    EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(1), "0/3");
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), "Stage");
    EXPECT_GT(View(frame).rowHeight, 0);
}

TEST_F(TableTest, StoredColumnsAreShownAndTheClosingInspectorStoresItsOwn) {
    Store("3,0,120,9,80,7,-1");
    CMainFrame* first = Open(stage);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Items(first)[2], "     -OK|" + std::string("0000000003") + "|No");
    EXPECT_EQ(View(first).List().GetColumnWidth(0), 120);
    EXPECT_EQ(View(first).List().GetColumnWidth(2), 6 * 10 + 70); // "Connection", automatic
    // A second Inspector reads what is stored, not the first one's current columns.
    View(first).List().SetColumnWidth(0, 150);
    CMainFrame* second = Open(stage);
    EXPECT_EQ(View(second).List().GetColumnWidth(0), 120);
    SendMessageA(first->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored(), "3,0,150,9,80,7,130");
}

TEST_F(TableTest, JapaneseHeadersAndConnectionMarks) {
    native::SetLanguage(Language::Japanese);
    Store("2,0,-1,7,-1");
    stage->Model()->AddSlot("value", kSlotNumber);
    ASSERT_TRUE(desktop.ConnectPad(panel, "value"));
    CMainFrame* frame = Open(stage);
    LVCOLUMNA column{};
    char text[64];
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    View(frame).List().GetColumn(1, &column);
    EXPECT_STREQ(text, "\x8c\x8b\x8d\x87"); // 結合
    std::vector<std::string> items = Items(frame);
    EXPECT_EQ(items[1].substr(items[1].size() - 2), "\x81\xa1"); // ■
    EXPECT_EQ(items[2].substr(items[2].size() - 2), "\x81\xa0"); // □
}

} // namespace
