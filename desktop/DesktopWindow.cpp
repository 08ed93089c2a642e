#include "DesktopWindow.h"

std::unique_ptr<CWnd> MakeDesktopWindow(Desktop&) {
    return std::make_unique<CWnd>();
}
