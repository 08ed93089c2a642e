#include "DesktopWindow.h"

#include "DesktopHost.h"
#include "DesktopMouse.h"
#include "DesktopMouseInput.h"

namespace {

class DesktopWindow : public CWnd {
public:
    explicit DesktopWindow(DesktopHost& host)
        : mouse_(host.GetDesktop(), [&host](DesktopPad* pad) { host.OpenInspectorByUser(pad); }) {}

protected:
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (!RouteDesktopMouse(mouse_, m_hWnd, msg, wParam, lParam))
            return CWnd::OnWndMsg(msg, wParam, lParam, result);
        *result = 0;
        return TRUE;
    }

private:
    DesktopMouse mouse_;
};

} // namespace

std::unique_ptr<CWnd> MakeDesktopWindow(DesktopHost& host) {
    return std::make_unique<DesktopWindow>(host);
}
