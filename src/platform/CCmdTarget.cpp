#include "CCmdTarget.h"

#include "NativeBackend.h"

BOOL CCmdTarget::OnCmdMsg(UINT, int, void*) {
    return FALSE;
}

void CCmdTarget::BeginWaitCursor() {
    native::AdjustWaitCursor(1);
}
void CCmdTarget::EndWaitCursor() {
    native::AdjustWaitCursor(-1);
}
