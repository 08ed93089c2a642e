#pragma once

#include "InspectorRow.h"

#include <cstddef>
#include <memory>

// The root of a view's row tree. A normal view owns its tree; a search-result view follows
// its source view's root, so that it always sees the tree its source has now and never one
// the source has freed.
class RootHandle {
public:
    InspectorRow* get() const { return source_ != nullptr ? source_->get() : owned_.get(); }
    // Takes `row` over as this view's own tree; a view that followed another stops.
    void reset(InspectorRow* row = nullptr) {
        source_ = nullptr;
        owned_.reset(row);
    }
    // Frees any tree of its own and reads `source`'s root from now on.
    void Follow(const RootHandle& source) {
        owned_.reset();
        source_ = &source;
    }
    bool Following() const { return source_ != nullptr; }

    explicit operator bool() const { return get() != nullptr; }
    InspectorRow* operator->() const { return get(); }
    InspectorRow& operator*() const { return *get(); }
    bool operator==(std::nullptr_t) const { return get() == nullptr; }

private:
    std::unique_ptr<InspectorRow> owned_;
    const RootHandle* source_ = nullptr;
};
