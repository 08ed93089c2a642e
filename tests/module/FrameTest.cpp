#include "DesktopPad.h"
#include "InspectorFixture.h"
#include "frame/ColumnSettings.h"
#include "listview/Selection.h"
#include "platform/Afx.h"
#include "platform/CToolBar.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "resources/CommandIds.h"

#include <climits>
#include <functional>

namespace {

class FrameTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 300, 200);
        button = desktop.AddPad(stage, "Button", 5, 5, 50, 20);
    }

    static std::vector<std::string> WindowMenu(CMainFrame* frame) {
        std::vector<std::string> texts;
        for (const native::MenuItemInfo& popup : native::ReadMenuBar(frame->m_hWnd)) {
            if (native::MenuDisplayText(popup.text) != "Window")
                continue;
            for (const native::MenuItemInfo& item : popup.children) {
                if (item.id >= ID_WINDOW_TOOL_FIRST)
                    texts.push_back(item.text + (item.checked ? " *" : ""));
            }
        }
        return texts;
    }

    // Runs help mode on the frame with `input` as all the input there is; returns how often
    // the mode's loop waited for input.
    static int InHelpMode(CMainFrame* frame, const std::function<void()>& input) {
        int asked = 0;
        native::SetInputWaiter([&]() {
            if (asked++ > 0)
                return false;
            input();
            return true;
        });
        SendMessageA(frame->m_hWnd, WM_COMMAND, ID_CONTEXT_HELP, 0);
        AfxPumpPending();
        native::SetInputWaiter({});
        return asked;
    }

    DesktopPad* stage = nullptr;
    DesktopPad* button = nullptr;
};

TEST_F(FrameTest, InspectorsCascadeInsideTheWorkArea) {
    native::Metrics metrics;
    metrics.frame = 8;
    native::SetMetrics(metrics);
    CMainFrame* frame = Open(stage);
    inspModuleState().cascadeCounter = 0;
    std::vector<std::pair<int, int>> places;
    for (int i = 0; i < 18; ++i) {
        inspCascadeWindow(frame, 600, 384, false);
        RECT rect;
        frame->GetWindowRect(&rect);
        places.emplace_back(rect.left, rect.top);
    }
    EXPECT_EQ(places[0], std::make_pair(0, 0));
    EXPECT_EQ(places[1], std::make_pair(26, 26));
    EXPECT_EQ(places[2], std::make_pair(52, 52));
    EXPECT_EQ(places[13], std::make_pair(338, 338));
    EXPECT_EQ(places[14], std::make_pair(364, 356)); // y clamped at 740 - 384
    EXPECT_EQ(places[16], std::make_pair(416, 356));
    EXPECT_EQ(places[17], std::make_pair(424, 356)); // both clamped: the next starts over
    inspCascadeWindow(frame, 600, 384, false);
    RECT rect;
    frame->GetWindowRect(&rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
}

TEST_F(FrameTest, LongOwnNamesAreCutInTheTitle) {
    std::string name(80, 'n');
    desktop.RenamePad(stage, name);
    EXPECT_EQ(Open(stage)->GetWindowText(), std::string(67, 'n') + " - Inspector");

    native::SetLanguage(Language::Japanese);
    // 66 single bytes, then a double-byte character across the 67-byte limit.
    desktop.RenamePad(button, std::string(66, 'a') + "ボタン");
    std::string title = Open(button)->GetWindowText();
    EXPECT_EQ(title.substr(0, 67), std::string(66, 'a') + " ");
}

TEST_F(FrameTest, StoredWidthsNeverRefuseAnInspectorAndTheFrameStaysOnTheScreen) {
    const int usual[] = {100, 148, 94};
    const int huge[] = {INT_MAX, INT_MAX, INT_MAX};
    EXPECT_EQ(inspFrameWidth(usual, 4, 1024), 350);
    EXPECT_EQ(inspFrameWidth(huge, INT_MAX, 1024), 1024);
    host->Registry().Write(kSettingsKey, kSettingsValue,
                           "3,0,1000000000,1,1000000000,2,1000000000");
    CMainFrame* frame = Open(stage);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(View(frame).columnCount, 5);
}

TEST_F(FrameTest, TheCountPaneHoldsEightOfTheToolbarFontsWidestCharacters) {
    for (Language language : {Language::English, Language::Japanese}) {
        native::SetLanguage(language);
        CMainFrame* frame = Open(stage);
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        frame->m_wndStatusBar.GetPaneInfo(1, id, style, width);
        EXPECT_EQ(id, 101u);
        EXPECT_EQ(width, language == Language::English ? 8 * 11 : 8 * 12);
    }
}

TEST_F(FrameTest, ClosingInHelpModeLeavesItFirstAndClosesAfterwards) {
    host->SetHelpDirectory("C:\\Help");
    CMainFrame* frame = Open(stage);
    HWND hwnd = frame->m_hWnd;
    InHelpMode(frame, [hwnd]() { PostMessageA(hwnd, WM_CLOSE, 0, 0); });
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FrameTest, HelpModeChecksItsButtonWhileActiveOrWhenItCannotStart) {
    CMainFrame* frame = Open(stage);
    int index = frame->m_wndToolBar.CommandToIndex(ID_CONTEXT_HELP);
    auto checked = [&] {
        return (frame->m_wndToolBar.GetButtonState(index) & TBSTATE_CHECKED) != 0;
    };
    bool checkedInHelpMode = false;
    InHelpMode(frame, [&]() { checkedInHelpMode = checked(); });
    EXPECT_TRUE(checkedInHelpMode);
    AfxIdleUpdate(frame);
    EXPECT_FALSE(checked());
    SetCapture(host->MainWindow().m_hWnd); // another window holds the mouse
    AfxIdleUpdate(frame);
    EXPECT_TRUE(checked());
    ReleaseCapture();
}

TEST_F(FrameTest, DeactivationLeavesHelpModeAtOnce) {
    CMainFrame* other = Open(button);
    CMainFrame* frame = Open(stage);
    std::string idleText = frame->m_wndStatusBar.GetPaneText(0);
    EXPECT_EQ(InHelpMode(frame,
                         [&]() {
                             other->SetActiveWindow();
                             // The exit message is pending: help mode cannot start meanwhile.
                             SendMessageA(frame->m_hWnd, WM_COMMAND, ID_CONTEXT_HELP, 0);
                         }),
              1);
    EXPECT_EQ(frame->helpMode.state(), ContextHelpMode::Off);
    EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), idleText);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FrameTest, AKeyOrClickInHelpModeShowsItsTopicAndEndsTheMode) {
    host->SetHelpDirectory("C:\\Help");
    CMainFrame* frame = Open(stage);
    HWND list = View(frame).m_hWnd;
    HWND bar = frame->m_wndToolBar.m_hWnd;
    RECT row{};
    View(frame).List().GetItemRect(1, &row, LVIR_LABEL);
    RECT update{};
    frame->m_wndToolBar.GetItemRect(frame->m_wndToolBar.CommandToIndex(ID_OPTION_UPDATE), &update);
    auto key = [list](WORD key, bool alt) {
        return [=] { native::PressKey(list, key, false, false, alt); };
    };
    auto click = [](HWND hwnd, POINT point) {
        return [=] {
            native::PostMouseInput(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
            native::PostMouseInput(hwnd, WM_LBUTTONUP, 0, point);
        };
    };
    // Keys go through the accelerators: Alt+Enter shows the topic of Pad Properties, F1 the
    // help topics, Escape nothing. The table has no topic of its own: its control id gives
    // one. A toolbar button gives its command's, disabled or not. Outside the frame, none.
    const std::pair<std::function<void()>, std::string> cases[] = {
        {key(VK_RETURN, true), "C:\\Help\\mvkinsp.hlp 8 98237"},
        {key(VK_F1, false), "C:\\Help\\mvhelp.hlp 11 0"},
        {key(VK_ESCAPE, false), ""},
        {click(list, {row.left + 2, row.top + 2}),
         "C:\\Help\\mvkinsp.hlp 8 " + std::to_string(0x50000 + 0xE900)},
        {click(bar, {update.left + 2, update.top + 2}),
         "C:\\Help\\mvkinsp.hlp 8 " + std::to_string(0x10000 + ID_OPTION_UPDATE)},
        {click(list, {-2000, 5}), ""},
    };
    for (const auto& [input, help] : cases) {
        size_t calls = host->HelpLog().size();
        EXPECT_EQ(InHelpMode(frame, input), 1);
        EXPECT_EQ(frame->helpMode.state(), ContextHelpMode::Off);
        EXPECT_EQ(View(frame).List().GetSelectedCount(), 0u);
        std::string shown;
        for (size_t i = calls; i < host->HelpLog().size(); ++i) {
            const HelpCall& call = host->HelpLog()[i];
            shown +=
                call.file + " " + std::to_string(call.command) + " " + std::to_string(call.data);
        }
        EXPECT_EQ(shown, help);
    }
    // Outside help mode the same click on an enabled button runs its command.
    RECT autoUpdate{};
    frame->m_wndToolBar.GetItemRect(frame->m_wndToolBar.CommandToIndex(ID_OPTION_AUTO_UPDATE),
                                    &autoUpdate);
    click(bar, {autoUpdate.left + 2, autoUpdate.top + 2})();
    AfxPumpPending();
    EXPECT_EQ(View(frame).autoUpdate, 0);
}

TEST_F(FrameTest, TheWindowMenuListsNineToolsAndDoublesAmpersands) {
    std::vector<CMainFrame*> frames;
    for (int i = 0; i < 10; ++i) {
        std::string name = i == 2 ? "A&B" : "P" + std::to_string(i);
        frames.push_back(Open(desktop.AddPad(nullptr, name, 0, 0, 10, 10)));
    }
    ASSERT_EQ(inspectorGetInspectorCount(), 10);
    host->TOOLSOpenConnector(host->MainWindow().m_hWnd, stage);
    host->TOOLSOpenConnector(host->MainWindow().m_hWnd, button);
    std::vector<std::string> items = WindowMenu(frames[0]);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0], "&1 P0 - Inspector *");
    EXPECT_EQ(items[2], "&3 A&&B - Inspector");
    EXPECT_EQ(items[8], "&9 P8 - Inspector");
    EXPECT_EQ(items[9], "&Other windows...");
    // Opened again, the list is built afresh, not appended.
    EXPECT_EQ(WindowMenu(frames[0]).size(), 10u);
}

TEST_F(FrameTest, ConnectionEditorStopsAtTheFirstRefusal) {
    DesktopPad* refusing = desktop.AddPad(stage, "Refusing", 60, 5, 50, 20);
    desktop.AddPad(stage, "After", 120, 5, 50, 20);
    refusing->SetRefusesConnector(true);
    CMainFrame* frame = Open(stage);
    SelectAll(View(frame), false);
    SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TOOLS_CONNECTION_EDITOR, 0);
    std::vector<unsigned> asked;
    for (const ToolRequest& request : host->ToolRequests()) {
        if (request.tool == "Connector")
            asked.push_back(request.padId);
    }
    EXPECT_EQ(asked, (std::vector<unsigned>{stage->GetCreatePadID(), button->GetCreatePadID(),
                                            refusing->GetCreatePadID()}));
}

TEST_F(FrameTest, DocumentGeneratorOfTheDesktopRowDocumentsTheWholeDesktop) {
    CMainFrame* frame = Open();
    SelectRow(View(frame), *View(frame).rootRow);
    SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TOOLS_DOCUMENT_GENERATOR, 0);
    ASSERT_FALSE(host->ToolRequests().empty());
    EXPECT_EQ(host->ToolRequests().back().tool, "Documentor");
    EXPECT_EQ(host->ToolRequests().back().padCount, -1);
}

TEST_F(FrameTest, ExitUnregistersAndCloses) {
    CMainFrame* frame = Open(stage);
    HWND hwnd = frame->m_hWnd;
    SendMessageA(hwnd, WM_COMMAND, ID_APP_EXIT_INSPECTOR, 0);
    EXPECT_EQ(inspectorGetInspectorCount(), 0);
    AfxPumpPending();
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
