#include "platform/native/AcceleratorStore.h"

namespace native {

void AcceleratorStore::Add(HACCEL handle, std::vector<ACCEL> entries, bool owned) {
    tables[handle] = Table{std::move(entries), owned};
}

const std::vector<ACCEL>* AcceleratorStore::Find(HACCEL handle) const {
    auto it = tables.find(handle);
    return it == tables.end() ? nullptr : &it->second.entries;
}

bool AcceleratorStore::Destroy(HACCEL handle) {
    auto it = tables.find(handle);
    if (it == tables.end() || !it->second.owned) {
        return false;
    }
    tables.erase(it);
    return true;
}

HACCEL AcceleratorStore::Loaded(HINSTANCE instance, UINT id) const {
    auto it = loaded.find({instance, id});
    return it == loaded.end() ? nullptr : it->second;
}

void AcceleratorStore::RememberLoaded(HINSTANCE instance, UINT id, HACCEL handle) {
    loaded[{instance, id}] = handle;
}

void AcceleratorStore::Clear() {
    tables.clear();
    loaded.clear();
}

} // namespace native
