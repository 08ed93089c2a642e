#include "DialogTestSupport.h"
#include "InputSteps.h"
#include "TemplateModule.h"

#include "platform/Afx.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CFrameWnd.h"
#include "platform/CListBox.h"
#include "platform/CSpinButtonCtrl.h"

#include <gmock/gmock.h>

#include <deque>
#include <functional>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

// Input played one step each time a modal loop waits; none left is the end of input.
class Script {
public:
    explicit Script(std::deque<std::function<void()>> steps) : steps_(std::move(steps)) {
        PlayInputSteps(steps_);
    }

private:
    std::deque<std::function<void()>> steps_;
};

void Press(WORD key) {
    native::PressKey(nullptr, key, false, false, false);
}

class HelpedEdit : public CEdit {
public:
    BOOL OnHelpInfo(HELPINFO* info) override {
        asked = info->iCtrlId;
        return TRUE;
    }
    int asked = 0;
};

// Name, choice and flag exchanged with the edit field, the radio group and the automatic
// check box; a name "bad" fails the exchange. Button 51 runs a nested dialog.
class SampleDialogObject : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit SampleDialogObject(CWnd* parent = nullptr) : CDialog(300, parent) {}

    std::string name;
    int choice = 1;
    int flag = 0;
    bool endInInit = false;
    INT_PTR nestedResult = 0;
    std::vector<std::string> events;
    HelpedEdit edit;
    CListBox list;
    CComboBox combo;
    CSpinButtonCtrl spin;

protected:
    BOOL OnInitDialog() override {
        BOOL focus = CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(7);
        return focus;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 11, edit);
        DDX_Control(dx, 12, spin);
        DDX_Control(dx, 40, list);
        DDX_Control(dx, 41, combo);
        DDX_Text(dx, 11, name);
        if (dx->m_bSaveAndValidate && name == "bad")
            dx->Fail();
        DDX_Radio(dx, 20, choice);
        DDX_Check(dx, 30, flag);
    }
    void OnDefault() { OnOK(); }
    void OnNested() {
        SampleDialogObject nested(this);
        nestedResult = nested.DoModal();
        events.push_back(IsWindowEnabled() ? "enabled again" : "still disabled");
    }
    void OnDeltaPos(NMHDR* header, LRESULT* result) {
        events.push_back("delta " + std::to_string(reinterpret_cast<NMUPDOWN*>(header)->iDelta));
        *result = 0;
    }
};

BEGIN_MESSAGE_MAP(SampleDialogObject, CDialog)
ON_COMMAND(50, &SampleDialogObject::OnDefault)
ON_COMMAND(51, &SampleDialogObject::OnNested)
ON_NOTIFY(UDN_DELTAPOS, 12, &SampleDialogObject::OnDeltaPos)
END_MESSAGE_MAP()

class Frame : public CFrameWnd {
public:
    ~Frame() override { ++deleted; }
    static inline int deleted = 0;
};

class DialogFrameworkTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        module.dialogs[300] = SampleDialog();
        instance = native::RegisterModule("dialogs", &module);
        AfxSetResourceHandle(instance);
        owner = TopLevel(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetActiveWindow(owner); // the owner of dialogs without a parent
    }
    void TearDown() override {
        AfxSetResourceHandle(nullptr);
        NativeTest::TearDown();
        native::UnregisterModule(instance);
    }

    HWND Dialog() const { return FindDialog(owner); }
    static HWND FindDialog(HWND owner) {
        for (HWND hwnd : native::TopLevelWindows()) {
            if (GetWindow(hwnd, GW_OWNER) == owner && native::DialogTemplateId(hwnd) == 300)
                return hwnd;
        }
        return nullptr;
    }

    TemplateModule module;
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;
};

TEST_F(DialogFrameworkTest, DoModalExchangesTheDataAndEndsWithTheButtonsResult) {
    CWnd ownerObject;
    ownerObject.m_hWnd = owner;
    struct Case {
        const char* name;
        std::function<void(HWND)> input;
        INT_PTR result;
        std::string savedName;
        int savedChoice;
    } cases[] = {
        {"enter",
         [](HWND d) {
             SetDlgItemTextA(d, 11, "Ann");
             Press(VK_RETURN);
         },
         IDOK, "Ann", 1},
        {"escape",
         [](HWND d) {
             SetDlgItemTextA(d, 11, "Ann");
             Press(VK_ESCAPE);
         },
         IDCANCEL, "", 1},
        {"radio",
         [](HWND d) {
             CheckRadioButton(d, 20, 22, 22);
             Press(VK_RETURN);
         },
         IDOK, "", 2},
        {"end of input", [](HWND) {}, IDCANCEL, "", 1},
    };
    for (const Case& c : cases) {
        SampleDialogObject dialog(&ownerObject);
        bool ownerDisabled = false;
        Script script({[&] {
            ownerDisabled = !IsWindowEnabled(owner);
            EXPECT_EQ(dialog.GetDlgItemText(11), "") << "the members show at the start";
            EXPECT_EQ(IsDlgButtonChecked(Dialog(), 21), BST_CHECKED);
            c.input(Dialog());
        }});
        EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
        EXPECT_EQ(dialog.name, c.savedName) << c.name;
        EXPECT_EQ(dialog.choice, c.savedChoice) << c.name;
        EXPECT_TRUE(ownerDisabled) << c.name;
        EXPECT_TRUE(IsWindowEnabled(owner)) << c.name;
        EXPECT_EQ(Dialog(), nullptr) << c.name << ": destroyed";
        EXPECT_EQ(GetActiveWindow(), owner) << c.name;
    }
    ownerObject.m_hWnd = nullptr;
}

TEST_F(DialogFrameworkTest, AFailedExchangeKeepsTheDialogOpenWithTheFieldFocused) {
    SampleDialogObject dialog;
    Script script({[&] {
                       dialog.SetDlgItemText(11, "bad");
                       Press(VK_RETURN);
                   },
                   [&] {
                       EXPECT_NE(Dialog(), nullptr);
                       EXPECT_EQ(GetDlgCtrlID(GetFocus()), 11);
                       DWORD start = 1;
                       DWORD end = 0;
                       SendDlgItemMessageA(Dialog(), 11, EM_GETSEL,
                                           reinterpret_cast<WPARAM>(&start),
                                           reinterpret_cast<LPARAM>(&end));
                       EXPECT_EQ(start, 0u);
                       EXPECT_EQ(end, 3u) << "its text selected";
                       dialog.SetDlgItemText(11, "good");
                       Press(VK_RETURN);
                   }});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, "good");
}

TEST_F(DialogFrameworkTest, DialogsNestAndEachEndsFromItsOwnHandler) {
    SampleDialogObject outer;
    HWND nestedWindow = nullptr;
    Script script({[&] {
                       native::ClickWindow(GetDlgItem(Dialog(), 51), POINT{2, 2});
                   },
                   [&] {
                       nestedWindow = FindDialog(Dialog());
                       EXPECT_NE(nestedWindow, nullptr) << "owned by the outer dialog";
                       EXPECT_FALSE(IsWindowEnabled(Dialog()));
                       Press(VK_ESCAPE);
                   },
                   [&] { Press(VK_RETURN); }});
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.nestedResult, IDCANCEL);
    EXPECT_THAT(outer.events, ElementsAre("enabled again"));
    EXPECT_FALSE(IsWindow(nestedWindow));
}

TEST_F(DialogFrameworkTest, EndDialogDuringInitialisationSkipsTheLoop) {
    SampleDialogObject dialog;
    dialog.endInInit = true;
    Script script({[] { ADD_FAILURE() << "the loop waited for input"; }});
    EXPECT_EQ(dialog.DoModal(), 7);
    module.dialogs.clear();
    EXPECT_EQ(dialog.DoModal(), -1) << "without its template";
}

TEST_F(DialogFrameworkTest, ControlsSubclassedByIdAndNotificationsReachTheMaps) {
    SampleDialogObject dialog;
    std::string text;
    Script script({[&] {
                       dialog.spin.SetRange32(0, 10);
                       dialog.list.AddString("b");
                       dialog.list.InsertString(0, "a");
                       dialog.list.GetText(1, text);
                       dialog.combo.AddString("c");
                       text += std::to_string(dialog.combo.GetCount());
                       native::ClickWindow(GetDlgItem(Dialog(), 12), POINT{1, 1});
                       native::PressKey(GetDlgItem(Dialog(), 11), VK_F1, false, false, false);
                   },
                   [] { Press(VK_ESCAPE); }});
    dialog.DoModal();
    EXPECT_EQ(dialog.edit.asked, 11) << "F1 reached the subclassed field";
    EXPECT_EQ(text, "b1");
    EXPECT_THAT(dialog.events, ElementsAre("delta 1"));
    EXPECT_EQ(dialog.edit.m_hWnd, nullptr) << "let go with its window";
}

// A frame closed under its dialog: the dialog fails, and the frame's object lives on until
// the idle time, so that the code that ran the dialog may still look at it.
TEST_F(DialogFrameworkTest, AnOwnerClosedDuringTheDialogWaitsForIdleTime) {
    auto* frame = new Frame;
    frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CFrameWnd::rectDefault,
                  nullptr, 0, 0, nullptr);
    Frame::deleted = 0;
    SampleDialogObject dialog(frame);
    Script script({[&] { frame->PostMessage(WM_CLOSE); }});
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(frame->m_hWnd, nullptr);
    EXPECT_EQ(Frame::deleted, 0);
    AfxIdleCleanup();
    EXPECT_EQ(Frame::deleted, 1);
}

} // namespace
