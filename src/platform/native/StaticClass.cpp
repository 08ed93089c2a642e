// The Static class: labels. They take no input; a click on one goes nowhere.

#include "platform/native/ControlSupport.h"
#include "platform/native/SystemClasses.h"

namespace native {

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) {
        return DLGC_STATIC;
    }
    if (std::optional<LRESULT> result = FontMessage(hwnd, msg, wParam)) {
        return *result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace native
