#include "DesktopWindow.h"

#include "Desktop.h"
#include "DesktopPad.h"
#include "platform/Afx.h"

namespace {

constexpr int kNameMargin = 3;

// Each shown pad a framed rectangle with its name, children over their parent; a selected
// pad framed in the highlight colour with handles at its corners.
class PadPainter {
public:
    explicit PadPainter(HDC dc) : dc_(dc) {
        SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc_, TRANSPARENT);
    }

    void Paint(DesktopPad& pad) {
        if (!pad.IsVisible())
            return;
        if (pad.HasOwnView())
            Frame(pad);
        for (int i = 0; i < pad.ChildCount(); ++i)
            Paint(*pad.Child(i));
    }

private:
    void Frame(DesktopPad& pad) {
        MwRectangle region = pad.Region();
        RECT rect{region.X(), region.Y(), region.X() + region.Width(),
                  region.Y() + region.Height()};
        FillRect(dc_, &rect, GetSysColorBrush(COLOR_WINDOW));
        FrameRect(dc_, &rect, GetSysColorBrush(COLOR_WINDOWTEXT));
        const char* name = pad.get_own_name();
        RECT text{rect.left + kNameMargin, rect.top + 1, rect.right - kNameMargin, rect.bottom};
        SetTextColor(dc_, GetSysColor(COLOR_WINDOWTEXT));
        DrawTextA(dc_, name != nullptr ? name : "", -1, &text,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        if (pad.Selected())
            Mark(rect);
    }

    void Mark(RECT rect) {
        HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
        for (int inset = 0; inset < 2; ++inset) {
            FrameRect(dc_, &rect, highlight);
            InflateRect(&rect, -1, -1);
        }
        InflateRect(&rect, 2, 2);
        const POINT corners[] = {{rect.left, rect.top},
                                 {rect.right - 5, rect.top},
                                 {rect.left, rect.bottom - 5},
                                 {rect.right - 5, rect.bottom - 5}};
        for (POINT corner : corners) {
            RECT handle{corner.x, corner.y, corner.x + 5, corner.y + 5};
            FillRect(dc_, &handle, highlight);
        }
    }

    HDC dc_;
};

class DesktopWindow : public CWnd {
public:
    explicit DesktopWindow(Desktop& desktop) : desktop_(desktop) {
        observer_ = desktop_.AddObserver([this](const DesktopChange&) {
            if (m_hWnd != nullptr)
                Invalidate();
        });
    }
    ~DesktopWindow() override { desktop_.RemoveObserver(observer_); }

    BOOL PreCreateWindow(CREATESTRUCTA& create) override {
        create.lpszClass = AfxRegisterWndClass(0, LoadCursorA(nullptr, IDC_ARROW),
                                               GetSysColorBrush(COLOR_APPWORKSPACE));
        return TRUE;
    }

protected:
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (msg != WM_PAINT)
            return CWnd::OnWndMsg(msg, wParam, lParam, result);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_hWnd, &paint);
        PadPainter painter(dc);
        for (DesktopPad* pad : desktop_.TopLevelPads())
            painter.Paint(*pad);
        EndPaint(m_hWnd, &paint);
        *result = 0;
        return TRUE;
    }

private:
    Desktop& desktop_;
    int observer_ = 0;
};

} // namespace

std::unique_ptr<CWnd> MakeDesktopWindow(Desktop& desktop) {
    return std::make_unique<DesktopWindow>(desktop);
}
