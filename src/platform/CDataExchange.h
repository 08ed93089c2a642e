#pragma once

#include "WinTypes.h"

#include <string>

class CWnd;

// One run of a dialog's data exchange, from the members to the controls or back. A DDX
// function that cannot read its control calls Fail(): the exchange has failed, the focus goes
// to that control (its text selected, for an edit field), and the DDX functions after it do
// nothing.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control with this id, remembered as the one a failure points to; null when none.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    void Fail();
    bool Failed() const { return failed_; }

private:
    HWND lastControl_ = nullptr;
    bool lastIsEdit_ = false;
    bool failed_ = false;
};

// The text of a control.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// A drop-down list's text; loading selects the item of exactly that text, or none.
void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value);
// A check box's state: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked radio button in the group that starts with control `id`; -1 for
// none.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Has `control` serve the dialog's control `id` (subclassing it) on its first exchange.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
