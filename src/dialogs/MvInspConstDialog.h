#pragma once

#include "CInspListBox.h"
#include "CustomizeRules.h"
#include "MvInspDialog.h"

class CInspectrView;
class CMainFrame;

// "Customize": which columns an Inspector's table shows, and in which order. Each Inspector
// frame has one; its lists are built afresh at every run, so Cancel loses every change.
class MvInspConstDialog : public MvInspDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit MvInspConstDialog(CMainFrame* frame);
    // Runs the dialog on the frame's view inside the modal bracket; 1 when it ended with OK.
    int Run();

protected:
    BOOL OnInitDialog() override;
    // Ends the dialog, then gives the view (and its search-results view) the displayed
    // columns, each column that stays keeping its width.
    void OnOK() override;

private:
    void OnButton(UINT id);
    void OnAdd();
    void OnDelete();
    void OnSelectionChange();
    // The user's selections into the lists' model, and the model back into the controls.
    void ReadSelections();
    void ShowDisplayed();
    void ShowButtons();

    CInspListBox displayedList;
    CInspListBox itemsList;
    CMainFrame* frame;
    // The view's column count when the dialog opened.
    int columnCount = 0;
    CustomizeLists lists;
};
