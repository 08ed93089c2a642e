#pragma once

class CInspectrView;
class RowList;

// A view's selected rows as the commands and dialogs read them: copies of the selected rows,
// one per pad, in the order they were selected. Reading the list makes the copies that Select
// All left waiting (see SelectedSet); asking whether the view has a list makes none.
class SelectedRows {
public:
    explicit SelectedRows(CInspectrView& view) : view_(view) {}
    SelectedRows(const SelectedRows&) = delete;
    SelectedRows& operator=(const SelectedRows&) = delete;

    // Null while the view has no list (before its frame is made, after it let go of its pads).
    RowList* get() const;
    RowList* operator->() const { return get(); }
    explicit operator bool() const;

private:
    CInspectrView& view_;
};
