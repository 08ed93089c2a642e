#include "platform/native/ImageListTable.h"

namespace native {

void ImageListTable::Add(HIMAGELIST handle, ImageList list) {
    lists[handle] = std::move(list);
}

ImageListTable::ImageList* ImageListTable::Find(HIMAGELIST handle) {
    auto it = lists.find(handle);
    return it == lists.end() ? nullptr : &it->second;
}

bool ImageListTable::Remove(HIMAGELIST handle) {
    return lists.erase(handle) != 0;
}

void ImageListTable::Clear() {
    lists.clear();
    drag = ImageListDrag{};
}

} // namespace native
