#include "DesktopPadView.h"

#include "Desktop.h"
#include "DesktopPad.h"

MwRectangle DesktopPadView::GetRegion() {
    return pad_.Region();
}

int DesktopPadView::IsVisible() {
    return pad_.IsVisible() ? 1 : 0;
}

MvSimplePad* DesktopPadView::GetPad() {
    return &pad_;
}

MvDeskTop* DesktopPadView::GetDeskTop() {
    return &pad_.Owner();
}
