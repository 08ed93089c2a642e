#include "InputSteps.h"
#include "RecordingHost.h"
#include "dialogs/MvInspDialog.h"
#include "platform/Afx.h"
#include "platform/CDataExchange.h"
#include "platform/NativeBackend.h"
#include "platform/NativeInput.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "service/ModuleEntry.h"
#include "service/ModuleState.h"
#include "service/ResourceHelpers.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

// The Geometry template with only the shared handlers bound: X is read into `x`, and "bad"
// there fails the exchange.
class TemplateDialog : public MvInspDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit TemplateDialog(RecordingHost& host)
        : MvInspDialog(IDD_GEOMETRY, nullptr), host_(host) {}
    std::string x;
    using MvInspDialog::DialogConfirmation;
    using MvInspDialog::DialogQuestion;
    using MvInspDialog::DialogWarning;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_GEOMETRY_X, x);
        if (dx->m_bSaveAndValidate && x == "bad")
            dx->Fail();
    }
    void OnOK() override {
        host_.calls.push_back("OnOK");
        MvInspDialog::OnOK();
    }

private:
    RecordingHost& host_;
};

BEGIN_MESSAGE_MAP(TemplateDialog, MvInspDialog)
ON_COMMAND(IDC_GEOMETRY_OK, &TemplateDialog::OnOkButton)
ON_COMMAND(IDC_GEOMETRY_CANCEL, &TemplateDialog::OnCancelButton)
END_MESSAGE_MAP()

class DialogBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        AfxSetResourceHandle(hostResources);
        native::SetMessageBoxHandler([this](const native::MessageBoxRequest& r) {
            host.calls.push_back("box " + std::to_string(r.stringId) + " " +
                                 std::to_string(r.style) + (r.owner == Dialog() ? " dialog" : ""));
            return answer;
        });
        PlayInputSteps(input);
    }
    void TearDown() override { native::Reset(); }

    static HWND Dialog() {
        for (HWND hwnd : native::TopLevelWindows()) {
            if (native::DialogTemplateId(hwnd) == IDD_GEOMETRY)
                return hwnd;
        }
        return nullptr;
    }
    static void Click(int id) { native::ClickWindow(GetDlgItem(Dialog(), id), POINT{2, 2}); }
    static void Press(WORD key) { native::PressKey(nullptr, key, false, false, false); }

    HINSTANCE hostResources = reinterpret_cast<HINSTANCE>(0x4000);
    RecordingHost host;
    std::deque<std::function<void()>> input;
    int answer = IDOK;
};

TEST_F(DialogBaseTest, RunModalOpensTheDialogInsideTheModalBracket) {
    host.timerStop = 1;
    TemplateDialog dialog(host);
    input.push_back([&] {
        host.calls.push_back(AfxGetResourceHandle() == inspModuleState().moduleHandle
                                 ? "module resources"
                                 : "host resources");
        Press(VK_ESCAPE);
    });
    INT_PTR result =
        dialog.RunModal([&](INT_PTR r) { host.calls.push_back("inside " + std::to_string(r)); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"MwSetTimerStop(1)", "SetModalOpen(1)", "module resources",
                                        "inside 2", "SetModalOpen(0)", "MwSetTimerStop(1)"}));
    EXPECT_EQ(AfxGetResourceHandle(), hostResources);
}

TEST_F(DialogBaseTest, OkTypeAndCancelButtonsShareTheirHandlers) {
    struct Case {
        const char* name;
        std::vector<std::function<void()>> steps;
        INT_PTR result;
        std::vector<std::string> calls;
    } cases[] = {
        {"OK button", {[] { Click(IDC_GEOMETRY_OK); }}, IDOK, {"OnOK"}},
        {"Enter", {[] { Press(VK_RETURN); }}, IDOK, {"OnOK"}},
        {"Cancel button", {[] { Click(IDC_GEOMETRY_CANCEL); }}, IDCANCEL, {}},
        {"Cancel reads the data first",
         {[] {
              SetDlgItemTextA(Dialog(), IDC_GEOMETRY_X, "bad");
              Click(IDC_GEOMETRY_CANCEL);
          },
          [] { Press(VK_ESCAPE); }},
         IDCANCEL,
         {}},
        {"a failed OK stays open",
         {[] {
              SetDlgItemTextA(Dialog(), IDC_GEOMETRY_X, "bad");
              Press(VK_RETURN);
          },
          [] {
              EXPECT_NE(Dialog(), nullptr);
              SetDlgItemTextA(Dialog(), IDC_GEOMETRY_X, "12");
              Click(IDC_GEOMETRY_OK);
          }},
         IDOK,
         {"OnOK", "OnOK"}},
    };
    ModuleResourceScope resources;
    for (const Case& c : cases) {
        TemplateDialog dialog(host);
        host.calls.clear();
        input.assign(c.steps.begin(), c.steps.end());
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(host.calls, c.calls) << c.name;
        EXPECT_TRUE(input.empty()) << c.name << ": ended early";
    }
}

TEST_F(DialogBaseTest, DialogMessageBoxesAreOwnedByTheDialogAndBracketed) {
    ModuleResourceScope resources;
    TemplateDialog dialog(host);
    std::vector<bool> answers;
    input.push_back([&] {
        host.calls.clear();
        dialog.DialogWarning(IDS_CANNOT_CHANGE_GEOMETRY);
        answer = IDYES;
        answers.push_back(dialog.DialogQuestion(IDS_CANNOT_CHANGE_GEOMETRY));
        answer = IDCANCEL;
        answers.push_back(dialog.DialogConfirmation(IDS_DELETE_ALL));
        Press(VK_ESCAPE);
    });
    dialog.DoModal();
    const std::string bracketOpen = "MwSetTimerStop(1) SetModalOpen(1) ";
    std::string calls;
    for (const std::string& call : host.calls)
        calls += call + " ";
    EXPECT_EQ(calls, bracketOpen + "box 32658 48 dialog SetModalOpen(0) MwSetTimerStop(0) " +
                         bracketOpen + "box 32658 52 dialog SetModalOpen(0) MwSetTimerStop(0) " +
                         bracketOpen + "box 32657 49 dialog SetModalOpen(0) MwSetTimerStop(0) ");
    EXPECT_EQ(answers, (std::vector<bool>{true, false}));
}

} // namespace
