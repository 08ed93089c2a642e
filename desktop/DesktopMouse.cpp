#include "DesktopMouse.h"

#include "Desktop.h"
#include "DesktopPad.h"

#include <cstdlib>
#include <vector>

DesktopMouse::DesktopMouse(Desktop& desktop, std::function<void(DesktopPad*)> openInspector)
    : desktop_(desktop), openInspector_(std::move(openInspector)) {
    observer_ = desktop_.AddObserver([this](const DesktopChange& change) {
        if (change.kind == ChangeKind::Freeing && change.pad == pressed_)
            pressed_ = nullptr;
    });
}

DesktopMouse::~DesktopMouse() {
    desktop_.RemoveObserver(observer_);
}

DesktopPad* DesktopMouse::PadAt(Desktop& desktop, int x, int y) {
    // The painting order is pre-order, so the last pad of it under the point is on top.
    DesktopPad* hit = nullptr;
    std::vector<DesktopPad*> open;
    const std::vector<DesktopPad*>& top = desktop.TopLevelPads();
    for (auto it = top.rbegin(); it != top.rend(); ++it)
        open.push_back(*it);
    while (!open.empty()) {
        DesktopPad* pad = open.back();
        open.pop_back();
        if (!pad->IsVisible())
            continue;
        MwRectangle region = pad->Region();
        if (pad->HasOwnView() && x >= region.X() && y >= region.Y() &&
            x < region.X() + region.Width() && y < region.Y() + region.Height())
            hit = pad;
        for (int i = pad->ChildCount() - 1; i >= 0; --i)
            open.push_back(pad->Child(i));
    }
    return hit;
}

void DesktopMouse::SelectOnly(DesktopPad* pad) {
    for (DesktopPad* selected : desktop_.SelectedPads()) {
        if (selected != pad)
            desktop_.DeselectPad(selected);
    }
    if (pad != nullptr && !pad->Selected())
        desktop_.SelectPad(pad);
}

void DesktopMouse::Press(int x, int y, bool ctrl) {
    DesktopPad* pad = PadAt(desktop_, x, y);
    held_ = true;
    dragging_ = false;
    moved_ = false;
    narrowOnRelease_ = false;
    pressed_ = pad;
    pressX_ = x;
    pressY_ = y;
    if (pad != nullptr) {
        startRelX_ = pad->RelX();
        startRelY_ = pad->RelY();
    }
    if (ctrl) {
        if (pad != nullptr) {
            if (pad->Selected())
                desktop_.DeselectPad(pad);
            else
                desktop_.SelectPad(pad);
        }
        pressed_ = nullptr; // Ctrl+click only changes the selection
    } else if (pad != nullptr && pad->Selected()) {
        narrowOnRelease_ = true;
    } else {
        SelectOnly(pad);
    }
}

bool DesktopMouse::Move(int x, int y) {
    if (!held_ || pressed_ == nullptr)
        return false;
    if (!desktop_.IsLive(pressed_)) {
        pressed_ = nullptr;
        dragging_ = false;
        return false;
    }
    if (!dragging_ && std::abs(x - pressX_) < kDragDistance &&
        std::abs(y - pressY_) < kDragDistance)
        return false;
    dragging_ = true;
    int toX = startRelX_ + (x - pressX_);
    int toY = startRelY_ + (y - pressY_);
    if ((toX != pressed_->RelX() || toY != pressed_->RelY()) &&
        desktop_.MovePad(pressed_, toX, toY, !moved_))
        moved_ = true;
    return true;
}

void DesktopMouse::Release(int x, int y) {
    if (held_ && pressed_ != nullptr)
        Move(x, y);
    if (held_ && !dragging_ && narrowOnRelease_ && desktop_.IsLive(pressed_))
        SelectOnly(pressed_);
    held_ = false;
    dragging_ = false;
    narrowOnRelease_ = false;
    pressed_ = nullptr;
}

void DesktopMouse::DoubleClick(int x, int y) {
    DesktopPad* pad = PadAt(desktop_, x, y);
    if (pad == nullptr)
        return;
    SelectOnly(pad);
    openInspector_(pad);
}
