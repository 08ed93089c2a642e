#pragma once

#include <memory>

class CInspectrView;
class RowList;
struct InspectorRow;

// The search-result view: a flat list of copies of the rows a search found, kept in step
// with its source Inspector. Selection is mirrored both ways, the source's cell refreshes are
// repeated in it, rows the source loses are withdrawn, and it closes when none is left.

// The open search-result view of a normal view; null when none is open.
CInspectrView* ResultsView(const CInspectrView& view);
// The source view of a search-result view; null for a normal view.
CInspectrView* SourceView(const CInspectrView& view);
// The view whose selection a view's selection is mirrored into: the search-result view of a
// normal view, the source view of a search-result view.
CInspectrView* MirrorPartner(const CInspectrView& view);

// Makes `results` the view's hits and shows them: the first becomes current and the anchor,
// the selection follows the hits' selected flags and the counts are shown. The previous hits
// and selection go without being mirrored into the source.
void TakeResults(CInspectrView& view, std::unique_ptr<RowList> results);
// After a fill: the list items are selected exactly when their rows are.
void ResyncSelection(CInspectrView& view);
// After the source's tree was rebuilt: hits whose pads left the tree or are gone are dropped,
// the others take the source's selection and the data of the pad's new row.
void RefreshResults(CInspectrView& view);
// The source is losing `row` and its subtree: their hits go, or are marked gone while the
// source's Auto Update is off.
void WithdrawResults(CInspectrView& view, InspectorRow& row);
// The labels of the hits of `row`'s pad and of every pad below it in the source's tree.
void RefreshResultLabels(CInspectrView& view, const InspectorRow& row);
// The hits' labels after a new name or place of a pad above every hit (the source's top pad
// or one of its ancestors).
void RefreshAllResultLabels(CInspectrView& source);
// Closes the source's search-results window and forgets it. Its hits and rows are let go of
// at once: their pads may be about to go.
void CloseResults(CInspectrView& source);

// Repeats a selection change of `view` in its partner, unless mirroring is off in either;
// the partner's own notice of the change does not come back.
void MirrorSelection(CInspectrView& view, const InspectorRow& row, bool selected);
// Selection changes made while it lives stay in the view and reach no partner.
class MirrorSuspended {
public:
    explicit MirrorSuspended(CInspectrView& view);
    ~MirrorSuspended();
    MirrorSuspended(const MirrorSuspended&) = delete;
    MirrorSuspended& operator=(const MirrorSuspended&) = delete;

private:
    CInspectrView& view_;
    int previous_;
};
