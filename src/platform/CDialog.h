#pragma once

#include "CWnd.h"

class CDataExchange;
struct DialogTemplate;

// A dialog from a dialog template of the current resource module. Modal through DoModal: the
// owner is disabled and a nested modal loop runs until EndDialog. Its controls' values move
// to and from the object's members in DoDataExchange, run by UpdateData.
class CDialog : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

    // A modeless dialog; false when the template is missing or the dialog cannot be made.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // The result EndDialog gave; IDCANCEL when no input can come any more; -1 when the dialog
    // could not be created or its window was destroyed by something else meanwhile.
    virtual INT_PTR DoModal();
    // Ends the modal loop (after the current message) with `result`.
    void EndDialog(int result);
    // Moves the members to the controls (false) or the controls to the members (true); false
    // when the exchange failed, the focus then being on the control at fault.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    // The dialog manager takes the dialog's keys (Tab, arrows, Enter, Escape).
    BOOL PreTranslateMessage(MSG* msg) override;
    // Shows the members in the controls; false ends the dialog with -1. True lets the dialog
    // manager give the first control the focus.
    virtual BOOL OnInitDialog();

    UINT GetTemplateId() const { return m_nIDTemplate; }
    CWnd* GetParentWnd() const { return m_pParentWnd; }

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    // The dialog's IDOK and IDCANCEL commands, also Enter without a default button and
    // Escape: OnOK exchanges the data and ends with IDOK when that succeeds; OnCancel ends with
    // IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();

    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnNcDestroy() override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    BOOL CreateFromTemplate(const DialogTemplate* dialog, HWND owner);
    HWND OwnerWindow() const;
};
