#pragma once

#include <memory>
#include <vector>

class CInspectrView;
class MvSimplePad;
class PublishHold;
class RowList;
struct SelectionTally;
struct InspectorRow;

// An Inspector's own selection: a row is selected when its item has the selected state,
// its listSelected is the view's selectionMark and its pad is in selectedPadSet (with a copy
// in selectedRows, or one waiting to be made). These operations keep the three in step and
// hand the selected pads to the host's property window.

// Whether `row`, a row of the view's list, is selected. Dropping the whole selection moves
// the view's mark on instead of visiting every row it marked.
bool RowSelected(const CInspectrView& view, const InspectorRow& row);
void MarkSelected(CInspectrView& view, InspectorRow& row, bool selected);
// The copy selectedRows holds for a selected `pad`, made from the pad's row of the moment.
std::unique_ptr<InspectorRow> SelectedCopyOf(const CInspectrView& view, const MvSimplePad* pad);

// Index of the list item whose row stands for `pad`, -1 when none.
int ItemOfPad(const CInspectrView& view, const MvSimplePad* pad);
// The list's selected items in order, from the view's own marks: the system's list finds
// each next selected item by visiting every item after the last.
std::vector<int> SelectedItems(const CInspectrView& view);
InspectorRow* RowOfItem(const CInspectrView& view, int index);

void SelectRow(CInspectrView& view, const InspectorRow& row);
void DeselectRow(CInspectrView& view, const InspectorRow& row);
// DeselectRow for `row` and every row below it; the host hears of the change once.
void DeselectSubtree(CInspectrView& view, InspectorRow& row);
// A run of deletions that rebuilds the view when it ends holds its selection: a selected row
// that goes (and stays in the tree, marked gone, with Auto Update off) keeps its mark, its pad
// and its item's state, instead of a deselection each, and is counted. When the hold ends the
// selection loses them, at once when every selected row went.
void HoldSelection(CInspectrView& view);
// Whether a row that goes from `view` now is left selected until ReleaseSelection.
bool SelectionHeld(const CInspectrView& view);
void ReleaseSelection(CInspectrView& view);
void DeselectAll(CInspectrView& view);
void SelectRange(CInspectrView& view, int toIndex, bool clearFirst);
void SelectAll(CInspectrView& view, bool clearFirst);
// The facts of the selected pads, counted; read again first when a change on the desktop may
// have changed them.
const SelectionTally& SelectionTallyOf(const CInspectrView& view);
// The list's selected count, not counting the desktop row of a desktop Inspector.
int SelectedCount(const CInspectrView& view);
// op 1 adds `pad` to the published pads, op 0 withdraws it; then tells the host while
// publishing is on and the frame is active.
void PublishSelection(CInspectrView& view, int op, MvSimplePad* pad);
// Compound changes reach the host once: publishing is off while the guard lives, in the view
// and in the view its selection is mirrored into. A hold that changed nothing tells the host
// nothing: the host reads the whole list each time, and a press on a row of a large selection
// changes none of it.
class PublishingSuspended {
public:
    explicit PublishingSuspended(CInspectrView& view);
    ~PublishingSuspended();
    PublishingSuspended(const PublishingSuspended&) = delete;
    PublishingSuspended& operator=(const PublishingSuspended&) = delete;

private:
    CInspectrView& view_;
    int changes_;
    std::unique_ptr<PublishHold> partner_;
};

void CopySelection(const CInspectrView& view, RowList& list);
void SelectRows(CInspectrView& view, const RowList& list);
void SaveSelection(CInspectrView& view);
void RestoreSelection(CInspectrView& view);

// The list control's item-changed notice; a change of the selected state is mirrored into the
// view's partner (search-result view or source). The owner-data list asks nobody before it
// changes a state, so the rule that a gone row is never selected is kept here: such a row's
// item loses the state again at once. Item -1 is a change of every item.
void OnItemChanged(CInspectrView& view, int item, unsigned changed, unsigned oldState,
                   unsigned newState);
// The items `from` to `to` changed their states at once (a range selected with Shift).
void OnItemRangeChanged(CInspectrView& view, int from, int to);
