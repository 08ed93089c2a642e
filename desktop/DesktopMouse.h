#pragma once

#include <functional>

class Desktop;
class DesktopPad;

// What the mouse does on the desktop window, without the window: a press selects the pad
// under it (Ctrl adds or removes it instead), a press on the desktop itself clears the
// selection, moving with the button down past the drag distance moves the pressed pad with
// the mouse (each step a move every Inspector is told of), and a double-click opens an
// Inspector on the pad. Points are desktop positions.
class DesktopMouse {
public:
    // Movements smaller than this, either way, are a click, not a drag.
    static constexpr int kDragDistance = 4;

    DesktopMouse(Desktop& desktop, std::function<void(DesktopPad*)> openInspector);
    ~DesktopMouse();
    DesktopMouse(const DesktopMouse&) = delete;
    DesktopMouse& operator=(const DesktopMouse&) = delete;

    // The pad drawn topmost at the point: the last one painted there, children over their
    // parent and later siblings over earlier ones; hidden pads and pads shown on another's
    // view are not hit. Null: the desktop itself.
    static DesktopPad* PadAt(Desktop& desktop, int x, int y);

    void Press(int x, int y, bool ctrl);
    // True while a pad is being dragged: the window keeps the mouse meanwhile.
    bool Move(int x, int y);
    void Release(int x, int y);
    void DoubleClick(int x, int y);
    bool Dragging() const { return dragging_; }

private:
    void SelectOnly(DesktopPad* pad);

    Desktop& desktop_;
    std::function<void(DesktopPad*)> openInspector_;
    int observer_ = 0;
    // Forgotten when the pad is freed in the middle of a drag (a command, a scene loaded).
    DesktopPad* pressed_ = nullptr;
    bool held_ = false;
    bool dragging_ = false;
    // A press on a pad selected already keeps the selection, so that it can be dragged; a
    // release without a drag then leaves that pad alone selected.
    bool narrowOnRelease_ = false;
    // The drag's first move is the one undo reverts, taking the pad back to its start.
    bool moved_ = false;
    int pressX_ = 0;
    int pressY_ = 0;
    int startRelX_ = 0;
    int startRelY_ = 0;
};
