#pragma once

#include "platform/WinTypes.h"

// The host's part in every modal dialog and message box of the module: before it,
// MwSetTimerStop(1) (its answer kept), for a dialog the switch to the module's resources, and
// SetModalOpen(1); after it the same in reverse order, MwSetTimerStop given the kept answer.
class ModalBracket {
public:
    enum class Resources { Unchanged, Module };

    explicit ModalBracket(Resources resources);
    ~ModalBracket();
    ModalBracket(const ModalBracket&) = delete;
    ModalBracket& operator=(const ModalBracket&) = delete;

private:
    char previousTimerStop_;
    bool switched_;
    HINSTANCE previousResources_ = nullptr;
};

// A message box with the module's text `stringId` and the caption "Inspector", owned by
// `owner`, inside the modal bracket; the box's answer.
int inspModalMessage(HWND owner, UINT stringId, UINT style);
