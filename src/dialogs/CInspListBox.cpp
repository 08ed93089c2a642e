#include "CInspListBox.h"

#include "ContextHelp.h"

BOOL CInspListBox::OnHelpInfo(HELPINFO* info) {
    return info != nullptr && inspShowControlTopic(this, info->iCtrlId) ? TRUE : FALSE;
}
