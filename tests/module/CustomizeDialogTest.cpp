#include "InputSteps.h"
#include "InspectorFixture.h"
#include "listview/Selection.h"
#include "listview/TableWriter.h"
#include "platform/CWinApp.h"
#include "platform/NativeInput.h"
#include "platform/NativeMenu.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"

#include <deque>
#include <functional>

namespace {

// The Customize dialog run from an Inspector's command, and the context help every dialog
// of the Inspector shares. Each step of `input` is played when the dialog waits for input.
class CustomizeDialogTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 300, 200);
        desktop.AddPad(stage, "Button", 5, 5, 50, 20);
        PlayInputSteps(input);
        native::SetPopupMenuHandler([this](HMENU menu, HWND, POINT, native::Asking) {
            ++popups;
            return GetMenuItemID(menu, 0);
        });
    }

    static HWND Dialog(UINT templateId = IDD_CUSTOMIZE) {
        for (HWND hwnd : native::TopLevelWindows()) {
            if (native::DialogTemplateId(hwnd) == templateId && IsWindowVisible(hwnd))
                return hwnd;
        }
        return nullptr;
    }
    static POINT Middle(HWND control) {
        RECT rect{};
        GetClientRect(control, &rect);
        return {rect.right / 2, rect.bottom / 2};
    }
    static void Click(int id) {
        HWND control = GetDlgItem(Dialog(), id);
        native::ClickWindow(control, Middle(control));
    }
    static void Select(int list, int index) {
        HWND control = GetDlgItem(Dialog(), list);
        RECT item{};
        SendMessageA(control, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        native::ClickWindow(control, POINT{2, (item.top + item.bottom) / 2});
    }
    // Sets the view's columns as a stored set would, with these widths.
    static void Columns(CMainFrame* frame, std::vector<std::pair<int, int>> columns) {
        CInspectrView& view = View(frame);
        view.columnCount = static_cast<int>(columns.size());
        for (size_t i = 0; i < columns.size(); ++i) {
            view.columnIds[i] = columns[i].first;
            view.columnWidths[i] = columns[i].second;
        }
        SetupColumns(view, true);
    }
    // The set with its stored widths: a kept column's is its width before, a new one's -1.
    static std::vector<std::pair<int, int>> Shown(CMainFrame* frame) {
        CInspectrView& view = View(frame);
        std::vector<std::pair<int, int>> shown;
        for (int i = 0; i < view.columnCount; ++i)
            shown.emplace_back(view.columnIds[i], view.columnWidths[i]);
        return shown;
    }
    void Customize(CMainFrame* frame, std::vector<std::function<void()>> steps) {
        input.assign(steps.begin(), steps.end());
        SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TOOLS_CUSTOMIZE, 0);
    }
    std::vector<std::uintptr_t> Topics() const {
        std::vector<std::uintptr_t> topics;
        for (const HelpCall& call : host->HelpLog())
            topics.push_back(call.data);
        return topics;
    }

    DesktopPad* stage = nullptr;
    std::deque<std::function<void()>> input;
    int popups = 0;
};

TEST_F(CustomizeDialogTest, OkGivesBothListsTheColumnsAndCancelNothing) {
    CMainFrame* source = Open(stage);
    CMainFrame* results = Open(stage); // standing in for the search-results window
    results->m_bSearchFrame = 1;
    View(source).searchFrame = results;
    Columns(source, {{0, 150}, {2, 80}, {7, 60}});
    Columns(results, {{0, -1}, {7, 50}});
    // Pad ID added, refused the second time; Size moved down.
    Customize(source, {[] { Select(IDC_ITEMS, 9); }, [] { Click(IDC_CUSTOMIZE_ADD); },
                       [] { Click(IDC_CUSTOMIZE_ADD); }, [] { Select(IDC_DISPLAYED, 1); },
                       [] { Click(IDC_CUSTOMIZE_DOWN); }, [] { Click(IDC_CUSTOMIZE_OK); }});
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(Shown(source),
              (std::vector<std::pair<int, int>>{{0, 150}, {7, 60}, {2, 80}, {9, -1}}));
    // The results list keeps its first column as it was.
    EXPECT_EQ(Shown(results),
              (std::vector<std::pair<int, int>>{{0, -1}, {7, 50}, {2, -1}, {9, -1}}));
    Customize(source, {[] { Click(IDC_CUSTOMIZE_CLEAR); }, [] { Click(IDC_CUSTOMIZE_CANCEL); }});
    EXPECT_EQ(View(source).columnCount, 4);
    View(source).searchFrame = nullptr;
}

TEST_F(CustomizeDialogTest, EveryControlAnswersHelpWithItsTopic) {
    host->SetHelpDirectory("C:\\Help");
    CWinApp* app = AfxGetApp();
    const char* ownHelpFile = app->m_pszHelpFilePath;
    CMainFrame* frame = Open(stage);
    auto rightClick = [](int id) {
        HWND control = GetDlgItem(Dialog(), id);
        native::ClickWindow(control, Middle(control), native::MouseButton::Right);
    };
    // F1 on a list box, then the context-menu key on it ("What's This?"); a right click and
    // the title bar are played by the console tests.
    Customize(frame, {
                         [] { native::PressKey(GetDlgItem(Dialog(), IDC_ITEMS), VK_F1, 0, 0, 0); },
                         [] { native::PressKey(GetFocus(), VK_APPS, false, false, false); },
                         [] { Click(IDC_CUSTOMIZE_CANCEL); },
                     });
    EXPECT_EQ(Topics(), (std::vector<std::uintptr_t>{IDC_ITEMS, IDC_ITEMS}));
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(host->HelpLog().front().file, "C:\\Help\\mvkinsp.hlp");
    EXPECT_EQ(host->HelpLog().front().command, static_cast<UINT>(HELP_CONTEXTPOPUP));
    EXPECT_EQ(app->m_pszHelpFilePath, ownHelpFile);

    // Without a help directory nothing is shown and nothing is said.
    host->SetHelpDirectory(std::nullopt);
    inspModuleState().inspectorHelpPath.clear();
    Customize(frame,
              {[] { native::PressKey(GetDlgItem(Dialog(), IDC_ITEMS), VK_F1, 0, 0, 0); },
               [&] { rightClick(IDC_CUSTOMIZE_RESET); }, [] { Click(IDC_CUSTOMIZE_CANCEL); }});
    EXPECT_EQ(host->HelpLog().size(), 2u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CustomizeDialogTest, MoveToAnswersWithItsOwnTopicNotItsGroupBoxes) {
    host->SetHelpDirectory("C:\\Help");
    CMainFrame* frame = Open(stage);
    SelectAll(View(frame), true);
    int frameworkHit = 0;
    input = {[&] {
                 HWND dialog = Dialog(IDD_INSERT_REPLACE);
                 HWND radio = GetDlgItem(dialog, IDC_MOVE_TO);
                 POINT point{2, 2};
                 native::ClickWindow(radio, point, native::MouseButton::Right);
                 ClientToScreen(radio, &point);
                 ScreenToClient(dialog, &point);
                 frameworkHit = CWnd::FromHandlePermanent(dialog)->CWnd::OnToolHitTest(point);
             },
             [] { native::PressKey(Dialog(IDD_INSERT_REPLACE), VK_ESCAPE, false, false, false); }};
    SendMessageA(frame->m_hWnd, WM_COMMAND, ID_EDIT_INSERT_REPLACE, 0);
    EXPECT_EQ(Topics(), std::vector<std::uintptr_t>{IDC_MOVE_TO});
    // The framework's own test finds a group box around it first.
    EXPECT_NE(frameworkHit, IDC_MOVE_TO);
}

} // namespace
