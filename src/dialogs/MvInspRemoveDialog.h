#pragma once

#include "DeleteRun.h"
#include "MvInspDialog.h"

#include <string>

class CMainFrame;
class RowList;

// The Delete dialog: offers the deletable selected pads one at a time, children before their
// selected ancestors. Delete deletes the offered pad and offers the next, Next skips it,
// DeleteAll deletes every remaining one after a confirmation, Cancel stops. The Delete rules
// decide what is offered and deleted; the dialog shows the offered pad and reads Delete Child
// Pads. One object serves every run of its frame.
class MvInspRemoveDialog : public MvInspDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit MvInspRemoveDialog(CMainFrame& frame);
    ~MvInspRemoveDialog() override;

    // One run of the Delete command on the selected rows. Nothing opens when no selected pad
    // may be deleted; 32659 comes first when some may not. Afterwards every Inspector window is
    // enabled again and the Inspector rebuilt, unless the run deleted its top pad.
    void RunDelete(const RowList* selectedRows);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

private:
    void OnDelete();
    void OnNext();
    void OnDeleteAll();

    // Shows the run's offered pad; with one candidate left DeleteAll and Next go disabled for
    // the rest of the run.
    void ShowCandidate();
    void Follow(DeleteRun::Step step, int endCode);

    CMainFrame& frame;
    // The run in progress while the dialog is open.
    DeleteRun* run = nullptr;
    std::string labelText;
    int deleteChildren = 1;
};
