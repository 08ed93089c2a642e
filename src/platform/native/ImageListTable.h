#pragma once

#include "platform/NativeCommCtrl.h"

#include <map>
#include <vector>

namespace native {

// The image lists and the one image-list drag of the system.
class ImageListTable {
public:
    struct ImageList {
        int cx = 0;
        int cy = 0;
        UINT flags = 0;
        // Null for an image made from a list view item.
        std::vector<HICON> images;
    };

    void Add(HIMAGELIST handle, ImageList list);
    // Null for a null, unknown or destroyed handle.
    ImageList* Find(HIMAGELIST handle);
    bool Remove(HIMAGELIST handle);
    int Count() const { return static_cast<int>(lists.size()); }
    // Forgets every list and the drag.
    void Clear();

    ImageListDrag drag;

private:
    std::map<HIMAGELIST, ImageList> lists;
};

} // namespace native
