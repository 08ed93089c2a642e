#pragma once

#include "GeometryMessages.h"
#include "GeometryRules.h"
#include "GeometryValues.h"
#include "MvInspDialog.h"

#include <string>

class CMainFrame;
class RowList;
struct InspectorRow;

// The Geometry dialog: the position and size of the pads selected in an Inspector, typed or
// spun, absolute or from each pad's parent, given to one pad or arranged alike over several.
// The geometry rules decide everything; the dialog shows their values and messages. One
// object serves every run of its frame; each run starts from the selection's values.
class MvInspResizeReplaceDialog : public MvInspDialog, private GeometryMessages {
    DECLARE_MESSAGE_MAP()

public:
    explicit MvInspResizeReplaceDialog(CMainFrame& frame);
    ~MvInspResizeReplaceDialog() override;

    // Runs the dialog on the selected rows that are still pads of the Inspector's tree; OK
    // applies the values once the dialog has closed. Without such a row nothing opens.
    void RunGeometry(const RowList* selectedRows);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Validates, asks the question, and ends with IDOK.
    void OnOK() override;

private:
    // The rules' messages: owned by the dialog while it is open (validation, Reflect), by
    // the frame when OK's values are applied after it has closed.
    void Warn(unsigned messageId) override;
    bool Ask(unsigned messageId) override;

    void OnAbsolute();
    void OnRelative();
    void OnArrangeX();
    void OnArrangeY();
    void OnArrangeWidth();
    void OnArrangeHeight();
    void OnReflect();

    void SwitchMode(CoordinateMode mode);
    void ToggleField(GeometryField field);
    // The field's edit control, label and up-down control together.
    void EnableField(GeometryField field, bool enable);
    // Validation and the question before applying; a failure puts the focus on its field.
    bool ReadyToApply();
    void ShowMode(CoordinateMode mode);
    void ShowValues();
    InspectorRow* RootRow() const;

    CMainFrame& frame;
    GeometrySelection selection;
    GeometryValues values;
    GeometryTexts texts;
    int absolute = 1;
    int relative = 0;
};
