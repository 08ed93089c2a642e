#pragma once

#include "platform/ResourceTypes.h"

#include <map>
#include <utility>
#include <vector>

namespace native {

// The accelerator tables of the system. A table loaded from a module is loaded once and
// belongs to the module; only tables created from entries can be destroyed.
class AcceleratorStore {
public:
    void Add(HACCEL handle, std::vector<ACCEL> entries, bool owned);
    // Null for an unknown handle.
    const std::vector<ACCEL>* Find(HACCEL handle) const;
    // False for an unknown handle or a loaded table.
    bool Destroy(HACCEL handle);
    // The handle given out for that resource before, null when none was.
    HACCEL Loaded(HINSTANCE instance, UINT id) const;
    void RememberLoaded(HINSTANCE instance, UINT id, HACCEL handle);
    void Clear();

private:
    struct Table {
        std::vector<ACCEL> entries;
        bool owned = false;
    };

    std::map<HACCEL, Table> tables;
    std::map<std::pair<HINSTANCE, UINT>, HACCEL> loaded;
};

} // namespace native
