#include "CInspEdit.h"

#include "ContextHelp.h"

BOOL CInspEdit::OnHelpInfo(HELPINFO* info) {
    return info != nullptr && inspShowControlTopic(this, info->iCtrlId) ? TRUE : FALSE;
}
