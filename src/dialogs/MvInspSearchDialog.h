#pragma once

#include "MvInspDialog.h"
#include "SearchRules.h"

class CMainFrame;

// The Search dialog of one Inspector: conditions on a pad's label, pad name, pad ID, memo and
// up to three slots. The frame makes it once, so the conditions of the last search are offered
// again.
class MvInspSearchDialog : public MvInspDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit MvInspSearchDialog(CMainFrame* frame);

    // The whole search: the dialog, then the pads found shown in the frame's search-results
    // window, or "Pad not found." and that window closed.
    void Run();

    SearchConditions conditions;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Search: the conditions are read and checked; the dialog stays open with 32655 when
    // none is stated.
    void OnOK() override;

private:
    void OnConditionBox();
    // Each condition's fields are enabled exactly while its box is checked.
    void EnableFields();

    CMainFrame* frame_;
};
