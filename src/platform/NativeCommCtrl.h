#pragma once

// What the native common controls show of themselves to a host or a test: the images of an
// image list and the image-list drag, which draws nothing here but keeps its state.

#include "CommCtrl.h"

#include <vector>

namespace native {

enum class DragCall { BeginDrag, DragEnter, DragMove, DragLeave, EndDrag };

struct DragCallRecord {
    DragCall call;
    HWND window = nullptr; // DragEnter and DragLeave
    POINT point;           // BeginDrag's hot spot, DragEnter's and DragMove's position
};

struct ImageListDrag {
    // The drag's own list, holding a copy of the image dragged; null when no drag is in
    // progress.
    HIMAGELIST image = nullptr;
    // The image's index in the list it was taken from.
    int index = 0;
    POINT hotSpot;
    // As given to ImageList_SetDragCursorImage.
    HIMAGELIST cursorImage = nullptr;
    int cursorIndex = 0;
    POINT cursorHotSpot;
    // The window the image is locked to: from DragEnter to DragLeave.
    HWND lockWindow = nullptr;
    // Whether the image would be seen: entered and not hidden by DragShowNolock(FALSE).
    bool visible = false;
    // The last position of DragEnter or DragMove.
    POINT position;
    // The calls of the latest drag, from its BeginDrag on, in order; none after a Reset.
    std::vector<DragCallRecord> calls;
};

const ImageListDrag& GetImageListDrag();
// The icons of a list in image order; an image made from a list item holds no icon.
std::vector<HICON> ImageListIcons(HIMAGELIST list);
// Image lists created and not destroyed.
int LiveImageLists();

} // namespace native
