#pragma once

#include "platform/CButton.h"

// A dialog's button that answers a help request on itself with its own topic; otherwise it
// behaves as the control it is attached to (SubclassDlgItem).
class CInspButton : public CButton {
protected:
    BOOL OnHelpInfo(HELPINFO* info) override;
};
