#pragma once

#include "platform/WinDialog.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace native {

// What the dialog manager keeps for a window of the dialog class.
struct DialogData {
    UINT templateId = 0;
    DLGPROC proc = nullptr;
    LRESULT msgResult = 0;
    std::intptr_t user = 0;
    // The template's default push button, or the one DM_SETDEFID named; 0 for none.
    int defId = 0;
    // The control that had the focus when the dialog was last deactivated.
    HWND focusSave = nullptr;
    HFONT font = nullptr;
    bool ended = false;
    INT_PTR result = 0;
};

// What CreateDialogIndirectParamA hands the new dialog window in lpCreateParams.
struct DialogCreation {
    UINT templateId = 0;
    DLGPROC proc = nullptr;
    HFONT font = nullptr;
    LPARAM param = 0;
};

// Null for a window that is not a dialog.
std::shared_ptr<DialogData> DialogDataOf(HWND hwnd);
// Moves the focus as the dialog manager does: an edit field reached this way has its text
// selected, and the default button's look follows.
void DialogSetFocus(HWND dialog, HWND control, bool selectText);
// A focused push button looks like the default button; otherwise the dialog's default does.
void CheckDefaultButton(HWND dialog, HWND focus);
// The controls of a dialog's group around `control`, in tab order.
std::vector<HWND> GroupOf(HWND dialog, HWND control);

} // namespace native
