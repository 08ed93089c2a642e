#pragma once

#include "CCmdTarget.h"
#include "WinDialog.h"

#include <string>

struct CCreateContext;

// A window object of the framework. A permanent CWnd is attached to its window from
// WM_NCCREATE to WM_NCDESTROY and receives its messages through WindowProc, which hands
// each message to the virtual handler below; an unhandled message goes to Default().
class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The window of `wnd`, null for no object.
    static HWND SafeHwnd(const CWnd* wnd) { return wnd ? wnd->m_hWnd : nullptr; }
    // The permanent object of a window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The permanent object, else a temporary one that lives until DeleteTempMap().
    static CWnd* FromHandle(HWND hwnd);
    static void DeleteTempMap();

    // Serves the window from its first message, also a window of a class the framework does
    // not own, which is subclassed while it is being created.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId, void* param = nullptr);
    // May change the class, styles and placement of the window about to be created; false
    // cancels the creation. A null class becomes a class of the framework's.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& create);
    virtual BOOL Create(const char* className, const char* windowName, DWORD style,
                        const RECT& rect, CWnd* parent, UINT id, CCreateContext* context = nullptr);
    virtual BOOL DestroyWindow();

    // Serves an existing window from now on, its own procedure handling what this object
    // leaves to the default; false when another object serves it already.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window its procedure back and lets go of it.
    HWND UnsubclassWindow();

    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Called after the window is gone; frames and views delete themselves here.
    virtual void PostNcDestroy() {}

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Gives the control that sent the notice the first chance to handle it (OnChildNotify).
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notice this window sent its parent, handed back by the parent; true when handled,
    // with the parent's answer in `result`.
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Modal loop: dispatches messages until EndModalLoop, or until no input can come
    // any more, which ends it with IDCANCEL. While any modal loop runs, windows' objects that
    // delete themselves wait for AfxIdleCleanup.
    int RunModalLoop();
    virtual void EndModalLoop(int result);
    BOOL ContinueModal() const { return continueModal_; }

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const {
        return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    }
    BOOL ModifyStyle(DWORD remove, DWORD add);
    BOOL ModifyStyleEx(DWORD remove, DWORD add);
    CWnd* GetFocus() const { return FromHandle(::GetFocus()); }

    // The dialog manager's functions on this window's controls.
    LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessageA(m_hWnd, id, msg, wParam, lParam);
    }
    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) {
        ::SetDlgItemInt(m_hWnd, id, value, isSigned);
    }
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const {
        return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
    }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int check) {
        ::CheckRadioButton(m_hWnd, first, last, check);
    }
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, SafeHwnd(control), previous));
    }
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const {
        return FromHandle(::GetNextDlgGroupItem(m_hWnd, SafeHwnd(control), previous));
    }
    // Help from the application's help file, on behalf of this window.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
    // The control under a client point, for tooltips and context help: the id of the first
    // visible child in z-order whose window holds the point, children without an id (0xFFFF)
    // skipped; -1 when there is none.
    virtual int OnToolHitTest(POINT point) const;
    // The font the window draws its text with (WM_GETFONT); null: the system font.
    HFONT GetFont() const {
        return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    }
    void SetFont(HFONT font, BOOL redraw = TRUE) {
        ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    int MessageBox(const char* text, const char* caption, UINT type) {
        return ::MessageBoxA(m_hWnd, text, caption, type);
    }

protected:
    virtual int OnCreate(CREATESTRUCTA* create);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnTimer(std::uintptr_t id);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual BOOL OnQueryOpen();
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual void OnSysColorChange();
    virtual void OnSettingChange(UINT flags, const char* section);
    virtual void OnInitMenu(HMENU menu);
    virtual void OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu);
    virtual void OnEnterIdle(UINT why, CWnd* who);
    // WM_HELP; the default passes it on to the parent (or owner).
    virtual BOOL OnHelpInfo(HELPINFO* info);
    // WM_CONTEXTMENU at a screen point, (-1, -1) when asked from the keyboard; the default
    // passes it on to the parent.
    virtual void OnContextMenu(CWnd* wnd, POINT point);
    virtual void OnSetFocus(CWnd* old);
    virtual void OnKillFocus(CWnd* next);

    // Handles a message that has a virtual handler; false leaves it to Default().
    virtual BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // While it lives, the window the system creates next is served by `wnd` from its first
    // message on.
    class CreationScope {
    public:
        explicit CreationScope(CWnd* wnd);
        ~CreationScope();
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;

    private:
        CWnd* outer_;
    };

    bool continueModal_ = false;
    int modalResult_ = 0;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    // The creation hook: the object being created takes over the new window.
    static void TakeOverCreating(HWND hwnd);
    void Attach(HWND hwnd);
    HWND Detach();

    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage current_;
    WNDPROC superProc_ = nullptr;
};
