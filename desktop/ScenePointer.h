#pragma once

#include <cstddef>
#include <string>

// Where a value lies in a scene document, as a JSON pointer kept as a chain of keys: a key
// refers to the place it lies in, which outlives it. Spelled out only for a message, so that
// naming the place of a pad costs the same at any depth.
class ScenePointer {
public:
    // The document itself.
    ScenePointer() = default;
    // `key` (escaped already) within `up`; a null `up` is the document.
    ScenePointer(const ScenePointer* up, std::string key) : up_(up), key_(std::move(key)) {}

    // "/pads/0/children/2/x"; "" for the document.
    std::string str() const;
    // The place of `key` within this one, the key escaped (~ and / as ~0 and ~1).
    ScenePointer Child(const std::string& key) const;
    ScenePointer Child(size_t index) const;

private:
    const ScenePointer* up_ = nullptr;
    std::string key_;
};
