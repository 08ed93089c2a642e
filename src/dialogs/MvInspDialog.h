#pragma once

#include "platform/CDialog.h"

#include <functional>

// What the Inspector's dialogs share: their run inside the modal bracket, the handlers of their
// OK-type and Cancel buttons, the message boxes they own, and context help on their controls.
class MvInspDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    MvInspDialog(UINT templateId, CWnd* parent);

    // Runs the dialog modally from the module's template inside the full modal bracket, and
    // `inside` with the result before the bracket closes; the result.
    INT_PTR RunModal(const std::function<void(INT_PTR result)>& inside = {});

    // A message box with the module's text, owned by this dialog, inside the modal bracket;
    // the box's answer.
    int DialogMessageBox(UINT stringId, UINT style);
    void DialogWarning(UINT stringId);
    // Yes and No; true for Yes.
    bool DialogQuestion(UINT stringId);
    // OK and Cancel; true for OK.
    bool DialogConfirmation(UINT stringId);

protected:
    // Enables or disables the dialog's control `id`. A disabled control keeps no focus: it
    // moves on to the next control in the tab order.
    void EnableControl(int id, bool enable);
    // Moves the focus to control `id` as the dialog manager does (WM_NEXTDLGCTL).
    void FocusControl(int id);

    // For the OK-type button's entry in a dialog's message map: the dialog's own OnOK, so
    // that the button and Enter do the same.
    void OnOkButton();
    // For the Cancel button's entry: ends with IDCANCEL once the data reads back; a failed
    // exchange keeps the dialog open.
    void OnCancelButton();

    // An edit field has a context menu of its own, which would take the right button and the
    // context-menu key: over one of this dialog's fields the dialog offers "What's This?".
    BOOL PreTranslateMessage(MSG* msg) override;
    // Gives the title bar its help button; dialogs that initialise more call this first.
    BOOL OnInitDialog() override;
    // F1 and the title-bar help button: the topic of the control asked about.
    BOOL OnHelpInfo(HELPINFO* info) override;
    // The right button or the context-menu key over a control offers "What's This?" (32808);
    // outside the client area the message gets the default processing.
    void OnContextMenu(CWnd* wnd, POINT point) override;
    void OnWhatsThis();

    // The control asked about between the context menu and "What's This?".
    int whatsThisId = 0;
};
