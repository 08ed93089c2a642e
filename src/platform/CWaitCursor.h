#pragma once

#include "CCmdTarget.h"

// Shows the application's wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor() { target_.BeginWaitCursor(); }
    ~CWaitCursor() { target_.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CCmdTarget target_;
};
