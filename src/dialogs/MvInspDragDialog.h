#pragma once

#include "CInspButton.h"
#include "CInspEdit.h"
#include "GeometryRules.h"
#include "InsertReplaceRunner.h"
#include "MvInspDialog.h"
#include "PasteQuestions.h"
#include "PasteRequest.h"

class CMainFrame;

// The Insert/Replace dialog (template 102): how the From pad is re-pasted relative to the To
// pad. Its rules are those of InsertReplaceRules; the dialog shows them and reads the user's
// choices. One per Inspector, reused by every run.
class MvInspDragDialog : public MvInspDialog, public InsertReplaceRunner, private PasteQuestions {
    DECLARE_MESSAGE_MAP()

public:
    explicit MvInspDragDialog(CMainFrame* frame);

    int Run(MvSimplePad* from, MvSimplePad* to) override;

    // The controls that answer help on themselves: the kind's description and the six edit
    // fields.
    CInspButton kindDescription;
    CInspEdit fromLabel;
    CInspEdit toLabel;
    CInspEdit widthField;
    CInspEdit heightField;
    CInspEdit yField;
    CInspEdit xField;
    CMainFrame* frame;
    // The two pads, the checked kind, position and size, the values typed and the geometry.
    PasteRequest request;
    int topReplaced = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The radio buttons first: the group boxes around them would answer before them.
    int OnToolHitTest(POINT point) const override;

private:
    // Each radio button applies its choice and the rules that follow from it.
    void OnRadioButton(UINT id);
    // False, and the dialog ends as cancelled, once a pad has been deleted meanwhile.
    bool PadsLeft();
    void ShowChoices();
    void ShowPreview();
    GeometryTexts Typed() const;

    bool Confirm(unsigned messageId) override;
    void Inform(unsigned messageId) override;

    TreeRoot root_;
};
