#pragma once

class HitIndex;
class RowIndex;
class RowList;
struct InspectorRow;

// What the Delete rules need of the Inspector that runs them. The main view is the
// Inspector's own view, or the source Inspector's view when it shows search results; its
// companion is a normal Inspector's open search-results view.
class DeleteScope {
public:
    virtual ~DeleteScope() = default;

    // The row tree of the Inspector's view (a search-results view shares its source's);
    // null when it has none.
    virtual InspectorRow* RootRow() = 0;
    // The index of the rows of RootRow()'s tree; null when there is none, and rows are then
    // found by walking the tree.
    virtual const RowIndex* Index() { return nullptr; }
    // The hits of a search-results Inspector, where its rows are looked up; null in a
    // normal Inspector.
    virtual const RowList* SearchRows() = 0;
    // The index of SearchRows() by pad; null when there is none, and hits are then found by
    // walking the list.
    virtual const HitIndex* Hits() { return nullptr; }
    virtual int MainAutoUpdate() = 0;
    // Sets Auto Update of the main view and of its companion.
    virtual void SetAutoUpdate(int value) = 0;
    // Builds the main view's tree anew after pads were deleted.
    virtual void Rebuild() = 0;
    // While held, the selection's pads reach the host once, at the release, instead of at
    // every deletion: the host reads the whole list each time it is told. The Inspector's
    // lists and count panes are painted once too, and the Inspectors that follow the desktop
    // refill their lists once, at the release.
    virtual void HoldPublishing(bool) {}
};
