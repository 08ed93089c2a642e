#include "InspectorFixture.h"
#include "listview/Mouse.h"
#include "listview/RowFocus.h"
#include "listview/Selection.h"
#include "platform/Afx.h"
#include "platform/NativeMenu.h"

#include <map>
#include <sstream>

namespace {

// Stage, A (A1, A2), B … I: twelve rows, five to a page.
class KeyboardTest : public InspectorFixture {
protected:
    static constexpr int kPage = 5;

    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 600, 400);
        a = desktop.AddPad(stage, "A", 1, 1, 100, 100);
        desktop.AddPad(a, "A1", 1, 1, 10, 10);
        desktop.AddPad(a, "A2", 20, 1, 10, 10);
        for (const char* name : {"B", "C", "D", "E", "F", "G", "H", "I"})
            desktop.AddPad(stage, name, 200, 1, 10, 10);
    }

    // Opens the Stage Inspector with a list five rows high.
    CMainFrame* OpenPaged() {
        CMainFrame* frame = Open(stage);
        CListCtrl& list = View(frame).List();
        RECT first{};
        list.GetItemRect(0, &first, LVIR_BOUNDS);
        int height = first.top + kPage * View(frame).rowHeight + View(frame).rowHeight / 2;
        list.MoveWindow(0, 0, 400, height, FALSE);
        return frame;
    }

    static void Press(CMainFrame* frame, const std::string& name) {
        static const std::map<std::string, WORD> keys = {
            {"Down", VK_DOWN},   {"Up", VK_UP},        {"Left", VK_LEFT},     {"Right", VK_RIGHT},
            {"Home", VK_HOME},   {"End", VK_END},      {"PageDown", VK_NEXT}, {"PageUp", VK_PRIOR},
            {"Space", VK_SPACE}, {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"A", 'A'},
            {"C", 'C'}};
        std::string key = name;
        bool shift = key.rfind("Shift+", 0) == 0;
        bool ctrl = key.rfind("Ctrl+", 0) == 0;
        if (shift || ctrl)
            key = key.substr(key.find('+') + 1);
        native::PressKey(View(frame).m_hWnd, keys.at(key), shift, ctrl, false);
        AfxPumpPending();
    }

    // The selected items, e.g. "2 3 4".
    static std::string Selected(CMainFrame* frame) {
        CListCtrl& list = View(frame).List();
        std::string text;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            if (list.GetItemState(i, LVIS_SELECTED))
                text += (text.empty() ? "" : " ") + std::to_string(i);
        }
        return text;
    }

    static void Prepare(CMainFrame* frame, int collapsed, int top, int focus,
                        const std::string& selected, int anchor) {
        CInspectrView& view = View(frame);
        CListCtrl& list = view.List();
        if (collapsed >= 0)
            ToggleChildren(view, *RowOfItem(view, collapsed));
        DeselectAll(view);
        std::istringstream items(selected);
        for (int item; items >> item;)
            SelectRow(view, *RowOfItem(view, item));
        SetFocusRow(view, RowOfItem(view, focus));
        view.anchorRow = anchor >= 0 ? CopyRow(*RowOfItem(view, anchor)) : nullptr;
        list.Scroll(SIZE{0, (top - list.GetTopIndex()) * view.rowHeight});
        ASSERT_EQ(list.GetTopIndex(), top);
    }

    static int Anchor(CMainFrame* frame) {
        const CInspectrView& view = View(frame);
        return view.anchorRow ? ItemOfPad(view, view.anchorRow->pad) : -1;
    }

    DesktopPad* stage = nullptr;
    DesktopPad* a = nullptr;
};

struct KeyCase {
    const char* key;
    // Before: a row collapsed (-1 none), the top item, focus, selection and anchor.
    int collapsed, top, focus;
    const char* selected;
    int anchor;
    // After, and the number of items.
    int topAfter, focusAfter;
    const char* selectedAfter;
    int anchorAfter, items;
};

TEST_F(KeyboardTest, EveryKeyOfTheGrid) {
    const KeyCase cases[] = {
        {"Down", -1, 0, 3, "3", 3, 0, 4, "4", 4, 12},
        {"Down", -1, 0, 4, "4", 4, 1, 5, "5", 5, 12},
        {"Down", -1, 0, 11, "11", 11, 7, 11, "11", 11, 12}, // the last row: only scrolls
        {"Shift+Down", -1, 0, 3, "3", 3, 0, 4, "3 4", 3, 12},
        {"Ctrl+Down", -1, 0, 4, "3", 3, 1, 5, "3", 3, 12},
        {"Up", -1, 2, 0, "0", 0, 0, 0, "0", 0, 12}, // the first row: only scrolls
        {"Up", -1, 2, 2, "2", 2, 1, 1, "1", 1, 12},
        {"Shift+Up", -1, 0, 3, "3 4 5", 5, 0, 2, "2 3 4 5", 5, 12},
        {"Ctrl+Up", -1, 2, 2, "5", 5, 1, 1, "5", 5, 12},
        {"Home", -1, 5, 7, "7", 7, 0, 0, "0", 0, 12},
        {"Shift+Home", -1, 0, 3, "3", 3, 0, 0, "0 1 2 3", 3, 12},
        {"Ctrl+Home", -1, 5, 7, "7", 7, 0, 0, "7", 7, 12},
        {"End", -1, 0, 0, "0", 0, 7, 11, "11", 11, 12},
        {"Shift+End", -1, 0, 2, "2", 2, 7, 11, "2 3 4 5 6 7 8 9 10 11", 2, 12},
        {"Ctrl+End", -1, 0, 2, "2", 2, 7, 11, "2", 2, 12},
        {"End", 0, 0, 0, "", 0, 0, 0, "", 0, 1}, // Stage collapsed: a table of one row
        {"Shift+End", 0, 0, 0, "", 0, 0, 0, "", 0, 1},
        // Page Down from the middle of the page stops at its bottom row, then pages.
        {"PageDown", -1, 0, 2, "2", 2, 0, 4, "4", 4, 12},
        {"PageDown", -1, 0, 4, "4", 4, 4, 8, "8", 8, 12},
        {"PageDown", -1, 0, 9, "9", 9, 7, 11, "11", 11, 12}, // focus below the page
        {"Shift+PageDown", -1, 0, 2, "2", 2, 0, 4, "2 3 4", 2, 12},
        {"Ctrl+PageDown", -1, 0, 2, "2", 2, 0, 4, "2", 2, 12},
        {"PageUp", -1, 5, 7, "7", 7, 5, 5, "5", 5, 12},
        {"PageUp", -1, 5, 5, "5", 5, 1, 1, "1", 1, 12},
        {"PageUp", -1, 5, 1, "1", 1, 0, 0, "0", 0, 12}, // focus above the page
        {"Shift+PageUp", -1, 5, 7, "7", 7, 5, 5, "5 6 7", 7, 12},
        {"Ctrl+PageUp", -1, 5, 7, "7", 7, 5, 5, "7", 7, 12},
        // Left collapses, then goes to the parent; Right expands, then goes to the first child.
        {"Left", -1, 0, 1, "4", 4, 0, 1, "1", 1, 10},
        {"Left", 1, 0, 1, "1", 1, 0, 0, "0", 0, 10},
        {"Shift+Left", -1, 0, 2, "2", 2, 0, 1, "1", 1, 12},
        {"Left", -1, 3, 5, "5", 5, 0, 0, "0", 0, 12}, // the parent lies above the page
        {"Ctrl+Left", -1, 0, 1, "1 5", 5, 0, 1, "1 3", 3, 10},
        {"Ctrl+Left", -1, 0, 2, "2", 2, 0, 1, "2", 2, 12},
        // A range starts where the anchor's row is now, after a collapse above it.
        {"Ctrl+Left Shift+Down", -1, 0, 1, "1 5", 5, 0, 2, "2 3", 3, 10},
        {"Right", 1, 0, 1, "4", 4, 0, 1, "1", 1, 12},
        {"Shift+Right", -1, 0, 1, "1", 1, 0, 2, "2", 2, 12},
        {"Right", -1, 0, 4, "4", 4, 0, 4, "4", 4, 12}, // a row without children
        {"Ctrl+Right", -1, 0, 1, "1", 1, 0, 2, "1", 1, 12},
        {"Ctrl+Right", 1, 0, 1, "1 3", 3, 0, 1, "1 5", 5, 12},
        {"Space", -1, 0, 3, "5", 5, 0, 3, "3 5", 5, 12},
        {"Shift+Space", -1, 0, 3, "5", 5, 0, 3, "3 4 5", 5, 12},
        {"Ctrl+Space", -1, 0, 3, "3 5", 5, 0, 3, "5", 3, 12},
        {"Ctrl+Space", -1, 0, 3, "5", 5, 0, 3, "3 5", 3, 12},
        {"Enter", -1, 0, 1, "4", 4, 0, 1, "1", 1, 10},
        {"Enter", -1, 0, 4, "", -1, 0, 4, "4", 4, 12},
        // Ctrl+A adds every row; the keys kept from the host do nothing.
        {"Ctrl+A", -1, 0, 3, "3", 3, 0, 3, "0 1 2 3 4 5 6 7 8 9 10 11", 3, 12},
        {"Escape", -1, 0, 3, "3", 3, 0, 3, "3", 3, 12},
        {"Ctrl+C", -1, 0, 3, "3", 3, 0, 3, "3", 3, 12},
    };
    for (const KeyCase& c : cases) {
        CMainFrame* frame = OpenPaged();
        Prepare(frame, c.collapsed, c.top, c.focus, c.selected, c.anchor);
        std::istringstream keys(c.key);
        for (std::string key; keys >> key;)
            Press(frame, key);
        CListCtrl& list = View(frame).List();
        std::string where = std::string(c.key) + " from " + std::to_string(c.focus);
        EXPECT_EQ(list.GetTopIndex(), c.topAfter) << where;
        EXPECT_EQ(View(frame).focusIndex, c.focusAfter) << where;
        EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), c.focusAfter) << where;
        EXPECT_EQ(Selected(frame), c.selectedAfter) << where;
        EXPECT_EQ(Anchor(frame), c.anchorAfter) << where;
        EXPECT_EQ(list.GetItemCount(), c.items) << where;
        SendMessageA(frame->m_hWnd, WM_CLOSE, 0, 0);
    }
}

TEST_F(KeyboardTest, KeysAreIgnoredDuringADragAndHandToThePropertyWindowOnce) {
    CMainFrame* frame = OpenPaged();
    Prepare(frame, -1, 0, 2, "2", 2);
    View(frame).drag.dragging = 1;
    Press(frame, "Down");
    EXPECT_EQ(View(frame).focusIndex, 2);
    View(frame).drag.dragging = 0;
    int calls = host->PadProperty().calls;
    Press(frame, "Shift+End");
    EXPECT_EQ(host->PadProperty().calls, calls + 1);
    EXPECT_EQ(host->PadProperty().pads.size(), 10u);
}

// A second frame standing in as the search-results window of the first.
TEST_F(KeyboardTest, AnActiveResultsWindowTakesTheKeysButNotTheTreeKeys) {
    CMainFrame* source = OpenPaged();
    CMainFrame* results = OpenPaged();
    results->m_bSearchFrame = 1;
    View(source).searchFrame = results;
    Prepare(source, -1, 0, 1, "1", 1);
    Prepare(results, -1, 0, 1, "1", 1);
    SetActiveWindow(results->m_hWnd);
    Press(source, "Down");
    EXPECT_EQ(Selected(results), "2");
    EXPECT_EQ(Selected(source), "1");
    for (const char* key : {"Left", "Shift+Left", "Ctrl+Left", "Right", "Ctrl+Right", "Enter"}) {
        Press(source, key);
        Press(results, key);
        EXPECT_EQ(Selected(results), "2") << key;
        EXPECT_EQ(View(results).List().GetItemCount(), 12) << key;
        EXPECT_EQ(View(source).List().GetItemCount(), 12) << key;
    }
    // Inactive, the results window leaves the keys to its Inspector.
    SetActiveWindow(source->m_hWnd);
    Press(source, "Left");
    EXPECT_EQ(View(source).List().GetItemCount(), 10);
    View(source).searchFrame = nullptr;
}

} // namespace
