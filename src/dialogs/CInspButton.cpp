#include "CInspButton.h"

#include "ContextHelp.h"

BOOL CInspButton::OnHelpInfo(HELPINFO* info) {
    return info != nullptr && inspShowControlTopic(this, info->iCtrlId) ? TRUE : FALSE;
}
