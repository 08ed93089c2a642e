#pragma once

#include "platform/WinMenu.h"

#include <map>
#include <string>
#include <vector>

namespace native {

// The menus of the system, the menu bars of windows and how often each bar was drawn.
class MenuTable {
public:
    struct Item {
        UINT id = 0; // a popup's id is its handle's value, as Win32 reports it by command
        std::string text;
        UINT flags = 0; // MF_ type and state flags; MF_POPUP exactly when `popup` is set
        HMENU popup = nullptr;

        bool Enabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
    };
    struct Menu {
        std::vector<Item> items;
    };
    // An item found by command or position: the menu that holds it and its index there.
    struct Location {
        HMENU menu = nullptr;
        std::size_t index = 0;
    };

    void Add(HMENU handle);
    // Null for a null, unknown or destroyed handle.
    Menu* Find(HMENU handle);
    // Destroys the menu and the popups it holds; false when it is unknown.
    bool Destroy(HMENU handle);
    // By position in `menu`, or by command anywhere below it (popups before their own id).
    bool Locate(HMENU menu, UINT item, UINT flags, Location& found);
    Item* ItemAt(const Location& location);

    void SetBar(HWND hwnd, HMENU menu);
    HMENU Bar(HWND hwnd) const;
    void CountDraw(HWND hwnd) { ++drawCounts[hwnd]; }
    int DrawCount(HWND hwnd) const;
    // The window is gone: its menu bar goes with it.
    void ForgetWindow(HWND hwnd);
    void Clear();

private:
    bool LocateCommand(HMENU menu, UINT id, Location& found, int depth);

    std::map<HMENU, Menu> menus;
    std::map<HWND, HMENU> bars;
    std::map<HWND, int> drawCounts;
};

} // namespace native
