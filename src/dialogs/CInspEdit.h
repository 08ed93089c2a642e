#pragma once

#include "platform/CEdit.h"

// A dialog's edit that answers a help request on itself with its own topic; otherwise it
// behaves as the control it is attached to (SubclassDlgItem).
class CInspEdit : public CEdit {
protected:
    BOOL OnHelpInfo(HELPINFO* info) override;
};
