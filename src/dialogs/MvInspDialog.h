#pragma once

#include "platform/CDialog.h"

#include <functional>

// What the Inspector's dialogs share: their run inside the modal bracket, the handlers of their
// OK-type and Cancel buttons, and the message boxes they own.
class MvInspDialog : public CDialog {
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
    // For the OK-type button's entry in a dialog's message map: the dialog's own OnOK, so
    // that the button and Enter do the same.
    void OnOkButton();
    // For the Cancel button's entry: ends with IDCANCEL once the data reads back; a failed
    // exchange keeps the dialog open.
    void OnCancelButton();
};
