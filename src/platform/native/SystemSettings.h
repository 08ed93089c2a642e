#pragma once

#include "platform/NativeBackend.h"

#include <cstdint>
#include <map>

namespace native {

// The settings of the system as a whole; a default-constructed object holds the defaults.
struct SystemSettings {
    Metrics metrics;
    // Colours set through SetSysColor; the others keep the classic scheme.
    std::map<int, COLORREF> colours;
    Language language = Language::English;
    std::uint64_t clock = 0;
    int waitCursorDepth = 0;

    COLORREF Colour(int index) const;
};

} // namespace native
