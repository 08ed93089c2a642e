#pragma once

#include "CControlBar.h"

#include <string>
#include <vector>

// A bar of text panes along the bottom of a frame: the first pane takes the width the others
// leave. The bar keeps the panes and tells its status bar control of every change, which on
// Windows shows them.
class CStatusBar : public CControlBar {
public:
    static constexpr int kHeight = 20;

    BOOL Create(CWnd* parent, DWORD style, UINT id);
    // Each id names a pane; a nonzero id takes the string of that id as its first text.
    BOOL SetIndicators(const UINT* ids, int count);
    int GetCount() const { return static_cast<int>(panes_.size()); }
    BOOL SetPaneText(int index, const char* text, BOOL update = TRUE);
    std::string GetPaneText(int index) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    int BarHeight() const override { return kHeight; }

protected:
    BOOL OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void ShowPanes();
    void ShowText(int index);

    struct Pane {
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        std::string text;
    };
    std::vector<Pane> panes_;
};
