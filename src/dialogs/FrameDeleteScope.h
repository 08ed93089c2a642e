#pragma once

#include "DeleteScope.h"
#include "platform/WinTypes.h"

#include <memory>
#include <vector>

class CInspectrView;
class PublishingSuspended;
class RefillHold;
class CMainFrame;
class RedrawSuspended;

// The Delete rules' view of one Inspector frame. The frames are found again through their
// windows on every call: while the dialog waits, the desktop may delete the top pad, and the
// Inspector closes.
class FrameDeleteScope : public DeleteScope {
public:
    explicit FrameDeleteScope(CMainFrame& frame);
    ~FrameDeleteScope() override;

    InspectorRow* RootRow() override;
    const RowIndex* Index() override;
    const RowList* SearchRows() override;
    const HitIndex* Hits() override;
    int MainAutoUpdate() override;
    void SetAutoUpdate(int value) override;
    void Rebuild() override;
    void HoldPublishing(bool hold) override;

private:
    CInspectrView* MainView() const;
    CInspectrView* Companion() const;

    HWND frame_;
    std::unique_ptr<PublishingSuspended> held_;
    // The lists and count panes of the frame, its source and its results are painted once
    // after a run of deletions.
    std::vector<std::unique_ptr<RedrawSuspended>> painting_;
    std::vector<HWND> heldPanes_;
    // The other Inspectors refill once, when the run of deletions ends.
    std::unique_ptr<RefillHold> refills_;
    // The frame of the view the run rebuilds, whose selection it holds; null when none.
    HWND selectionHeld_ = nullptr;
};
