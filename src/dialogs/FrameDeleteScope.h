#pragma once

#include "DeleteScope.h"
#include "platform/WinTypes.h"

class CInspectrView;
class CMainFrame;

// The Delete rules' view of one Inspector frame. The frames are found again through their
// windows on every call: while the dialog waits, the desktop may delete the top pad, and the
// Inspector closes.
class FrameDeleteScope : public DeleteScope {
public:
    explicit FrameDeleteScope(CMainFrame& frame);

    InspectorRow* RootRow() override;
    const RowIndex* Index() override;
    const RowList* SearchRows() override;
    int MainAutoUpdate() override;
    void SetAutoUpdate(int value) override;
    void Rebuild() override;

private:
    CInspectrView* MainView() const;
    CInspectrView* Companion() const;

    HWND frame_;
};
