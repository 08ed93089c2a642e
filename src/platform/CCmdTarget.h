#pragma once

#include "CRuntimeClass.h"
#include "WinTypes.h"

class CCmdUI;

// Something that receives commands. A command is handled when OnCmdMsg says so; an update
// request (code CN_UPDATE_COMMAND_UI) asks the target to set the state of a menu item or
// button through the CCmdUI passed as `extra`.
class CCmdTarget : public CObject {
public:
    enum : int { CN_COMMAND = 0, CN_UPDATE_COMMAND_UI = -1 };

    virtual BOOL OnCmdMsg(UINT id, int code, void* extra);

    void BeginWaitCursor();
    void EndWaitCursor();
};
