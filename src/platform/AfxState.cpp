#include "AfxState.h"

#include "CWnd.h"

AfxState& AfxGetState() {
    static AfxState state;
    return state;
}
