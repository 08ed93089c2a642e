// Image lists and the image-list drag.

#include "platform/native/WindowManager.h"

using native::DragCall;
using native::ImageListTable;

namespace {

ImageListTable& Table() {
    return native::WindowManager::Instance().imageLists;
}

void Record(DragCall call, HWND window, POINT point) {
    Table().drag.calls.push_back({call, window, point});
}

bool ValidImage(HIMAGELIST list, int index) {
    ImageListTable::ImageList* found = Table().Find(list);
    return found != nullptr && index >= 0 && index < static_cast<int>(found->images.size());
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0) {
        return nullptr;
    }
    auto handle = reinterpret_cast<HIMAGELIST>(native::WindowManager::Instance().NewHandleValue());
    Table().Add(handle, {cx, cy, flags, {}});
    return handle;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    return Table().Remove(list) ? TRUE : FALSE;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    ImageListTable::ImageList* found = Table().Find(list);
    return found != nullptr ? static_cast<int>(found->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    ImageListTable::ImageList* found = Table().Find(list);
    if (found == nullptr || cx == nullptr || cy == nullptr) {
        return FALSE;
    }
    *cx = found->cx;
    *cy = found->cy;
    return TRUE;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    ImageListTable::ImageList* found = Table().Find(list);
    if (found == nullptr || icon == nullptr) {
        return -1;
    }
    if (index == -1) {
        found->images.push_back(icon);
        return static_cast<int>(found->images.size()) - 1;
    }
    if (!ValidImage(list, index)) {
        return -1;
    }
    found->images[static_cast<std::size_t>(index)] = icon;
    return index;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    ImageListTable::ImageList* found = Table().Find(list);
    if (found == nullptr) {
        return FALSE;
    }
    if (index == -1) {
        found->images.clear();
        return TRUE;
    }
    if (!ValidImage(list, index)) {
        return FALSE;
    }
    found->images.erase(found->images.begin() + index);
    return TRUE;
}

BOOL ImageList_BeginDrag(HIMAGELIST track, int index, int dxHotspot, int dyHotspot) {
    if (!ValidImage(track, index)) {
        return FALSE;
    }
    // The drag shows a list of its own holding a copy of the image, as the system's does, so
    // that the source list may change or go while the drag goes on.
    ImageListTable::ImageList source = *Table().Find(track);
    source.images = {source.images[static_cast<std::size_t>(index)]};
    auto copy = reinterpret_cast<HIMAGELIST>(native::WindowManager::Instance().NewHandleValue());
    Table().Add(copy, std::move(source));
    native::ImageListDrag& drag = Table().drag;
    if (drag.image != nullptr) {
        Table().Remove(drag.image);
    }
    drag.image = copy;
    drag.index = index;
    drag.hotSpot = POINT{dxHotspot, dyHotspot};
    drag.lockWindow = nullptr;
    drag.visible = false;
    drag.position = POINT{};
    // The log holds one drag, so that it does not grow with every drag a session makes.
    drag.calls.clear();
    Record(DragCall::BeginDrag, nullptr, drag.hotSpot);
    return TRUE;
}

void ImageList_EndDrag() {
    native::ImageListDrag& drag = Table().drag;
    if (drag.image != nullptr) {
        Table().Remove(drag.image);
    }
    drag.image = nullptr;
    drag.lockWindow = nullptr;
    drag.visible = false;
    Record(DragCall::EndDrag, nullptr, POINT{});
}

BOOL ImageList_DragEnter(HWND lock, int x, int y) {
    native::ImageListDrag& drag = Table().drag;
    if (drag.image == nullptr) {
        return FALSE;
    }
    drag.lockWindow = lock;
    drag.visible = true;
    drag.position = POINT{x, y};
    Record(DragCall::DragEnter, lock, drag.position);
    return TRUE;
}

BOOL ImageList_DragLeave(HWND lock) {
    native::ImageListDrag& drag = Table().drag;
    drag.lockWindow = nullptr;
    drag.visible = false;
    Record(DragCall::DragLeave, lock, POINT{});
    return TRUE;
}

BOOL ImageList_DragMove(int x, int y) {
    native::ImageListDrag& drag = Table().drag;
    if (drag.image == nullptr) {
        return FALSE;
    }
    drag.position = POINT{x, y};
    Record(DragCall::DragMove, drag.lockWindow, drag.position);
    return TRUE;
}

BOOL ImageList_DragShowNolock(BOOL show) {
    native::ImageListDrag& drag = Table().drag;
    if (drag.image == nullptr) {
        return FALSE;
    }
    drag.visible = show != FALSE;
    return TRUE;
}

// Combines the image with the drag's: without a drag in progress there is none to combine.
BOOL ImageList_SetDragCursorImage(HIMAGELIST drag, int index, int dxHotspot, int dyHotspot) {
    if (Table().drag.image == nullptr || !ValidImage(drag, index)) {
        return FALSE;
    }
    native::ImageListDrag& state = Table().drag;
    state.cursorImage = drag;
    state.cursorIndex = index;
    state.cursorHotSpot = POINT{dxHotspot, dyHotspot};
    return TRUE;
}

HIMAGELIST ImageList_GetDragImage(POINT* position, POINT* hotSpot) {
    const native::ImageListDrag& drag = Table().drag;
    if (drag.image == nullptr) {
        return nullptr;
    }
    if (position != nullptr) {
        *position = drag.position;
    }
    if (hotSpot != nullptr) {
        *hotSpot = drag.hotSpot;
    }
    return drag.image;
}

namespace native {

const ImageListDrag& GetImageListDrag() {
    return Table().drag;
}

std::vector<HICON> ImageListIcons(HIMAGELIST list) {
    ImageListTable::ImageList* found = Table().Find(list);
    return found != nullptr ? found->images : std::vector<HICON>{};
}

int LiveImageLists() {
    return Table().Count();
}

} // namespace native
