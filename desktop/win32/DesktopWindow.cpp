#include "DesktopWindow.h"

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopMouse.h"
#include "DesktopMouseInput.h"
#include "DesktopPad.h"
#include "platform/Afx.h"
#include "platform/CodePage.h"
#include "platform/NativeBackend.h"

#include <commdlg.h>

#include <string>
#include <vector>

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

// The desktop's menu bar; the console's words for each are in docs/console.md.
enum MenuCommand : UINT {
    kOpenScene = 0xE100,
    kSaveSceneAs,
    kExit,
    kInspector,
    kInspectorOnSelected,
    kHelpTopics,
};

struct MenuText {
    const char* english;
    const char* japanese; // UTF-8
};

std::string Text(const MenuText& text) {
    if (native::GetLanguage() == Language::Japanese)
        return codepage::FromUtf8(text.japanese, native::ActiveCodePage());
    return text.english;
}

HMENU MakeMenuBar() {
    struct Item {
        UINT id; // 0: a separator
        MenuText text;
    };
    struct Popup {
        MenuText text;
        std::vector<Item> items;
    };
    const Popup popups[] = {
        {{"&File", "ファイル(&F)"},
         {{kOpenScene, {"&Open Scene...", "シーンを開く(&O)..."}},
          {kSaveSceneAs, {"Save Scene &As...", "名前を付けてシーンを保存(&A)..."}},
          {0, {"", ""}},
          {kExit, {"E&xit", "終了(&X)"}}}},
        {{"&Tools", "ツール(&T)"},
         {{kInspector, {"&Inspector", "インスペクタ(&I)"}},
          {kInspectorOnSelected,
           {"Inspector on the &Selected Pad", "選択したパッドのインスペクタ(&S)"}}}},
        {{"&Help", "ヘルプ(&H)"}, {{kHelpTopics, {"&Help Topics", "トピックの検索(&H)"}}}},
    };
    HMENU bar = CreateMenu();
    for (const Popup& popup : popups) {
        HMENU menu = CreatePopupMenu();
        for (const Item& item : popup.items) {
            if (item.id == 0)
                AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuA(menu, MF_STRING, item.id, Text(item.text).c_str());
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Text(popup.text).c_str());
    }
    return bar;
}

// A scene file chosen in the system's file dialog; empty when the user cancelled.
std::string ChooseSceneFile(HWND owner, bool save) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "Scenes (*.json)\0*.json\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof(file);
    dialog.lpstrDefExt = "json";
    dialog.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    return chosen ? std::string(file) : std::string();
}

class DesktopWindow : public CWnd {
public:
    explicit DesktopWindow(DesktopHost& host)
        : host_(host), desktop_(host.GetDesktop()),
          mouse_(desktop_, [&host](DesktopPad* pad) { host.OpenInspectorByUser(pad); }) {
        // One invalidation waits for the next WM_PAINT: every further change of a run (a
        // Delete All of many pads) would ask the window server again for nothing.
        observer_ = desktop_.AddObserver([this](const DesktopChange&) {
            if (m_hWnd != nullptr && !invalidated_) {
                invalidated_ = true;
                Invalidate();
            }
        });
    }
    ~DesktopWindow() override { desktop_.RemoveObserver(observer_); }

    BOOL PreCreateWindow(CREATESTRUCTA& create) override {
        create.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW),
                                               GetSysColorBrush(COLOR_APPWORKSPACE));
        create.hMenu = MakeMenuBar();
        return TRUE;
    }

protected:
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        *result = 0;
        if (RouteDesktopMouse(mouse_, m_hWnd, msg, wParam, lParam))
            return TRUE;
        switch (msg) {
        case WM_PAINT:
            invalidated_ = false;
            Paint();
            return TRUE;
        case WM_INITMENUPOPUP:
            EnableMenuItem(reinterpret_cast<HMENU>(wParam), kInspectorOnSelected,
                           desktop_.SelectedPads().empty() ? MF_GRAYED : MF_ENABLED);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0 && Command(LOWORD(wParam)))
                return TRUE;
            break;
        case WM_CLOSE:
            host_.RequestQuit();
            return TRUE;
        default:
            break;
        }
        return CWnd::OnWndMsg(msg, wParam, lParam, result);
    }

private:
    void Paint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_hWnd, &paint);
        PadPainter painter(dc);
        for (DesktopPad* pad : desktop_.TopLevelPads())
            painter.Paint(*pad);
        EndPaint(m_hWnd, &paint);
    }

    // What each menu item does is what the console's word for it does, printing the same.
    bool Command(UINT id) {
        switch (id) {
        case kOpenScene:
        case kSaveSceneAs: {
            std::string file = ChooseSceneFile(m_hWnd, id == kSaveSceneAs);
            if (file.empty())
                return true;
            std::string line;
            bool done =
                id == kSaveSceneAs ? host_.SaveScene(file, line) : host_.LoadScene(file, line);
            host_.Report(codepage::ToUtf8(line, native::ActiveCodePage()), !done);
            return true;
        }
        case kExit:
            host_.RequestQuit();
            return true;
        case kInspector:
            host_.OpenInspectorByUser(nullptr);
            return true;
        case kInspectorOnSelected: {
            std::vector<DesktopPad*> selected = desktop_.SelectedPads();
            if (!selected.empty())
                host_.OpenInspectorByUser(selected.front());
            return true;
        }
        case kHelpTopics:
            host_.ShowHelpTopics();
            return true;
        default:
            return false;
        }
    }

    DesktopHost& host_;
    Desktop& desktop_;
    DesktopMouse mouse_;
    int observer_ = 0;
    bool invalidated_ = false;
};

} // namespace

std::unique_ptr<CWnd> MakeDesktopWindow(DesktopHost& host) {
    return std::make_unique<DesktopWindow>(host);
}
