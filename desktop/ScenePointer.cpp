#include "ScenePointer.h"

#include <vector>

std::string ScenePointer::str() const {
    std::vector<const std::string*> keys;
    // The document is the one place without a key and without a place around it.
    for (const ScenePointer* at = this; at != nullptr && (at->up_ != nullptr || !at->key_.empty());
         at = at->up_)
        keys.push_back(&at->key_);
    std::string text;
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        text.append("/").append(**it);
    return text;
}

ScenePointer ScenePointer::Child(const std::string& key) const {
    std::string escaped;
    for (char c : key) {
        if (c == '~')
            escaped += "~0";
        else if (c == '/')
            escaped += "~1";
        else
            escaped += c;
    }
    return ScenePointer(this, std::move(escaped));
}

ScenePointer ScenePointer::Child(size_t index) const {
    return ScenePointer(this, std::to_string(index));
}
