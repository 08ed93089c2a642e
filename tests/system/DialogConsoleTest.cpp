#include "Console.h"
#include "ConsoleRun.h"
#include "DesktopSession.h"
#include "InputSource.h"
#include "platform/Afx.h"
#include "platform/CDialog.h"
#include "platform/CommCtrl.h"
#include "resources/ControlIds.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

// A dialog on one of the module's templates with a few handlers, as the module's dialogs
// will have: Reflect (1014) shows a message box and then a nested dialog; the Geometry
// dialog's X box toggles itself.
class TemplateDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit TemplateDialog(UINT id) : CDialog(id) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SendDlgItemMessage(IDC_GEOMETRY_X_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(-16383), 16383);
        SetDlgItemText(IDC_GEOMETRY_X, "120");
        CheckRadioButton(IDC_GEOMETRY_ABSOLUTE, IDC_GEOMETRY_RELATIVE, IDC_GEOMETRY_ABSOLUTE);
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_GEOMETRY_WIDTH), FALSE);
        for (const char* item : {"Label", "Position", "Size"})
            SendDlgItemMessage(IDC_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        for (const char* item : {"Number", "String", "Boolean"})
            SendDlgItemMessage(IDC_SEARCH_SLOT1_TYPE, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(item));
        return TRUE;
    }
    void OnOkButton() { OnOK(); }
    void OnReflect() {
        ::MessageBoxA(m_hWnd, "Reflected", "Inspector", MB_OKCANCEL);
        TemplateDialog nested(IDD_DELETE_TEMPLATE);
        nested.DoModal();
    }
    void OnArrangeX() { CheckDlgButton(IDC_ARRANGE_X, IsDlgButtonChecked(IDC_ARRANGE_X) ? 0 : 1); }

    static constexpr UINT IDD_DELETE_TEMPLATE = 201;
};

BEGIN_MESSAGE_MAP(TemplateDialog, CDialog)
ON_COMMAND(IDC_GEOMETRY_OK, &TemplateDialog::OnOkButton)
ON_COMMAND(IDC_GEOMETRY_CANCEL, &TemplateDialog::OnCancel)
ON_COMMAND(IDC_GEOMETRY_REFLECT, &TemplateDialog::OnReflect)
ON_COMMAND(IDC_ARRANGE_X, &TemplateDialog::OnArrangeX)
ON_COMMAND(IDC_DELETE_CANCEL, &TemplateDialog::OnCancel)
END_MESSAGE_MAP()

// Runs a console on the script; `testdialog ID` runs the dialog on template ID of the loaded
// module and prints its result. Everything the console printed.
std::string RunScript(const std::string& script) {
    std::string directory = "/tmp/mvdesk-dialog-" + std::to_string(getpid());
    std::string scriptPath = directory + "-script.txt";
    std::ofstream(scriptPath) << script;
    testing::internal::CaptureStdout();
    {
        DesktopSession session;
        DesktopSession::Options options;
        options.registry = directory + "-registry.json";
        std::string error;
        EXPECT_TRUE(session.Start(options, std::string(MV_BUILD_BIN_DIR) + "/mvdesk", error))
            << error;
        InputSource input(scriptPath);
        Console console(session, input);
        console.Define("testdialog", "testdialog ID", "", [&](const Console::Args& args) {
            HINSTANCE previous = AfxGetResourceHandle();
            AfxSetResourceHandle(GetModuleHandleA("mvkinsp"));
            TemplateDialog dialog(static_cast<UINT>(std::stoul(args.at(0))));
            INT_PTR result = dialog.DoModal();
            AfxSetResourceHandle(previous);
            console.Print("result " + std::to_string(result));
        });
        console.Run();
    }
    std::remove(scriptPath.c_str());
    std::remove((directory + "-registry.json").c_str());
    return testing::internal::GetCapturedStdout();
}

TEST(DialogConsole, TheUsersWordsActOnTheOpenDialog) {
    std::string output = RunScript("testdialog 202\n"
                                   "dlg set 1010 41\n"
                                   "dlg spin 1001 up\n"
                                   "dlg check 1019\n"
                                   "dlg click 1016\n"
                                   "pads\n"
                                   "dlg\n"
                                   "dlg click 1105\n"
                                   "dlg set 9999 x\n"
                                   "dlg set 1012 7\n"
                                   "dlg uncheck 1015\n"
                                   "dlg click 1014\n"
                                   "ok\n"
                                   "dlg key Escape\n"
                                   "dlg key Tab\n"
                                   "dlg key Enter\n"
                                   "dlg\n");
    ExpectInOrder(output, {"dialog 202 \"Geometry\"",
                           "Stage [MvFramePad] #1001",
                           "dialog 202 \"Geometry\"",
                           "1105\tlabel\t\"&X:\"\n",
                           "1010\tedit\t\"42\"\n",
                           "1001\tupdown\t42 (-16383..16383)\n",
                           "1012\tedit\t\"\"\tdisabled\n",
                           "1019\tcheckbox\t\"&X\"\tchecked\n",
                           "1015\tradio\t\"&Absolute\"\n",
                           "1016\tradio\t\"&Relative\"\tchecked focused\n",
                           "1126\tbutton\t\"OK\"\tdefault\n",
                           "error: control 1105 is a label, not a button",
                           "error: dialog 202 has no control 9999",
                           "error: control 1012 is disabled",
                           "error: a radio button is unchecked by checking another",
                           "msgbox 0 OKCANCEL: Reflected",
                           "dialog 201 \"Delete\"",
                           "dialog closed 201",
                           "dialog closed 202",
                           "result 1",
                           "error: no dialog is open"});
    EXPECT_EQ(output.find("result 1"), output.rfind("result ")) << "ended once";
}

TEST(DialogConsole, ListsAreChosenByIndexOrTextAndEndOfInputCancels) {
    std::string output = RunScript("testdialog 124\n"
                                   "dlg select 1132 Size\n"
                                   "dlg select 1132 0\n"
                                   "dlg select 1132 Nowhere\n"
                                   "dlg\n"
                                   "dlg key Escape\n"
                                   "testdialog 204\n"
                                   "dlg select 1046 Boolean\n"
                                   "dlg set 1043 \"one\\ntwo\"\n"
                                   "dlg\n");
    ExpectInOrder(output, {"dialog 124 \"Customize\"", "error: control 1132 has no item 'Nowhere'",
                           "1132\tlistbox\t*\"Label\" \"Position\" \"Size\"\tfocused\n", "result 2",
                           "dialog 204 \"Search\"", "1043\tedit\t\"one\\ntwo\"",
                           "1046\tdropdown\t\"Number\" \"String\" *\"Boolean\"",
                           "dialog closed 204", "result 2"});
}

} // namespace
