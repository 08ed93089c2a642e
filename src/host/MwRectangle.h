#pragma once

// A view's region: position in desktop coordinates and size in pixels.
class MwArea {
public:
    MwArea() = default;
    MwArea(int x, int y) : x_(x), y_(y) {}
    int X() const { return x_; }
    int Y() const { return y_; }

protected:
    int x_ = 0;
    int y_ = 0;
};

class MwRectangle : public MwArea {
public:
    MwRectangle() = default;
    MwRectangle(int x, int y, int width, int height) : MwArea(x, y), w_(width), h_(height) {}
    int Width() const { return w_; }
    int Height() const { return h_; }

private:
    int w_ = 0;
    int h_ = 0;
};
