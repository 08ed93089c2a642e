#pragma once

#include "listview/PadTable.h"

#include <memory>
#include <string>

class DeleteOrder;
class DeleteScope;
class HitIndex;
class MvSimplePad;
class RowIndex;
class RowList;
struct InspectorRow;

// One run of the Delete command: the pads still to offer, the one offered now, and what
// the dialog's buttons do with them. The dialog only shows the offered pad and reads Delete
// Child Pads; it shows 32659 when Begin asks for it and confirms DeleteAll itself.
//
// While the run lasts the Inspector's views have Auto Update off, so deletions only mark
// rows gone and every row stays where it is; Finish gives Auto Update back and rebuilds.
class DeleteRun {
public:
    // End codes of the dialog.
    static constexpr int kEndDeleted = 1;
    static constexpr int kEndDeleteAll = 1060;
    static constexpr int kEndNext = 1062;
    static constexpr int kEndCancel = 2;

    enum class Start {
        Nothing,           // no pad to offer; Auto Update is back, no dialog
        Offer,             // the dialog opens on CurrentPad()
        OfferAfterWarning, // some selected pad cannot be deleted: 32659 first, then the dialog
    };
    // What a button leaves the dialog to do.
    enum class Step {
        Stay,     // keep showing what it shows
        ShowNext, // show CurrentPad(), the next candidate
        End,      // end with the code the button gives (kEndDeleted or kEndNext)
    };

    explicit DeleteRun(DeleteScope& scope);
    ~DeleteRun();
    DeleteRun(const DeleteRun&) = delete;
    DeleteRun& operator=(const DeleteRun&) = delete;

    // Turns Auto Update off, collects the deletable selected pads and picks the first offer.
    Start Begin(const RowList* selectedRows);

    // The offered pad and what the dialog shows of it.
    MvSimplePad* CurrentPad() const;
    std::string Label() const;
    // Delete Child Pads is usable only for a pad with a child shown on the desktop.
    bool ChildBoxEnabled() const;
    // With one candidate left, DeleteAll and Next are disabled for the rest of the run.
    bool SingleCandidate() const;

    Step Delete(bool withChildren);
    Step Next();
    // After the dialog has ended: deletes what is still to delete (the top pad, or every
    // candidate after DeleteAll), gives Auto Update back and rebuilds, unless the Inspector
    // loses its top pad.
    void Finish(int endCode, bool withChildren);

    bool CloseAfterDelete() const { return closeAfterDelete_; }
    int Candidates() const;

    // The candidate to offer instead of `row`: the last selected pad, in candidate order,
    // lying below the choice so far. Null when the Inspector has no tree.
    const InspectorRow* DeepestSelectedBelow(const InspectorRow& row) const;
    // The row standing for `row` where this Inspector keeps its rows.
    InspectorRow* LookUp(const InspectorRow& row) const;
    // The pad is the one whose deletion closes the Inspector.
    bool IsTopPad(const MvSimplePad* pad) const;

private:
    // Where the run's rows are looked up, as the scope gives it; taken once per deletion,
    // as the Inspectors may change only when a pad goes.
    struct Place {
        InspectorRow* root = nullptr;
        const RowIndex* index = nullptr;
        const RowList* searchRows = nullptr;
        const HitIndex* hits = nullptr;
    };
    Place Where() const;
    static InspectorRow* LookUpAt(const Place& place, const InspectorRow& row);
    static bool IsTopPadAt(const Place& place, const MvSimplePad* pad);

    // Makes the next candidate that is still in the tree the offered one; false when none
    // is left or the Inspector has no tree.
    bool ShowNextCandidate();
    void DeleteOne(MvSimplePad* pad, bool withChildren);
    void RestoreAutoUpdate();
    void DeleteAll(bool withChildren);
    // Takes the candidate of `pad` out of the candidates.
    void RemoveCandidate(const MvSimplePad* pad);

    DeleteScope& scope_;
    std::unique_ptr<RowList> candidates_;
    // Each candidate's copy in candidates_, and the order of Delete All while it runs.
    PadTable<InspectorRow*> candidateOf_;
    std::unique_ptr<DeleteOrder> order_;
    // Where Delete All looks its rows up during the present deletion.
    Place place_;
    // A copy of the candidate offered now: the tree's rows may go while the dialog waits.
    std::unique_ptr<InspectorRow> current_;
    int rememberedAutoUpdate_ = 1;
    bool closeAfterDelete_ = false;
};
