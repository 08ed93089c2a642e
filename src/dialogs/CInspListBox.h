#pragma once

#include "platform/CListBox.h"

// A dialog's list box that answers a help request on itself with its own topic; otherwise it
// behaves as the control it is attached to (SubclassDlgItem).
class CInspListBox : public CListBox {
protected:
    BOOL OnHelpInfo(HELPINFO* info) override;
};
