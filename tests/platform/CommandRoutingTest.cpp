#include "NativeTestSupport.h"
#include "TemplateModule.h"

#include "platform/Afx.h"
#include "platform/CCmdUI.h"
#include "platform/CCreateContext.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CToolBar.h"
#include "platform/CView.h"
#include "platform/WinInput.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

enum : UINT {
    kShared = 1000, // every target handles it
    kViewAndDocument,
    kDocumentOnly,
    kPassedOn, // the frame declines it
    kRangeFirst = 1010,
    kRangeLast = 1012,
    kUnhandled = 1020,
    kNoHandler = 1030,
    kUpdateEnables,
    kUpdateDisables,
    kChecksOnly,
    kCheckedHandled,
    kContinued,
    kRemovesItself,
};
constexpr UINT kMenuId = 3;
constexpr UINT kAccelId = 4;

std::vector<std::string> calls;

class RoutedDocument : public CDocument {
public:
    void OnShared() { calls.push_back("document"); }
    void OnViewAndDocument() { calls.push_back("document"); }
    void OnDocumentOnly() { calls.push_back("document"); }
    void OnCheckedHandled() { calls.push_back("document"); }
    void OnUpdateCheckedHandled(CCmdUI* ui) { ui->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutedDocument, CDocument)
ON_COMMAND(kShared, &RoutedDocument::OnShared)
ON_COMMAND(kViewAndDocument, &RoutedDocument::OnViewAndDocument)
ON_COMMAND(kDocumentOnly, &RoutedDocument::OnDocumentOnly)
ON_COMMAND(kCheckedHandled, &RoutedDocument::OnCheckedHandled)
ON_UPDATE_COMMAND_UI(kCheckedHandled, &RoutedDocument::OnUpdateCheckedHandled)
END_MESSAGE_MAP()

class RoutedView : public CView {
    DECLARE_DYNCREATE(RoutedView)
public:
    RoutedView() { last = this; }
    ~RoutedView() override { last = nullptr; }

    void OnShared() { calls.push_back("view"); }
    void OnViewAndDocument() { calls.push_back("view"); }
    void OnPassedOn() { calls.push_back("view"); }
    void OnRange(UINT id) { calls.push_back("view " + std::to_string(id)); }
    void OnUpdateContinued(CCmdUI* ui) { ui->Enable(TRUE); }

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE)
            return FALSE;
        calls.push_back("view took Escape");
        return TRUE;
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_KEYDOWN)
            keys.push_back(static_cast<WORD>(wParam));
        return CView::WindowProc(msg, wParam, lParam);
    }

    static inline RoutedView* last = nullptr;
    std::vector<WORD> keys;
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(RoutedView)

BEGIN_MESSAGE_MAP(RoutedView, CView)
ON_COMMAND(kShared, &RoutedView::OnShared)
ON_COMMAND(kViewAndDocument, &RoutedView::OnViewAndDocument)
ON_COMMAND(kPassedOn, &RoutedView::OnPassedOn)
ON_COMMAND_RANGE(kRangeFirst, kRangeLast, &RoutedView::OnRange)
ON_UPDATE_COMMAND_UI(kContinued, &RoutedView::OnUpdateContinued)
END_MESSAGE_MAP()

const UINT kButtons[] = {kShared,         0,           kNoHandler,     kUpdateEnables,
                         kUpdateDisables, kChecksOnly, kCheckedHandled};

class RoutedFrame : public CFrameWnd {
public:
    void OnShared() {
        calls.push_back("frame");
        if (modal != nullptr)
            modal->EndModalLoop(IDOK);
    }
    BOOL OnPassedOn(UINT) {
        calls.push_back("frame declined");
        return FALSE;
    }
    void OnUpdateDisablesRun() { calls.push_back("frame"); }
    void OnUpdateEnables(CCmdUI* ui) { ui->Enable(TRUE); }
    void OnUpdateDisables(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnUpdateChecksOnly(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateContinued(CCmdUI* ui) {
        ui->Enable(FALSE);
        ui->ContinueRouting();
    }
    void OnUpdateRemovesItself(CCmdUI* ui) {
        ::DeleteMenu(ui->m_hMenu, ui->m_nIndex, MF_BYPOSITION);
    }

    CToolBar toolBar;
    static inline CWnd* modal = nullptr;

protected:
    int OnCreate(CREATESTRUCTA* create) override {
        if (CFrameWnd::OnCreate(create) == -1)
            return -1;
        if (!toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR))
            return -1;
        toolBar.SetButtons(kButtons, static_cast<int>(std::size(kButtons)));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RoutedFrame, CFrameWnd)
ON_COMMAND(kShared, &RoutedFrame::OnShared)
ON_COMMAND_EX(kPassedOn, &RoutedFrame::OnPassedOn)
ON_COMMAND(kUpdateDisables, &RoutedFrame::OnUpdateDisablesRun)
ON_UPDATE_COMMAND_UI(kUpdateEnables, &RoutedFrame::OnUpdateEnables)
ON_UPDATE_COMMAND_UI(kUpdateDisables, &RoutedFrame::OnUpdateDisables)
ON_UPDATE_COMMAND_UI(kChecksOnly, &RoutedFrame::OnUpdateChecksOnly)
ON_UPDATE_COMMAND_UI(kContinued, &RoutedFrame::OnUpdateContinued)
ON_UPDATE_COMMAND_UI(kRemovesItself, &RoutedFrame::OnUpdateRemovesItself)
END_MESSAGE_MAP()

// Each item as the user sees it: its text, then "-" when disabled and "*" when checked.
std::vector<std::string> States(const std::vector<native::MenuItemInfo>& items) {
    std::vector<std::string> states;
    for (const native::MenuItemInfo& item : items) {
        if (!item.separator)
            states.push_back(native::MenuDisplayText(item.text) + (item.enabled ? "" : " -") +
                             (item.checked ? " *" : ""));
    }
    return states;
}

class CommandRoutingTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        calls.clear();
        module.menus[{native::GetLanguage(), kMenuId}] = {
            kMenuId,
            {Popup("&Edit",
                   {Command(kShared, "&Shared"), Command(kRemovesItself, "Removes itself"),
                    Command(kNoHandler, "No handler"), Command(kUpdateEnables, "Update enables"),
                    Command(kUpdateDisables, "Update disables"),
                    Command(kChecksOnly, "Checks only"), Command(kCheckedHandled, "Checked"),
                    Command(kContinued, "Continued"), Separator(),
                    Command(kRemovesItself, "Removes itself"), Command(SC_CLOSE, "Close"),
                    Popup("&More", {Command(kDocumentOnly, "Document only")})})}};
        module.accelerators[kAccelId] = {kAccelId,
                                         {{FVIRTKEY | FCONTROL, 'A', kShared},
                                          {FVIRTKEY, VK_ESCAPE, kViewAndDocument},
                                          {FVIRTKEY, VK_F1, kUpdateDisables}}};
        instance = native::RegisterModule("routing", &module);
        previousResources = AfxGetResourceHandle();
        AfxSetResourceHandle(instance);
    }

    void TearDown() override {
        RoutedFrame::modal = nullptr;
        NativeTest::TearDown();
        AfxSetResourceHandle(previousResources);
        native::UnregisterModule(instance);
    }

    RoutedFrame* CreateFrame(bool autoMenuEnable = true) {
        auto* frame = new RoutedFrame;
        frame->m_bAutoMenuEnable = autoMenuEnable ? TRUE : FALSE;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(RoutedView);
        context.m_pCurrentDoc = new RoutedDocument;
        context.m_pCurrentFrame = frame;
        if (!frame->Create(nullptr, "Routed", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           RECT{0, 0, 400, 300}, nullptr, kMenuId, 0, &context))
            return nullptr;
        return frame;
    }

    static void SendCommand(CWnd* target, UINT id, HWND control = nullptr) {
        target->SendMessage(WM_COMMAND, id, reinterpret_cast<LPARAM>(control));
    }

    TemplateModule module;
    HINSTANCE instance = nullptr;
    HINSTANCE previousResources = nullptr;
};

TEST_F(CommandRoutingTest, FrameThenViewThenDocumentAndTheFirstHandlerWins) {
    RoutedFrame* frame = CreateFrame();
    ASSERT_NE(frame, nullptr);
    // A command its update disables is swallowed from a menu or key, but runs from a control.
    struct Case {
        UINT id;
        bool fromControl;
        std::vector<std::string> calls;
    } cases[] = {
        {kShared, false, {"frame"}},
        {kViewAndDocument, false, {"view"}},
        {kDocumentOnly, false, {"document"}},
        {kPassedOn, false, {"frame declined", "view"}},
        {kRangeFirst + 1, false, {"view 1011"}},
        {kRangeLast, false, {"view 1012"}},
        {kUnhandled, false, {}},
        {kUpdateDisables, false, {}},
        {kUpdateDisables, true, {"frame"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        calls.clear();
        SendCommand(frame, c.id, c.fromControl ? frame->toolBar.m_hWnd : nullptr);
        EXPECT_EQ(calls, c.calls);
    }
    calls.clear();
    EXPECT_FALSE(frame->OnCmdMsg(kUnhandled, CCmdTarget::CN_COMMAND, nullptr));
    EXPECT_TRUE(frame->OnCmdMsg(kDocumentOnly, CCmdTarget::CN_QUERY_HANDLER, nullptr));
    EXPECT_EQ(calls, std::vector<std::string>{}) << "a query runs nothing";
}

TEST_F(CommandRoutingTest, MenuItemsTakeTheStateOfTheirUpdateRoute) {
    RoutedFrame* frame = CreateFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(GetMenu(frame->m_hWnd), nullptr) << "the frame loads its menu resource";
    std::vector<native::MenuItemInfo> bar = native::ReadMenuBar(frame->m_hWnd);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_THAT(States(bar[0].children),
                ElementsAre("Shared", "No handler -", "Update enables", "Update disables -",
                            "Checks only - *", "Checked *", "Continued", "Close", "More"))
        << "the item after the one that removed itself was still updated";
    EXPECT_THAT(States(bar[0].children.back().children), ElementsAre("Document only"));

    EXPECT_EQ(native::ChooseMenuPath(frame->m_hWnd, {"Edit", "No handler"}),
              native::MenuChoice::Disabled);
    EXPECT_EQ(native::ChooseMenuPath(frame->m_hWnd, {"Edit", "More", "Document only"}),
              native::MenuChoice::Chosen);
    EXPECT_EQ(calls, std::vector<std::string>{"document"});

    // Without auto-enabling, items without handlers keep their state.
    RoutedFrame* manual = CreateFrame(false);
    ASSERT_NE(manual, nullptr);
    std::vector<std::string> states = States(native::ReadMenuBar(manual->m_hWnd)[0].children);
    EXPECT_EQ(states[1], "No handler");
    EXPECT_EQ(states[4], "Checks only *");
}

TEST_F(CommandRoutingTest, ToolbarButtonsFollowTheUpdateRouteAtIdleTime) {
    RoutedFrame* frame = CreateFrame();
    ASSERT_NE(frame, nullptr);
    CToolBar& bar = frame->toolBar;
    AfxIdleUpdate(nullptr);
    struct Case {
        UINT id;
        UINT state;
    } cases[] = {
        {kShared, TBSTATE_ENABLED},        {kNoHandler, 0},
        {kUpdateEnables, TBSTATE_ENABLED}, {kUpdateDisables, 0},
        {kChecksOnly, TBSTATE_CHECKED},    {kCheckedHandled, TBSTATE_ENABLED | TBSTATE_CHECKED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bar.GetButtonState(bar.CommandToIndex(c.id)), c.state) << c.id;
    EXPECT_EQ(bar.GetButtonState(1), 0u) << "a separator has no state";

    EXPECT_FALSE(bar.ClickButton(bar.CommandToIndex(kNoHandler)));
    EXPECT_FALSE(bar.ClickButton(1));
    EXPECT_EQ(calls, std::vector<std::string>{});

    int checkButton = bar.CommandToIndex(kCheckedHandled);
    bar.SetButtonStyle(checkButton, TBBS_CHECKBOX);
    EXPECT_TRUE(bar.ClickButton(checkButton));
    EXPECT_EQ(calls, std::vector<std::string>{"document"});
    EXPECT_EQ(bar.GetButtonState(checkButton), UINT{TBSTATE_ENABLED})
        << "a click toggles a check button";
    AfxIdleUpdate(frame);
    EXPECT_EQ(bar.GetButtonState(checkButton), UINT{TBSTATE_ENABLED | TBSTATE_CHECKED})
        << "until the update route speaks again";
}

TEST_F(CommandRoutingTest, KeysOnTheViewReachTheFrameAccelerators) {
    RoutedFrame* frame = CreateFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->LoadAccelTable(kAccelId + 1));
    ASSERT_TRUE(frame->LoadAccelTable(kAccelId));
    RoutedView* view = RoutedView::last;
    ASSERT_NE(view, nullptr);
    HWND owned = TopLevel(WS_POPUP, frame->m_hWnd);
    constexpr LPARAM kScanA = 0x1E << 16;
    struct Case {
        HWND target;
        WORD key;
        bool ctrl;
        std::vector<std::string> calls;
        std::vector<WORD> viewKeys;
    } cases[] = {
        {view->m_hWnd, 'A', true, {"frame"}, {}},
        {frame->m_hWnd, 'A', true, {"frame"}, {}},
        {view->m_hWnd, 'Q', false, {}, {'Q'}},
        {view->m_hWnd, VK_ESCAPE, false, {"view took Escape"}, {}},
        {view->m_hWnd, VK_F1, false, {}, {}},
        {owned, 'A', true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key);
        calls.clear();
        view->keys.clear();
        received.clear();
        native::PressKey(c.target, c.key, false, c.ctrl, false);
        AfxPumpPending();
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(view->keys, c.viewKeys);
    }
    EXPECT_THAT(Only({WM_KEYDOWN}), ElementsAre(Received{owned, WM_KEYDOWN, 'A', kScanA | 1}))
        << "an owned window keeps its keys";
}

TEST_F(CommandRoutingTest, ModalLoopsPreTranslateToo) {
    RoutedFrame* frame = CreateFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->LoadAccelTable(kAccelId));
    CWnd modal;
    ASSERT_TRUE(modal.CreateEx(0, AfxRegisterWndClass(0), "Modal", WS_POPUP, 0, 0, 10, 10,
                               frame->m_hWnd, nullptr));
    RoutedFrame::modal = &modal;
    native::PressKey(RoutedView::last->m_hWnd, 'A', false, true, false);
    EXPECT_EQ(modal.RunModalLoop(), IDOK) << "the frame's accelerator ended the loop";
    EXPECT_EQ(calls, std::vector<std::string>{"frame"});
}

TEST_F(CommandRoutingTest, AFrameWhoseMenuCannotBeLoadedIsNotCreated) {
    auto* frame = new RoutedFrame;
    EXPECT_FALSE(frame->Create(nullptr, "No menu", WS_OVERLAPPEDWINDOW, RECT{0, 0, 10, 10}, nullptr,
                               kMenuId + 1, 0, nullptr));
    EXPECT_TRUE(native::TopLevelWindows().empty());
}

} // namespace
